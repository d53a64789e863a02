// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon {

class VivuveRava;

// Empties both detail views before a comparison shows species in them: the temperature fields
// and result boxes (an emptied temperature field runs its change reaction), the six second
// boxes hidden, the limit labels Lbl8 to Lbl13 and the coefficient boxes PropTxt(0) to (27).
void ClearDetailViews(VivuveRava& window);

// Empties the coefficient boxes PropTxt(0) to PropTxt(27).
void ClearCoefficientBoxes(VivuveRava& window);

// Empties the captions of the limit labels Lbl8 to Lbl13.
void ClearLimitLabels(VivuveRava& window);

}  // namespace tabulon
