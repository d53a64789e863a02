// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// The text in which the tool shows and writes temperature limits, counts, temperatures and
// ratios: one blank for a value that is zero or positive (the minus sign for a negative one),
// then the shortest decimal digits that read back to the same double, in plain positional form
// with no trailing zeros, no trailing point and no zero before the point: 200 -> " 200",
// 298.15 -> " 298.15", 0.95 -> " .95", -57.81 -> "-57.81". Magnitudes below 1e-4 or from 1e15
// on use an exponent instead: " 1.5E-05", " 1E+15". Negative zero is written as zero.
std::string NumberText(double x);

// The layout of NumberText for the number whose significant digits are `digits` (1 to 17, the
// first not zero, no trailing zero) times ten to the power `exponent` for the first digit:
// (false, "29815", 2) -> " 298.15", (true, "5", -2) -> "-.05".
std::string DecimalText(bool negative, std::string_view digits, int exponent);

// The shortest text that reads back to the same double, as programs read it: no leading blank,
// an exponent only where it is shorter ("0.1", "16.043", "1e-05", "-1", "inf").
std::string ShortestNumber(double x);

// The caption of a count label: "(153)", "(0)".
std::string CountCaption(int count);

}  // namespace tabulon
