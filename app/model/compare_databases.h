// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tabulon {

class MainWindowModel;

// The name under which the comparison reports a silent failure.
inline constexpr std::string_view kCompareCommand = "Compare";
// msglbl1 once Comp.txt has been written in full.
inline constexpr std::string_view kCompReportDone = "Output copied to: Comp.txt";

// How a report command (Compare, Compare Common Species) ended.
enum class ReportRun {
  NotRun,    // nothing to compare: a database not loaded, or no common species
  Complete,  // the report was written in full
  Stopped,   // it ended early: a message, the status line or a silent failure says why
};

// CMD3 "Compare": fills LOS3, LOS4 and LOS5, writes Comp.txt and checks for repeated names.
ReportRun CompareDatabases(MainWindowModel& window);

}  // namespace tabulon
