// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "thermodb/file_snapshot.h"
#include "thermodb/name_scan.h"
#include "thermodb/text_lines.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// A whole database read once (one read of the bytes, validated by size, modification and
// status-change time: FileSnapshot), with its records parsed. It answers what the name scan
// and the record lookup answer, from those bytes: the names in the order the scan yields them,
// and for a name the record the window's lookup would show. It holds the bytes until it is
// destroyed, so one command that keeps a ThermoFile reads its file exactly once.
class ThermoFile {
 public:
  ThermoFile();
  ~ThermoFile();
  ThermoFile(ThermoFile&&) noexcept;
  ThermoFile& operator=(ThermoFile&&) noexcept;

  // Reads and scans the file. Never throws for bad content: the outcome says what happened.
  static ThermoFile Read(const std::string& path);
  // Scans bytes already read (a snapshot taken by the caller, or bytes held in memory).
  static ThermoFile Of(FileSnapshot snapshot);

  const std::string& Path() const { return snapshot_.Path(); }
  // How the scan ended, exactly as ListSpeciesNames would say for these bytes: EndLine on
  // success, or why not (CannotOpen and CannotRead when the bytes could not be read).
  const ScanResult& Outcome() const { return outcome_; }
  // Whether the bytes could be read at all; lookups find nothing otherwise.
  bool Readable() const { return snapshot_.Readable(); }
  const FileSnapshot& Snapshot() const { return snapshot_; }

  // Every species line the scan recognises, in file order, repeats included, each with its next
  // three lines that are not comment lines. After a failed scan: the records found before it.
  std::span<const ThermoRecord> Records() const { return records_; }
  // The names in scan order (repeats and empty names included).
  std::vector<std::string> Names() const;

  // The record the window's lookup would show for `name`: the one whose line 1 is the first line
  // of the file (preamble and lines after the end line included) whose first word is `name`.
  // Null when there is none; the empty name, and a name holding a-z (the word is upper-cased),
  // are never found. A record cut short by the end of the file is returned with line_count < 4.
  // The result stays valid as long as this ThermoFile.
  const ThermoRecord* Find(std::string_view name) const;

  // The number of lines of the file.
  std::size_t LineCount() const { return lines_.size(); }

 private:
  struct LookupIndex;

  void Scan();
  // The record whose line 1 is line `index` (from 0) of the file.
  ThermoRecord RecordAt(std::size_t index) const;

  FileSnapshot snapshot_;
  std::vector<LineSpan> lines_;
  ScanResult outcome_;
  std::vector<ThermoRecord> records_;
  // Built at the first Find, so a reader of Records() alone pays nothing for it.
  std::unique_ptr<LookupIndex> lookup_;
};

}  // namespace tabulon
