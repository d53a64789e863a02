// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

class MainWindowModel;

// Writes Comp.txt into DB #1's directory: the two databases with their counts, the full
// records of the species of LOS4 (from DB #1's file) and LOS5 (from DB #2's file), and for each
// species of LOS3 every coefficient whose two texts differ, as shown by the two detail views
// (each common species is selected in LOS1 and LOS2), plus the Hf/R row when Ck1 and Ck2 are
// both checked and the two values differ. A common species that a detail view does not show
// (refused, not found, cut short) is compared with that side's boxes empty. Throws
// ReportFailure when the report cannot be written, or a one-sided record cannot be read in
// full; the lines written before stay in the file.
void WriteCompReport(MainWindowModel& window);

// A coefficient text as it stands in a row: one blank in front when its value is above zero,
// so that it lines up with negative values; other texts unchanged.
std::string CoefficientInRow(std::string_view text);

}  // namespace tabulon
