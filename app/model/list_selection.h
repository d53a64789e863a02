// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon {

class VivuveRava;

// Clicks in the comparison lists: LOS3 shows a common species in both detail views and marks
// the DB #1 coefficients that differ; LOS4 and LOS5 show a species in its own database's view.
void SelectCommon(VivuveRava& window);
void SelectOnly1(VivuveRava& window);
void SelectOnly2(VivuveRava& window);

}  // namespace tabulon
