// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tabulon {

// The four lines of one species record: line 1 upper-cased, lines 2 to 4 as they stand in the
// file (the comment lines between them left out).
struct SpeciesRecord {
  std::string line1;
  std::string line2;
  std::string line3;
  std::string line4;
};

enum class LookupStatus {
  Found,       // all four lines
  NotFound,    // no line whose first word is the name (an empty name is never found)
  Incomplete,  // line 1 matched but the file ended before line 4; record.line1 is set and any
               // later lines that were read
  CannotOpen,  // the file cannot be opened or read (missing, a directory, not a regular file)
};

struct LookupResult {
  LookupResult() = default;
  LookupResult(LookupStatus status, SpeciesRecord record = {},
               std::optional<double> file_default_mid = std::nullopt)
      : status(status), record(std::move(record)), file_default_mid(file_default_mid) {}

  LookupStatus status = LookupStatus::NotFound;
  SpeciesRecord record;
  // The file's default common temperature (DefaultLineSearch), which a blank common temperature
  // of the record takes; empty when the file has none.
  std::optional<double> file_default_mid = std::nullopt;
};

// Searches the file from its first line for the first line whose first word (the text before
// its first blank, upper-cased) equals `name`, and returns that record. The header is not
// looked for: the preamble and lines after the end line are searched too. The file's default
// common temperature comes with the record.
LookupResult FindSpeciesRecord(const std::string& path, std::string_view name);

}  // namespace tabulon
