// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "thermodb/file_snapshot.h"
#include "thermodb/name_scan.h"
#include "thermodb/thermo_record.h"
#include "thermodb/thermo_text.h"

namespace tabulon {

// The name scan of ListSpeciesNames over lines held in memory: hands the index of every species
// line of the body to `on_species_line`, in file order, and ends as the scan ends (the same
// outcome and words). An exception thrown by `on_species_line` ends the scan and propagates.
ScanResult ScanSpeciesLines(const ThermoText& text,
                            const std::function<void(std::size_t index)>& on_species_line);

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

  const std::string& Path() const { return text_.Snapshot().Path(); }
  // How the scan ended, exactly as ListSpeciesNames would say for these bytes: EndLine on
  // success, or why not (CannotOpen and CannotRead when the bytes could not be read).
  const ScanResult& Outcome() const { return outcome_; }
  // Whether the bytes could be read at all; lookups find nothing otherwise.
  bool Readable() const { return text_.Snapshot().Readable(); }
  const FileSnapshot& Snapshot() const { return text_.Snapshot(); }
  // The lines and the plain record lookup over the same bytes.
  const ThermoText& Text() const { return text_; }

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
  // What Find gives for each of `names`, in their order. Lookups in a large file wait for memory
  // (the index slot, the record); these ask for the memory of many names at once.
  std::vector<const ThermoRecord*> FindAll(std::span<const std::string> names) const;
  // Builds the index the lookups use, which the first lookup builds otherwise: a reader on a
  // thread of its own does it there, off the thread that will look names up.
  void BuildNameIndex() const;

  // The file's default common temperature, which blank common temperatures take
  // (DefaultLineSearch); empty when the file has none.
  std::optional<double> DefaultMid() const { return text_.DefaultMid(); }

  // The number of lines of the file.
  std::size_t LineCount() const { return text_.LineCount(); }

 private:
  struct NameLookup;
  struct ExtraRecords;

  // Find, with the name's hash (NameIndex::HashOf) already known and the index built.
  const ThermoRecord* FindHashed(std::string_view name, std::uint32_t hash) const;
  // The record whose line 1 is line `index` (from 0) of the file.
  ThermoRecord RecordAt(std::size_t index) const;

  ThermoText text_;
  ScanResult outcome_;
  std::vector<std::uint32_t> species_lines_;  // the line index of each of records_, rising
  std::vector<ThermoRecord> records_;
  // Built at the first Find, so a reader that only scans pays nothing for it.
  std::unique_ptr<NameLookup> names_;
  std::unique_ptr<ExtraRecords> extra_;
};

}  // namespace tabulon
