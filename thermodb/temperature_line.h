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

  friend bool operator==(const TemperatureLimits&, const TemperatureLimits&) = default;
};

// The three limits as numbers; none where the token's number lies beyond the double range.
struct TemperatureLimitValues {
  std::optional<double> mid, high, low;
};

// Reads the limits from record line 1 (as it stands or upper-cased: the same numbers): the line is
// cut into tokens at runs of blanks; a last token that is the line-number tail (IsLineNumberTail:
// "1", a digit and "1", or a record counter such as "101" ending in column 80) is dropped whole
// (with a lone "0" token before a "1", the empty element count of "1000.00    0 1"); then the last
// three tokens are T common, T high and T low, from the end, each read with LeadingNumber. The
// tokens before them (name, date, elements, phase) are never read. A missing token reads as 0; a
// token whose number lies beyond the double range gives none. Either way the temperature check then
// refuses the species.
TemperatureLimitValues ReadTemperatureLimits(std::string_view line);
// The same limits as the detail view's texts: NumberText of each, the empty text for none.
TemperatureLimits ParseTemperatureLine(std::string_view line);
// The text of one limit value.
std::string LimitText(const std::optional<double>& value);

// The temperature check of the detail view: every limit must read as a number other than 0.
// The order of the limits is not checked.
bool TemperaturesAccepted(const std::string& low, const std::string& mid, const std::string& high);

}  // namespace tabulon
