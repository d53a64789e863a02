// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon::gui {

class MainWindow;

// Adds the buttons of the database tools to the main window: Check in each database frame
// (opens the findings of that database) and Differences in the comparison frame (opens the
// Differences view of the pair). They are views of no model control: each opens a window of
// its own, which works on the database files directly.
void AddDatabaseTools(MainWindow& window);

}  // namespace tabulon::gui
