// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon {

class MainWindowModel;

// Empties both detail views before a comparison shows species in them: the temperature fields
// and result boxes (an emptied temperature field runs its change reaction), the six second
// boxes hidden, the limit labels Lbl8 to Lbl13 and the coefficient boxes PropTxt(0) to (27).
void ClearDetailViews(MainWindowModel& window);

// Empties the coefficient boxes PropTxt(0) to PropTxt(27).
void ClearCoefficientBoxes(MainWindowModel& window);

// Empties the captions of the limit labels Lbl8 to Lbl13.
void ClearLimitLabels(MainWindowModel& window);

}  // namespace tabulon
