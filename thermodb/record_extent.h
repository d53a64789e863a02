// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "thermodb/thermo_record.h"
#include "thermodb/thermo_text.h"

namespace tabulon {

// The lines of a file that belong to one record: line 1, then lines 2 to 4 as far as they are
// its own, with the comment lines that stand among them. As the record lookup does, lines 2 to
// 4 are the next lines that are not comment lines; a line is the record's own unless it is an
// END line or a line that begins a record (the record before it was cut short).
struct RecordExtent {
  std::size_t first = 0;  // index of line 1 (from 0)
  std::size_t last = 0;   // index of the last line that belongs to the record
  int own_lines = 1;      // line 1 and its own lines 2.., at most 4
  std::array<std::size_t, 3> coefficient_lines{};  // indices of lines 2 to own_lines
};

RecordExtent ExtentOf(const ThermoText& text, std::size_t first);

// How many of a parsed record's lines are its own, by the same rule (4 for a whole record).
int OwnLineCount(const ThermoRecord& record);

}  // namespace tabulon
