// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/record_lookup.h"

#include "common/ascii_text.h"
#include "thermodb/default_line.h"
#include "thermodb/line_reader.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

// The default common temperature of the file open in `reader`, read from its first line on
// (DefaultLineSearch) up to the default line; the reader then stands after it.
std::optional<double> ReadDefaultMid(LineReader& reader) {
  DefaultLineSearch search;
  std::string line;
  while (reader.Next(line)) {
    if (search.Take(line)) break;
  }
  return search.Default();
}

// Reads record lines 2 to 4 after line 1 has matched, each the next line that is not a comment
// line.
LookupResult ReadRecordAfterLine1(LineReader& reader, std::string line1_upper) {
  LookupResult result{LookupStatus::Found, {}};
  SpeciesRecord& record = result.record;
  record.line1 = std::move(line1_upper);
  for (std::string* target : {&record.line2, &record.line3, &record.line4}) {
    std::string line;
    do {
      if (!reader.Next(line)) {
        result.status = reader.Failed() ? LookupStatus::CannotOpen : LookupStatus::Incomplete;
        return result;
      }
    } while (IsCommentLine(line));
    *target = std::move(line);
  }
  return result;
}

}  // namespace

LookupResult FindSpeciesRecord(const std::string& path, std::string_view name) {
  LineReader reader;
  if (!reader.Open(path)) return {LookupStatus::CannotOpen, {}};
  // Every line without a first word has the empty word, which never matches.
  if (name.empty()) return {LookupStatus::NotFound, {}};
  const std::optional<double> default_mid = ReadDefaultMid(reader);
  if (reader.Failed() || !reader.SeekTo(0)) return {LookupStatus::CannotOpen, {}};
  std::string line;
  while (reader.Next(line)) {
    if (RecordWord(line) == name) {
      LookupResult result = ReadRecordAfterLine1(reader, UpperAscii(line));
      result.file_default_mid = default_mid;
      return result;
    }
  }
  return {reader.Failed() ? LookupStatus::CannotOpen : LookupStatus::NotFound, {}};
}

}  // namespace tabulon
