// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "app/model/report_outcome.h"

namespace tabulon {

class MainWindowModel;

// The name under which the property report reports a silent failure.
inline constexpr std::string_view kPropertyReportCommand = "Compare Common Species";
// msglbl2 once Comp2.txt has been written in full.
inline constexpr std::string_view kPropertyReportDone = "Output copied to: Comp2.txt";

// CMD4: writes Comp2.txt with Cp, H and S of every common species at the three temperatures
// (RunPropertyReport), then shows what the run did: its messages in order, and both detail
// views as the run left them (the last species reached at the last temperature).
// A run that ends early shows THERMIMG and says so in msglbl2: "Comp2.txt stops at CH4
// (T = 4000 K)" when a species line cannot be made (a division by zero also has its message);
// after an error message, "Comp2.txt not written completely" for any other failure (the file
// cannot be created or written, a temperature beyond the double range).
ReportOutcome WritePropertyReport(MainWindowModel& window);

}  // namespace tabulon
