// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/model/compare_databases.h"

namespace tabulon {

class MainWindowModel;

// The name under which the property report reports a silent failure.
inline constexpr std::string_view kPropertyReportCommand = "Compare Common Species";
// msglbl2 once Comp2.txt has been written in full.
inline constexpr std::string_view kPropertyReportDone = "Output copied to: Comp2.txt";

// CMD4: writes Comp2.txt with Cp, H and S of every common species at the three temperatures.
// For each temperature and species it selects the species in LOS1 and LOS2, sets TXT1K and
// TXT2K to the temperature and reads the six result boxes, exactly as the user would.
// A run that ends early says so in msglbl2: "Comp2.txt stops at CH4 (T = 4000 K)" when a
// species line cannot be made (a division by zero also keeps its message), or, after an error
// message, "Comp2.txt not written completely" when the file cannot be created or written.
ReportRun WritePropertyReport(MainWindowModel& window);

// The text put into TXT1K and TXT2K for a report temperature: NumberText without its leading
// blank ("300", "298.15", "-5").
std::string TemperatureFieldText(double t);

}  // namespace tabulon
