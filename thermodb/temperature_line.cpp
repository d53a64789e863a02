// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/temperature_line.h"

#include <algorithm>
#include <vector>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

// The last `most` blank-separated tokens of a line, in line order; only the blank (code 32)
// separates, a tab is an ordinary character. Taken from the end, so a line of millions of
// tokens costs no more than its length.
std::vector<std::string_view> LastTokens(std::string_view line, std::size_t most) {
  std::vector<std::string_view> tokens;
  std::size_t stop = line.size();  // the tokens still to take lie before this position
  while (tokens.size() < most && stop > 0) {
    const std::size_t last = line.find_last_not_of(' ', stop - 1);
    if (last == std::string_view::npos) break;
    const std::size_t blank = line.find_last_of(' ', last);
    const std::size_t first = blank == std::string_view::npos ? 0 : blank + 1;
    tokens.push_back(line.substr(first, last + 1 - first));
    stop = first;
  }
  std::reverse(tokens.begin(), tokens.end());
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
  const std::vector<std::string_view> tokens = LastTokens(line, 4);
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
  std::vector<std::string_view> tokens = LastTokens(line, 5);
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
