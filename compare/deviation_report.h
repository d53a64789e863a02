// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>

#include "compare/deviation_scan.h"

namespace tabulon {

// Header "name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t", then the rows as given
// (the scan gives them in byte order of the names); numbers in their shortest exact text; a
// row without a deviation has its name and empty cells.
void WriteDeviationsCsv(std::ostream& out, std::span<const DeviationRow> rows);

// A table for people, largest Cp difference first (rows without a deviation last), values to
// four significant digits, with the units in the header.
void WriteDeviationsTable(std::ostream& out, std::span<const DeviationRow> rows);

}  // namespace tabulon
