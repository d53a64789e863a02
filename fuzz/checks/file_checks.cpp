// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>
#include <string>
#include <vector>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/reference.h"
#include "fuzz/checks/scratch_file.h"
#include "thermodb/line_reader.h"
#include "thermodb/name_scan.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_file.h"

namespace tabulon::fuzz {
namespace {

ScratchFile& Scratch() {
  static ScratchFile file;
  return file;
}

std::string CheckSeeks(LineReader& reader, const std::vector<std::string>& lines,
                       const std::vector<std::size_t>& starts) {
  // A few lines spread over the file, the last one included.
  const std::size_t step = lines.size() / 7 + 1;
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (i % step != 0 && i + 1 != lines.size()) continue;
    std::string line;
    if (!reader.SeekTo(starts[i]) || !reader.Next(line) || line != lines[i]) {
      return "a seek to line " + std::to_string(i) + " reads " + Quoted(line);
    }
    if (i + 1 < lines.size() && (!reader.Next(line) || line != lines[i + 1])) {
      return "the line after a seek to line " + std::to_string(i) + " reads " + Quoted(line);
    }
  }
  return {};
}

struct ReferenceScan {
  std::vector<std::string> names;
  ScanEnd end = ScanEnd::NoHeader;
};

bool IsReferenceHeader(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first != std::string_view::npos && ReferenceUpper(line.substr(first, 6)) == "THERMO";
}

bool IsReferenceEnd(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const std::size_t last = line.find_last_not_of(' ');
  return ReferenceUpper(line.substr(first, last - first + 1)) == "END";
}

ReferenceScan ScanReference(std::string_view bytes) {
  const std::vector<std::string> lines = ReferenceLines(bytes, nullptr);
  ReferenceScan scan;
  std::size_t i = 0;
  while (i < lines.size() && !IsReferenceHeader(lines[i])) ++i;
  if (i == lines.size()) return scan;
  scan.end = ScanEnd::NoEndLine;
  for (++i; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (IsReferenceEnd(line)) {
      scan.end = ScanEnd::EndLine;
      return scan;
    }
    if (line.empty() || (line.size() >= 2 && line[0] == ' ' && line[1] == ' ')) continue;
    const char c = line[0];
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) scan.names.push_back(ReferenceWord(line));
  }
  return scan;
}

bool IsReferenceComment(std::string_view line) {
  return (!line.empty() && line[0] == '!') ||
         (line.size() >= 2 && line[0] == ' ' && line[1] == '!');
}

LookupResult LookupReference(std::string_view bytes, std::string_view name) {
  const std::vector<std::string> lines = ReferenceLines(bytes, nullptr);
  LookupResult result;
  if (name.empty()) return result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (ReferenceWord(lines[i]) != name) continue;
    result.status = LookupStatus::Found;
    result.record.line1 = ReferenceUpper(lines[i]);
    std::size_t j = i + 1;
    for (std::string* target : {&result.record.line2, &result.record.line3, &result.record.line4}) {
      while (j < lines.size() && IsReferenceComment(lines[j])) ++j;
      if (j == lines.size()) {
        result.status = LookupStatus::Incomplete;
        return result;
      }
      *target = lines[j++];
    }
    return result;
  }
  return result;
}

bool SameResult(const LookupResult& a, const LookupResult& b) {
  return a.status == b.status && a.record.line1 == b.record.line1 &&
         a.record.line2 == b.record.line2 && a.record.line3 == b.record.line3 &&
         a.record.line4 == b.record.line4;
}

// `names`, the first words of the file's lines (at most 24 more), the empty name and one name
// that no file holds.
std::set<std::string> NamesToLookUp(std::string_view bytes, std::set<std::string> names) {
  std::size_t added = 0;
  for (const std::string& line : ReferenceLines(bytes, nullptr)) {
    if (added == 24) break;
    if (names.insert(ReferenceWord(line)).second) ++added;
  }
  names.insert("");
  names.insert("NO SUCH NAME");
  return names;
}

// What the record lookup of a file read whole answers, in the literal search's terms.
LookupResult SnapshotLookup(const ThermoFile& file, const std::string& name) {
  if (!file.Readable()) return {LookupStatus::CannotOpen, {}};
  const ThermoRecord* record = file.Find(name);
  if (record == nullptr) return {};
  return {record->Complete() ? LookupStatus::Found : LookupStatus::Incomplete,
          {record->Line1Upper(), std::string(record->Line(1)), std::string(record->Line(2)),
           std::string(record->Line(3))}};
}

std::string CompareLookups(std::string_view bytes, const std::set<std::string>& names,
                           const char* version) {
  const std::string& path = Scratch().Path();
  const ThermoFile file = ThermoFile::Read(path);
  for (const std::string& name : names) {
    const LookupResult expected = LookupReference(bytes, name);
    if (!SameResult(FindSpeciesRecord(path, name), expected)) {
      return std::string("FindSpeciesRecord differs from the reference for ") + Quoted(name) +
             " in the " + version + " file";
    }
    if (!SameResult(SnapshotLookup(file, name), expected)) {
      return std::string("ThermoFile::Find differs from the reference for ") + Quoted(name) +
             " in the " + version + " file";
    }
  }
  return {};
}

}  // namespace

std::string CheckLineReader(std::string_view data) {
  Scratch().Write(data);
  std::vector<std::size_t> starts;
  const std::vector<std::string> expected = ReferenceLines(data, &starts);
  LineReader reader;
  if (!reader.Open(Scratch().Path())) return "cannot open: " + reader.ErrorText();
  std::string line;
  std::size_t count = 0;
  while (reader.Next(line)) {
    if (count >= expected.size()) return "an extra line " + Quoted(line);
    if (line != expected[count]) return "line " + std::to_string(count) + " is " + Quoted(line);
    if (reader.LineStart() != starts[count]) {
      return "line " + std::to_string(count) + " starts at " + std::to_string(reader.LineStart());
    }
    ++count;
  }
  if (reader.Failed()) return "read failure: " + reader.ErrorText();
  if (count != expected.size()) return "only " + std::to_string(count) + " lines";
  return CheckSeeks(reader, expected, starts);
}

std::string CheckNameScan(std::string_view data) {
  Scratch().Write(data);
  std::vector<std::string> names;
  const ScanResult scan =
      ListSpeciesNames(Scratch().Path(), [&names](std::string name) { names.push_back(name); });
  const ReferenceScan expected = ScanReference(data);
  if (scan.end != expected.end) return "the scan ends as " + std::to_string(int(scan.end));
  if (names != expected.names) {
    return "the scan yields " + std::to_string(names.size()) + " names, the reference " +
           std::to_string(expected.names.size());
  }
  if (scan.Succeeded() != scan.problem.empty()) return "a problem text that does not fit the end";
  return {};
}

std::string CheckRecordLookup(std::string_view data) {
  const std::size_t separator = data.find("@@@@");
  const std::string_view first = data.substr(0, separator);
  const std::string_view second =
      separator == std::string_view::npos ? std::string_view() : data.substr(separator + 4);
  const std::set<std::string> names = NamesToLookUp(first, {});

  Scratch().Write(first);
  std::string problem = CompareLookups(first, names, "first");
  if (!problem.empty() || separator == std::string_view::npos) return problem;

  // The file rewritten under the same path, looked up with the first version's names too.
  Scratch().Write(second);
  return CompareLookups(second, NamesToLookUp(second, names), "rewritten");
}

}  // namespace tabulon::fuzz
