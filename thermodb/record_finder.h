// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "thermodb/line_reader.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_text.h"

namespace tabulon {

// Record lookups with the results of FindSpeciesRecord, made cheap for the reports that look up
// every species of a database: a per-file index of record positions, trusted only while the
// file's size and modification time are unchanged, so every lookup reflects the file as it is
// on disk.
//
// The index of a file maps each first word to the offset of the first line that carries it; it
// is built in one pass when the file is first asked about, and again whenever the file's stamp
// (device, inode, size, modification time in nanoseconds) differs from the one it was built
// from. Each hit is checked against the file (the line at the offset must still carry the
// word) before it is used. Positions only: no record is kept in memory.
//
// A command that looks up many records (a comparison) pins its files instead: each is read once
// when the pin is taken (validated by its stamp) and every lookup of the command is answered
// from those bytes until the pin ends. Single lookups (a click) keep the per-lookup check.
class RecordFinder {
 public:
  LookupResult Find(const std::string& path, std::string_view name);

  // Reads each of `paths` once and answers lookups in them from those bytes while it lives.
  class Pin {
   public:
    Pin(RecordFinder& finder, std::initializer_list<std::string> paths);
    ~Pin();
    Pin(const Pin&) = delete;
    Pin& operator=(const Pin&) = delete;

   private:
    RecordFinder& finder_;
  };
  // Takes the record positions of `names` in a file just read whole (by the loader), so that
  // the first lookup of a listed name need not read it again; they are trusted, like any
  // index, only while the file's stamp is the one of those bytes. Other names are searched in
  // the file from the top.
  void Adopt(const ThermoText& text, const std::vector<std::string>& names);

  // The bytes pinned for `path`; null when it is not pinned.
  const ThermoText* Pinned(const std::string& path) const;

 private:
  struct WordHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view word) const {
      return std::hash<std::string_view>{}(word);
    }
  };
  // Where a line starts: its byte offset and its line number, counted from 1.
  struct LinePosition {
    std::uint64_t offset = 0;
    int number = 0;
  };
  struct FileIndex {
    FileStamp stamp;
    bool partial = false;               // holds only some words: a miss is searched in the file
    std::optional<double> default_mid;  // the file's default common temperature
    std::unordered_map<std::string, LinePosition, WordHash, std::equal_to<>> first_line_of;
  };

  // Indexes the file open in `reader` under `path`; null after a read error.
  const FileIndex* BuildIndex(const std::string& path, LineReader& reader);
  // Reads the record whose line 1 should start at `at`; NotFound when it no longer does.
  static LookupResult ReadAt(LineReader& reader, LinePosition at, std::string_view name);

  std::unordered_map<std::string, FileIndex> indexes_;                   // by path
  std::unordered_map<std::string, std::unique_ptr<ThermoText>> pinned_;  // by path
};

}  // namespace tabulon
