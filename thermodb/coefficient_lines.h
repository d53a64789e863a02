// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "thermodb/coefficient_set.h"

namespace tabulon {

// Record lines 2 to 4 in the standard layout, as the writer puts them into a changed record:
// five fields "%15.8E" per line (a1..a5 of the high set; its a6, a7 and the low set's a1..a3;
// the low set's a4..a7 and the Hf/R field), blanks in columns 76 to 79 and the line number 2,
// 3 or 4 in column 80.

inline constexpr std::size_t kCoefficientFieldWidth = 15;

// The field "%15.8E" of x (negative zero as zero), whatever the locale; none when x is not
// finite or its text needs more than 15 columns (a negative value of magnitude below 1e-99 or
// from 1e100 on: "-1.00000000E+100").
std::optional<std::string> CoefficientField15(double x);

// The number the reader gets back from CoefficientField15(x): x rounded to nine significant
// digits. A repair computes its costs and jump measures from these, so that they describe the
// record as written.
double WrittenCoefficient(double x);

// The three lines, each without a line end. `hf_field` is the text of columns 61 to 75 of
// line 4 (cut or padded with blanks to 15 columns). None when a coefficient cannot be written.
std::optional<std::array<std::string, 3>> StandardCoefficientLines(const CoefficientSet& high,
                                                                   const CoefficientSet& low,
                                                                   std::string_view hf_field);

// Columns 61 to 75 of record line 4 as they stand (fewer on a short line): the Hf/R field
// text that a change keeping H(298.15 K) carries over.
std::string_view HfFieldText(std::string_view line4);

}  // namespace tabulon
