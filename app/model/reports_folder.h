// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/common_value.h"

namespace tabulon {

class MainWindowModel;

// The folder Comp.txt and Comp2.txt are written to, with its trailing separator: the one the
// user chose, or, by default, DB #1's folder.
std::string ReportsFolder(const CommonValue& common);

// Chooses the folder the reports go to (a trailing separator is added when missing); the empty
// path goes back to DB #1's folder. The choice holds until the next one, whatever is loaded.
void ChooseReportsFolder(MainWindowModel& window, std::string folder);

// Asks for the folder of the reports with the folder dialog, starting in the present one; true
// when the user chose one (which then holds), false when the dialog was cancelled.
bool AskForReportsFolder(MainWindowModel& window);

}  // namespace tabulon
