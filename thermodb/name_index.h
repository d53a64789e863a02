// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "thermodb/thermo_record.h"
#include "thermodb/thermo_text.h"

namespace tabulon {

// Where the record lookup finds each name: for every first word of a file's lines (compared as
// RecordWord makes it, upper-cased a-z only), the first line it stands on, or the scanned record
// whose line 1 that is. An open-addressed table of twice as many slots as there are words (a
// power of two), probed linearly from the word's hash, eight bytes a slot: one pass to build, and
// a lookup of a scanned record's name touches its slot and the record, which the caller reads
// next anyway, not the lines or the bytes.
class NameIndex {
 public:
  // What the first line of a word is: line 1 of scanned record `index`, or line `index` (from 0)
  // of the file, which the scan did not take.
  struct Entry {
    bool scanned = false;
    std::uint32_t index = 0;
  };

  // Indexes the lines of `text`; `species_lines` are the line indexes of the scanned records, in
  // rising order.
  NameIndex(const ThermoText& text, std::span<const std::uint32_t> species_lines);

  // The hash a lookup of `name` starts from, computed once by a caller that also prefetches.
  static std::uint32_t HashOf(std::string_view name);

  // Where `name` (whose hash is `hash`) is first a first word. `name` holds no blank and no a-z,
  // and is not empty (a first word upper-cased never does); `text` and `records` are the ones
  // indexed.
  std::optional<Entry> Find(std::string_view name, std::uint32_t hash, const ThermoText& text,
                            std::span<const ThermoRecord> records) const;

  // Asks the processor to fetch the memory a Find of the name of `hash` reads first, its slot,
  // without waiting for it; so many lookups wait for memory at once instead of one after the
  // other.
  void PrefetchSlot(std::uint32_t hash) const;
  // Asks for the record the name of `hash` is likely to find (the one its first slot holds),
  // once its slot has come.
  void PrefetchRecord(std::uint32_t hash, std::span<const ThermoRecord> records) const;

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;  // 0: empty; else the entry's index + 1, doubled, plus 1 if scanned
  };

  static Slot SlotOf(Entry entry, std::uint32_t hash);
  static Entry EntryOf(Slot slot);

  std::vector<Slot> slots_;
};

}  // namespace tabulon
