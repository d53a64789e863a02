// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tabulon {

class ReportFailure;
class MainWindowModel;

// Tells the user that a report ended early: an error message titled `title` ("Compare",
// "Compare Common Species") with the failure's description, "TABULON has detected a
// problem.", "<file_name> was not written completely:" and "<path>: <reason>"; then the
// status label reads "<file_name> not written completely".
void ShowReportNotWritten(MainWindowModel& window, std::string_view title,
                          std::string_view file_name, const ReportFailure& failure);

}  // namespace tabulon
