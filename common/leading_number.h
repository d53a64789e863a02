// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tabulon {

// The number that a text begins with, read the way every temperature, limit and coefficient
// text of the tool is read:
//  - blanks, tabs and line feeds are ignored wherever they stand ("1 000" is 1000);
//  - then an optional sign, digits with "." as the only decimal separator, and an optional
//    exponent: E, e, D or d, an optional sign and at least one digit ("1.5D-05"; "300K" is 300,
//    "1E" is 1, the exponent letter counting only when digits follow it);
//  - at the start only, "&H" or "&O" read an unsigned hexadecimal or octal integer;
//  - a text without a leading number gives 0.
// A value beyond the double range throws Failure(Overflow).
double LeadingNumber(std::string_view text);

// The strict reading: the whole text, blanks around it allowed, must be one decimal number of
// the syntax above (no "&H"/"&O", nothing ignored inside it). Empty when it is not; a value
// beyond the double range is also empty here, since callers treat both the same way.
std::optional<double> StrictNumber(std::string_view text);

// `digits` x 10^`power`, negated when `negative`, when that is one correctly rounded operation on
// exact doubles: `digits` below 2^53 and `power` from -22 to 22 (every such power of ten is a
// double). It is then the value a correctly rounded reading of the decimal text gives, so a
// reader that has the digits as an integer skips the general conversion. None otherwise.
// Inline: the readers call it for every field of a file.
inline std::optional<double> ExactDecimal(std::uint64_t digits, int power, bool negative) {
  static constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int kMostExactPower = 22;
  constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
  if (digits > kExactIntegers || power < -kMostExactPower || power > kMostExactPower) {
    return std::nullopt;
  }
  // Both operands are exact, so the one rounding of the product or quotient gives the nearest
  // double.
  const double mantissa = static_cast<double>(digits);
  const double value =
      power >= 0 ? mantissa * kExactPowersOfTen[power] : mantissa / kExactPowersOfTen[-power];
  return negative ? -value : value;
}

// Whether the whole text, with no blanks around it, has the syntax of one decimal number:
// optional sign, digits with at most one period, optional exponent ("300.000", "-1.5D-05",
// "1E999"; not "1C5H11OH", "2-C4H8").
bool IsNumberText(std::string_view text);

}  // namespace tabulon
