#include "thermodb/name_scan.h"

#include <cstdint>
#include <string>

#include "thermodb/line_reader.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

ScanResult EndOfFile(const LineReader& reader, ScanEnd end, std::string problem) {
  if (reader.Failed()) return {ScanEnd::CannotRead, "the file cannot be read: " + reader.ErrorText()};
  return {end, std::move(problem)};
}

}  // namespace

ScanResult ListSpeciesNames(const std::string& path,
                            const std::function<void(std::string name)>& on_name) {
  LineReader reader;
  if (!reader.Open(path)) {
    return {ScanEnd::CannotOpen, "the file cannot be opened: " + reader.ErrorText()};
  }
  std::string line;
  std::uint64_t lines = 0;  // lines read so far, for the place where the file ends
  bool header_found = false;
  while (!header_found && reader.Next(line)) {
    ++lines;
    header_found = IsHeaderLine(line);
  }
  if (!header_found) return EndOfFile(reader, ScanEnd::NoHeader, "it has no THERMO header line");

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
  return EndOfFile(reader, ScanEnd::NoEndLine,
                   "it ends at line " + std::to_string(lines) + " without an END line");
}

}  // namespace tabulon
