// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/model/report_outcome.h"
#include "common/failure.h"

namespace tabulon {

class MainWindowModel;

// The two reports, by the status line and message title that speak for each.
enum class ReportName { Comp, Comp2 };

// Tells the user that a run ended early, whatever the failure: an error message titled
// "Compare" (Comp.txt) or "Compare Common Species" (Comp2.txt) with the failure's description,
// "TABULON has detected a problem.", "<file> was not written completely:" and "<path>:
// <reason>"; then msglbl1 or msglbl2 reads "<file> not written completely". The reason of a
// file failure is its own words ("Permission denied"); of another failure its description
// with its detail ("Overflow (number beyond the double range)"). When the report's file itself
// was refused (`file_refused`: its folder or the disk), a last line says how to choose another
// folder for the reports.
ReportOutcome ShowReportNotWritten(MainWindowModel& window, ReportName report,
                                   const std::string& path, const Failure& failure,
                                   bool file_refused);

// Sets the status line to "<file> not written completely" after a failure that has a message
// of its own (a repeated name).
ReportOutcome ReportNotWrittenAfter(MainWindowModel& window, ReportName report,
                                    const Failure& failure);

}  // namespace tabulon
