// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace tabulon {

// One set of seven NASA polynomial coefficients a1 to a7 (index 0 to 6): the high set of a
// record, valid from its common temperature to its high limit, or the low set a'1 to a'7, valid
// from its low limit to the common temperature.
using CoefficientSet = std::array<double, 7>;

}  // namespace tabulon
