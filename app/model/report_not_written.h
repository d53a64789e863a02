// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "common/failure.h"

namespace tabulon {

class MainWindowModel;

// Tells the user that a report was not written completely: an error message titled `title`
// ("Compare", "Compare Common Species") with the failure's description, "TABULON has detected a
// problem.", "<file_name> was not written completely:" and "<path>: <reason>"; then the status
// label reads "<file_name> not written completely". The reason of a file failure is its own
// words ("Permission denied"); of another failure its description with its detail.
void ShowReportNotWritten(MainWindowModel& window, std::string_view title,
                          std::string_view file_name, const std::string& path,
                          const Failure& failure);

}  // namespace tabulon
