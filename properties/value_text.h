// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tabulon {

// The display text of a computed Cp, H or S: x rounded to four significant digits through the
// picture "0.000E+00" (C "%.3E", correctly rounded), read back, and written as NumberText.
// 29.13452 -> " 29.13", -57.8149 -> "-57.81", 29.99996 -> " 30", 0.012834 -> " .01283".
// Two values have the same text exactly when they agree to four significant digits.
// Throws Failure(Overflow) when x rounds to a value beyond the double range (|x| from
// 1.7975E+308 on), as that text cannot be read back.
std::string ValueText(double x);

}  // namespace tabulon
