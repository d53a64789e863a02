#include "thermodb/name_scan.h"

#include "thermodb/line_reader.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

ScanResult EndOfFile(const LineReader& reader, ScanEnd end, std::string_view problem) {
  if (reader.Failed()) return {ScanEnd::CannotRead, "cannot read the file: " + reader.ErrorText()};
  return {end, std::string(problem)};
}

}  // namespace

ScanResult ListSpeciesNames(const std::string& path,
                            const std::function<void(std::string name)>& on_name) {
  LineReader reader;
  if (!reader.Open(path)) {
    return {ScanEnd::CannotOpen, "cannot open the file: " + reader.ErrorText()};
  }
  std::string line;
  bool header_found = false;
  while (!header_found && reader.Next(line)) header_found = IsHeaderLine(line);
  if (!header_found) return EndOfFile(reader, ScanEnd::NoHeader, "no THERMO header line");

  while (reader.Next(line)) {
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
  return EndOfFile(reader, ScanEnd::NoEndLine, "the file ends before its END line");
}

}  // namespace tabulon
