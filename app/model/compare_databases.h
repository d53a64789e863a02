// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "app/model/report_outcome.h"

namespace tabulon {

class MainWindowModel;

// msglbl1 once Comp.txt has been written in full.
inline constexpr std::string_view kCompReportDone = "Output copied to: Comp.txt";

// CMD3 "Compare": fills LOS3, LOS4 and LOS5, writes Comp.txt (RunCompReport) and checks for
// repeated names. A run that ends early, whatever the failure (a repeated name the pruning
// trips on, more than 32767 common species, a report that cannot be written, a record that
// cannot be read, a number beyond the double range), says why in a message and leaves msglbl1
// at "Comp.txt not written completely".
ReportOutcome CompareDatabases(MainWindowModel& window);

}  // namespace tabulon
