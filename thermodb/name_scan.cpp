// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/name_scan.h"

#include <cstdint>
#include <string>

#include "thermodb/line_reader.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

ScanResult EndOfFile(const LineReader& reader, ScanEnd end, std::string problem) {
  if (reader.Failed()) return {ScanEnd::CannotRead, CannotReadProblem(reader.ErrorText())};
  return {end, std::move(problem)};
}

}  // namespace

std::string CannotOpenProblem(const std::string& reason) {
  return "the file cannot be opened: " + reason;
}
std::string CannotReadProblem(const std::string& reason) {
  return "the file cannot be read: " + reason;
}
std::string NoHeaderProblem() {
  return "it has no THERMO header line";
}
std::string NoEndLineProblem(std::uint64_t lines_read) {
  return "it ends at line " + std::to_string(lines_read) + " without an END line";
}

ScanResult ListSpeciesNames(const std::string& path,
                            const std::function<void(std::string name)>& on_name) {
  LineReader reader;
  if (!reader.Open(path)) {
    return {ScanEnd::CannotOpen, CannotOpenProblem(reader.ErrorText())};
  }
  std::string line;
  std::uint64_t lines = 0;  // lines read so far, for the place where the file ends
  bool header_found = false;
  while (!header_found && reader.Next(line)) {
    ++lines;
    header_found = IsHeaderLine(line);
  }
  if (!header_found) return EndOfFile(reader, ScanEnd::NoHeader, NoHeaderProblem());

  while (reader.Next(line)) {
    ++lines;
    switch (ClassifyBodyLine(line)) {
      case BodyLineKind::End:
        return {};
      case BodyLineKind::Species:
        on_name(RecordWord(line));
        break;
      case BodyLineKind::Filler:
      case BodyLineKind::Other:
        break;
    }
  }
  return EndOfFile(reader, ScanEnd::NoEndLine, NoEndLineProblem(lines));
}

}  // namespace tabulon
