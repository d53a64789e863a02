// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_text.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

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

struct UpperHash {
  std::size_t operator()(std::string_view word) const {
    std::size_t hash = 1469598103934665603ull;  // FNV-1a
    for (char c : word) {
      hash ^= static_cast<unsigned char>(UpperAscii(c));
      hash *= 1099511628211ull;
    }
    return hash;
  }
};

struct UpperEqual {
  bool operator()(std::string_view a, std::string_view b) const {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return UpperAscii(x) == UpperAscii(y);
           });
  }
};

bool HoldsLowerCase(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

}  // namespace

struct ThermoText::WordIndex {
  std::once_flag built;
  std::unordered_map<std::string_view, std::uint32_t, UpperHash, UpperEqual> first_line_of;
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

LookupResult ThermoText::Find(std::string_view name, std::size_t* line_index) const {
  if (!snapshot_.Readable()) return {LookupStatus::CannotOpen, {}};
  if (name.empty() || HoldsLowerCase(name)) return {LookupStatus::NotFound, {}};
  std::call_once(words_->built, [this] {
    auto& first_line_of = words_->first_line_of;
    first_line_of.reserve(lines_.size());
    for (std::uint32_t i = 0; i < lines_.size(); ++i) {
      const std::string_view word = RawWord(Line(i));
      if (!word.empty()) first_line_of.try_emplace(word, i);
    }
  });
  const auto hit = words_->first_line_of.find(name);
  if (hit == words_->first_line_of.end()) return {LookupStatus::NotFound, {}};
  if (line_index != nullptr) *line_index = hit->second;
  std::array<LineSpan, 4> lines;
  const int count = RecordLinesAt(hit->second, lines);
  const std::string_view bytes = snapshot_.Bytes();
  auto text = [&](int k) {
    return k < count ? std::string(lines[static_cast<std::size_t>(k)].In(bytes)) : std::string();
  };
  return {count == 4 ? LookupStatus::Found : LookupStatus::Incomplete,
          {UpperAscii(text(0)), text(1), text(2), text(3)},
          default_mid_,
          static_cast<int>(hit->second) + 1};
}

}  // namespace tabulon
