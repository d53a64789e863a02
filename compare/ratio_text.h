// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// The ratio column of the property report for two result texts (Cp1 and Cp2, H1 and H2, S1 and
// S2): |value of dividend / value of divisor| rounded to two decimals, written as NumberText
// (" 1", " 1.05", " .95", " 0").
// Each text must be a number as a whole, blanks around it allowed: otherwise
// Failure(NotANumber), the dividend tested first. A zero divisor is Failure(DivisionByZero)
// under a non-zero dividend and Failure(Overflow) under a zero one; a quotient beyond the
// double range is Failure(Overflow).
std::string RatioText(std::string_view dividend, std::string_view divisor);

}  // namespace tabulon
