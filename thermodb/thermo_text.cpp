// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_text.h"

#include <algorithm>
#include <bit>
#include <mutex>

#include "common/ascii_text.h"
#include "thermodb/default_line.h"
#include "thermodb/thermo_format.h"

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

bool HoldsLowerCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

// The first line of each word, in an open-addressed table of twice as many slots as there are
// words (a power of two), probed linearly from the word's hash: one pass to build, a probe or two
// per lookup, and eight bytes a slot.
struct ThermoText::WordIndex {
  struct Slot {
    std::uint32_t line_plus_one = 0;  // 0: empty
    std::uint32_t hash = 0;
  };
  std::once_flag built;
  std::vector<Slot> slots;

  // The slot that holds `word` (a first word: no blank in it), or the empty slot where it
  // would go.
  Slot& SlotOf(const ThermoText& text, std::string_view word, std::uint32_t hash) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t k = hash & mask;; k = (k + 1) & mask) {
      Slot& slot = slots[k];
      if (slot.line_plus_one == 0) return slot;
      if (slot.hash == hash && FirstWordIs(text.Line(slot.line_plus_one - 1), word)) {
        return slot;
      }
    }
  }

  void Build(const ThermoText& text) {
    std::size_t words = 0;
    for (std::size_t i = 0; i < text.LineCount(); ++i) words += !RawWord(text.Line(i)).empty();
    slots.assign(std::bit_ceil(2 * words + 1), Slot{});
    for (std::uint32_t i = 0; i < text.LineCount(); ++i) {
      const std::string_view word = RawWord(text.Line(i));
      if (word.empty()) continue;
      const std::uint32_t hash = UpperHash(word);
      Slot& slot = SlotOf(text, word, hash);
      if (slot.line_plus_one == 0) slot = {i + 1, hash};  // a later line keeps the first
    }
  }
};

ThermoText::ThermoText() : words_(std::make_unique<WordIndex>()) {}
ThermoText::ThermoText(FileSnapshot snapshot)
    : snapshot_(std::move(snapshot)), words_(std::make_unique<WordIndex>()) {
  if (snapshot_.Readable()) lines_ = SplitLines(snapshot_.Bytes());
  DefaultLineSearch search;
  for (std::size_t i = 0; i < lines_.size() && !search.Take(Line(i)); ++i) {
  }
  default_mid_ = search.Default();
}
ThermoText::~ThermoText() = default;
ThermoText::ThermoText(ThermoText&&) noexcept = default;
ThermoText& ThermoText::operator=(ThermoText&&) noexcept = default;

int ThermoText::RecordLinesAt(std::size_t index, std::array<LineSpan, 4>& lines) const {
  lines = {};
  lines[0] = lines_[index];
  int count = 1;
  for (std::size_t next = index + 1; count < 4 && next < lines_.size(); ++next) {
    if (IsCommentLine(Line(next))) continue;
    lines[static_cast<std::size_t>(count++)] = lines_[next];
  }
  return count;
}

std::optional<std::size_t> ThermoText::FindLine(std::string_view name) const {
  // A first word holds no blank, so a name with one is never found.
  if (!snapshot_.Readable() || name.empty() || HoldsLowerCase(name) ||
      name.find(' ') != std::string_view::npos) {
    return std::nullopt;
  }
  std::call_once(words_->built, [this] { words_->Build(*this); });
  const WordIndex::Slot& slot = words_->SlotOf(*this, name, UpperHash(name));
  if (slot.line_plus_one == 0) return std::nullopt;
  return slot.line_plus_one - 1;
}

}  // namespace tabulon
