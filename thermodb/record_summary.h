// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "thermodb/thermo_record.h"

namespace tabulon {

// What a record says of its species besides the name, for a caption beside it: the formula,
// the molecular weight and the phase, two blanks apart, e.g. "C1 H4  16.043 g/mol  gas".
//   formula  the pairs in the order written, one blank apart ("C1 H4"); "no composition" when
//            line 1 holds no pair
//   weight   the shortest text that reads back to the weight, then " g/mol"; "weight unknown"
//            when a symbol names no element (or none with a weight) or a count is no number
//   phase    "gas", "liquid", "solid", "condensed" for G, L, S, C; "phase X" for another
//            letter X; "no phase" when column 45 is blank
std::string RecordSummaryText(const ThermoRecord& record);

}  // namespace tabulon
