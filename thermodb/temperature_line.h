// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabulon {

// The three temperature limits of a record, as NumberText texts (" 200", " 3500", " 1000").
struct TemperatureLimits {
  std::string mid;   // T common, where the two coefficient sets meet
  std::string high;  // T high
  std::string low;   // T low
  // T common is the file's default (its columns were blank), not a number of the line.
  bool mid_from_default = false;

  friend bool operator==(const TemperatureLimits&, const TemperatureLimits&) = default;
};

// The three limits as numbers; none where the token's number lies beyond the double range.
struct TemperatureLimitValues {
  std::optional<double> mid, high, low;
  bool mid_from_default = false;  // T common is the file's default
};

// Record line 1 without its comment: from the first blank followed by "!" to the end, the line
// is a note for people ("1000.        1 !same as 14cyclo"); nothing of it is read.
std::string_view WithoutComment(std::string_view line);

// The file's default common temperature: the second number of the default line, which stands
// first after the header line (blank lines and "!" lines skipped) and holds exactly three
// numbers ("   300.000  1000.000  5000.000"). Empty for any other line.
std::optional<double> DefaultCommonTemperature(std::string_view line);

// The limits as a fixed-column reader takes them from record line 1 (comment left out):
// T low from columns 46-55, T high from 56-65, T common from 66-73, each a whole number with
// blanks around it (empty when it is not). Blank columns 66-73 take `default_mid`.
struct ColumnLimits {
  std::optional<double> low, high, mid;
  bool mid_blank = false;  // columns 66-73 blank (or past the line's end)
};
ColumnLimits ReadLimitColumns(std::string_view line, std::optional<double> default_mid);

// Reads the limits from record line 1 (as it stands or upper-cased: the same numbers). The
// comment is left out first (WithoutComment). When columns 66-73 are blank, columns 46-55 and
// 56-65 each hold a number, the last token is the line-number tail and the file has a default
// common temperature (`default_mid`), those columns and the default are the limits. Otherwise
// the line is cut into tokens at runs of blanks; a last token that is the line-number tail
// (IsLineNumberTail: "1", a digit and "1", or a record counter such as "101" ending in column
// 80) is dropped whole (with a lone "0" token before a "1", the empty element count of
// "1000.00    0 1"); then the last three tokens are T common, T high and T low, from the end,
// each read with LeadingNumber. The tokens before them (name, date, elements, phase) are never
// read. A missing token reads as 0; a token whose number lies beyond the double range gives
// none. Either way the temperature check then refuses the species.
TemperatureLimitValues ReadTemperatureLimits(std::string_view line,
                                             std::optional<double> default_mid = std::nullopt);
// The same limits as the detail view's texts: NumberText of each, the empty text for none.
TemperatureLimits ParseTemperatureLine(std::string_view line,
                                       std::optional<double> default_mid = std::nullopt);
// The text of one limit value.
std::string LimitText(const std::optional<double>& value);

// The temperature check of the detail view: every limit must read as a number other than 0.
// The order of the limits is not checked.
bool TemperaturesAccepted(const std::string& low, const std::string& mid, const std::string& high);

}  // namespace tabulon
