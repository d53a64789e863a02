// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// The text of a coefficient field (blanks removed, as CoefficientField of thermodb/ cuts it)
// as the coefficient boxes show it: in the picture "0.00000000E+00" (C "%.8E"; negative zero
// as 0.00000000E+00) when the field is wholly a number (optional sign, digits with at most one
// period, optional exponent E, e, D or d with digits), so "1.23456789D-05" shows as
// "1.23456789E-05". An empty field gives the empty text; any other text, and a number beyond
// the double range, is shown unchanged.
std::string CoefficientText(std::string_view field);

}  // namespace tabulon
