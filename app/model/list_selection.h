// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon {

class MainWindowModel;

// Clicks in the comparison lists: LOS3 shows a common species in both detail views and marks
// the DB #1 coefficients that differ; LOS4 and LOS5 show a species in its own database's view.
void SelectCommon(MainWindowModel& window);
void SelectOnly1(MainWindowModel& window);
void SelectOnly2(MainWindowModel& window);

}  // namespace tabulon
