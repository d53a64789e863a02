// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/name_index.h"

#include <algorithm>
#include <bit>

#include "common/ascii_text.h"

namespace tabulon {
namespace {

// Words are kept as they stand in the bytes (no copy); they compare as RecordWord would make
// them, upper-cased a-z only.
std::string_view RawWord(std::string_view line) {
  const std::size_t blank = line.find(' ');
  return blank == std::string_view::npos ? std::string_view() : line.substr(0, blank);
}

std::uint32_t UpperHash(std::string_view word) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : word) {
    hash ^= static_cast<unsigned char>(UpperAscii(c));
    hash *= 16777619u;
  }
  return hash;
}

bool UpperEqual(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return UpperAscii(x) == UpperAscii(y);
         });
}

// Whether the first word of `line` is `word` (which holds no blank), compared as UpperEqual does:
// the line starts with it and a blank follows.
bool FirstWordIs(std::string_view line, std::string_view word) {
  return line.size() > word.size() && line[word.size()] == ' ' &&
         UpperEqual(line.substr(0, word.size()), word);
}

// Asks the processor to bring the bytes of `object` into its cache, without waiting for them.
template <typename T>
void Prefetch(const T& object) {
  constexpr std::size_t kCacheLine = 64;
  const char* bytes = reinterpret_cast<const char*>(&object);
  for (std::size_t at = 0; at < sizeof(T); at += kCacheLine) __builtin_prefetch(bytes + at);
}

}  // namespace

NameIndex::Slot NameIndex::SlotOf(Entry entry, std::uint32_t hash) {
  return {hash, (entry.index + 1) * 2 + (entry.scanned ? 1 : 0)};
}

NameIndex::Entry NameIndex::EntryOf(Slot slot) {
  return {(slot.entry & 1) != 0, slot.entry / 2 - 1};
}

NameIndex::NameIndex(const ThermoText& text, std::span<const std::uint32_t> species_lines) {
  std::size_t words = 0;
  for (std::size_t i = 0; i < text.LineCount(); ++i) words += !RawWord(text.Line(i)).empty();
  slots_.assign(std::bit_ceil(2 * words + 1), Slot{});
  const std::size_t mask = slots_.size() - 1;
  auto line_of = [&species_lines](Entry entry) {
    return entry.scanned ? species_lines[entry.index] : entry.index;
  };

  std::size_t next_species = 0;  // the first of species_lines not passed yet
  for (std::uint32_t i = 0; i < text.LineCount(); ++i) {
    const bool scanned = next_species < species_lines.size() && species_lines[next_species] == i;
    const Entry entry{scanned, scanned ? static_cast<std::uint32_t>(next_species++) : i};
    const std::string_view word = RawWord(text.Line(i));
    if (word.empty()) continue;
    const std::uint32_t hash = UpperHash(word);
    for (std::size_t k = hash & mask;; k = (k + 1) & mask) {
      Slot& slot = slots_[k];
      if (slot.entry == 0) {
        slot = SlotOf(entry, hash);
        break;
      }
      // A later line of a word keeps the first.
      if (slot.hash == hash && FirstWordIs(text.Line(line_of(EntryOf(slot))), word)) break;
    }
  }
}

std::uint32_t NameIndex::HashOf(std::string_view name) {
  return UpperHash(name);
}

std::optional<NameIndex::Entry> NameIndex::Find(std::string_view name, std::uint32_t hash,
                                                const ThermoText& text,
                                                std::span<const ThermoRecord> records) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = hash & mask;; k = (k + 1) & mask) {
    const Slot& slot = slots_[k];
    if (slot.entry == 0) return std::nullopt;
    if (slot.hash != hash) continue;
    const Entry entry = EntryOf(slot);
    // A record's name is its first word upper-cased, and `name` holds no a-z: equal names are
    // equal words.
    if (entry.scanned ? records[entry.index].name == name
                      : FirstWordIs(text.Line(entry.index), name)) {
      return entry;
    }
  }
}

void NameIndex::PrefetchSlot(std::uint32_t hash) const {
  Prefetch(slots_[hash & (slots_.size() - 1)]);
}

void NameIndex::PrefetchRecord(std::uint32_t hash, std::span<const ThermoRecord> records) const {
  const Slot& slot = slots_[hash & (slots_.size() - 1)];
  if (slot.hash != hash || (slot.entry & 1) == 0) return;
  Prefetch(records[EntryOf(slot).index]);
}

}  // namespace tabulon
