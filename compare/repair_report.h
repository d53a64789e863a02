// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "compare/record_repair.h"

namespace tabulon {

// A repair plan as text for people and for programs. Costs are in cal/mol/K (Cp, S) and
// kcal/mol (H), the window's units.

// One row per record considered: LINE<TAB>NAME<TAB>ACTION<TAB>detail, the detail giving the
// largest changes and the jump measures after the repair, or why it was refused or skipped.
void WriteRepairsText(std::ostream& out, std::span<const RecordRepair> repairs);

// Header "line,name,action,dcp_max,dh_max,ds_max", then one row per record considered; the
// numbers in their shortest exact text, empty for a skipped record.
void WriteRepairsCsv(std::ostream& out, std::span<const RecordRepair> repairs);

// The detail of the text rows, also shown by the window.
std::string RepairDetail(const RecordRepair& repair);

}  // namespace tabulon
