// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/temperature_line.h"

#include <algorithm>
#include <array>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

// Up to five tokens of a line, the most a reading here takes, held without allocating.
class Tokens {
 public:
  static constexpr std::size_t kMost = 5;

  std::size_t size() const { return size_; }
  std::string_view operator[](std::size_t k) const { return items_[k]; }
  std::string_view back() const { return items_[size_ - 1]; }
  const std::string_view* begin() const { return items_.data(); }
  const std::string_view* end() const { return items_.data() + size_; }
  void push_back(std::string_view token) { items_[size_++] = token; }
  void pop_back() { --size_; }
  void reverse() {
    std::reverse(items_.begin(), items_.begin() + static_cast<std::ptrdiff_t>(size_));
  }

 private:
  std::array<std::string_view, kMost> items_{};
  std::size_t size_ = 0;
};

// The last `most` (at most Tokens::kMost) blank-separated tokens of a line, in line order; only
// the blank (code 32) separates, a tab is an ordinary character. Taken from the end, so a line
// of millions of tokens costs no more than its length.
Tokens LastTokens(std::string_view line, std::size_t most) {
  Tokens tokens;
  std::size_t stop = line.size();  // the tokens still to take lie before this position
  while (tokens.size() < most && stop > 0) {
    const std::size_t last = line.find_last_not_of(' ', stop - 1);
    if (last == std::string_view::npos) break;
    const std::size_t blank = line.find_last_of(' ', last);
    const std::size_t first = blank == std::string_view::npos ? 0 : blank + 1;
    tokens.push_back(line.substr(first, last + 1 - first));
    stop = first;
  }
  tokens.reverse();
  return tokens;
}

std::optional<double> LimitValue(std::string_view token) {
  try {
    return LeadingNumber(token);
  } catch (const Failure&) {
    return std::nullopt;  // beyond the double range: no limit, refused by the check
  }
}

}  // namespace

std::string LimitText(const std::optional<double>& value) {
  return value ? NumberText(*value) : std::string();
}

std::string_view WithoutComment(std::string_view line) {
  // Each '!' is looked for once (a search for " !" would stop at every blank of line 1).
  for (std::size_t bang = line.find('!'); bang != std::string_view::npos;
       bang = line.find('!', bang + 1)) {
    if (bang > 0 && line[bang - 1] == ' ') return line.substr(0, bang - 1);
  }
  return line;
}

std::optional<double> DefaultCommonTemperature(std::string_view line) {
  const Tokens tokens = LastTokens(line, 4);
  if (tokens.size() != 3) return std::nullopt;
  for (std::string_view token : tokens) {
    if (!IsNumberText(token) || !StrictNumber(token)) return std::nullopt;
  }
  return StrictNumber(tokens[1]);
}

ColumnLimits ReadLimitColumns(std::string_view line, std::optional<double> default_mid) {
  line = WithoutComment(line);
  ColumnLimits read;
  read.low = StrictNumber(Columns(line, 46, 55));
  read.high = StrictNumber(Columns(line, 56, 65));
  const std::string_view mid = Columns(line, 66, 73);
  read.mid_blank = TrimBlanks(mid).empty();
  read.mid = read.mid_blank ? default_mid : StrictNumber(mid);
  return read;
}

TemperatureLimits ParseTemperatureLine(std::string_view line, std::optional<double> default_mid) {
  const TemperatureLimitValues values = ReadTemperatureLimits(line, default_mid);
  return TemperatureLimits{.mid = LimitText(values.mid),
                           .high = LimitText(values.high),
                           .low = LimitText(values.low),
                           .mid_from_default = values.mid_from_default};
}

TemperatureLimitValues ReadTemperatureLimits(std::string_view line,
                                             std::optional<double> default_mid) {
  line = WithoutComment(line);
  // At most: T low, T high, T common, the lone "0" and the line number.
  Tokens tokens = LastTokens(line, Tokens::kMost);
  // The line-number tail is dropped only when a token stands before it.
  const bool tail =
      tokens.size() >= 2 &&
      IsLineNumberTail(tokens.back(), tokens.back().data() - line.data() + tokens.back().size());

  // A blank common temperature means the file's default. Most lines hold one, so its columns
  // are looked at before the others are read.
  if (tail && default_mid && TrimBlanks(Columns(line, 66, 73)).empty()) {
    const ColumnLimits columns = ReadLimitColumns(line, default_mid);
    if (columns.mid_blank && columns.low && columns.high) {
      return TemperatureLimitValues{
          .mid = default_mid, .high = columns.high, .low = columns.low, .mid_from_default = true};
    }
  }
  if (tail) {
    const bool one = tokens.back() == "1";
    tokens.pop_back();
    // A lone 0 before the line number 1 (the empty fifth-element count of the Chemkin layout,
    // "1000.00    0 1") goes with it, so the common temperature stays the token before it.
    if (one && tokens.size() >= 2 && tokens.back() == "0") tokens.pop_back();
  }

  // Read from the end: the n-th token from the last, or the zero limit when the line is short.
  auto from_end = [&](std::size_t n) -> std::optional<double> {
    return n < tokens.size() ? LimitValue(tokens[tokens.size() - 1 - n]) : 0.0;
  };
  return TemperatureLimitValues{.mid = from_end(0), .high = from_end(1), .low = from_end(2)};
}

bool TemperaturesAccepted(const std::string& low, const std::string& mid, const std::string& high) {
  return LeadingNumber(low) != 0 && LeadingNumber(mid) != 0 && LeadingNumber(high) != 0;
}

}  // namespace tabulon
