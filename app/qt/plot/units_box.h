// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/qt/plot/database_species.h"
#include "properties/nasa7.h"

class QComboBox;
class QWidget;

namespace tabulon::gui {

// The units choice of the plot and table windows, as `tabulon-batch table` offers it: per mole
// or per mass (--per-mass), the window's units or SI (--si). Entry k is si = k % 2, per mass =
// k / 2. The per-mass entries are disabled, their tooltip saying why, when a side that can be
// evaluated has no known molecular weight.
QComboBox* NewUnitsBox(const std::vector<DatabaseSpecies>& sides, QWidget* parent);
UnitChoice ChoiceOf(const QComboBox& box);
// Selects `choice`; a disabled per-mass entry is not selected (per mole then).
void SetChoice(QComboBox& box, UnitChoice choice);

// The units of each side's values in `choice`: per mass with its own weight, per mole for a
// side without one (whose per-mass entries are disabled).
std::vector<Units> SideUnits(const std::vector<DatabaseSpecies>& sides, UnitChoice choice);

}  // namespace tabulon::gui
