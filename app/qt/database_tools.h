// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/database_side.h"

class QPushButton;

namespace tabulon::gui {

class MainWindow;

// The buttons of the database tools: Check in each database frame (opens the findings of that
// database) and Differences in the comparison frame (opens the Differences view of the pair).
// They are views of no model control: each opens a window of its own, which works on the
// database files directly.
struct DatabaseTools {
  QPushButton* check1 = nullptr;
  QPushButton* check2 = nullptr;
  QPushButton* differences = nullptr;

  QPushButton& Check(Db db) const { return *(db == Db::One ? check1 : check2); }
};

// Adds the buttons of the database tools to the main window.
DatabaseTools AddDatabaseTools(MainWindow& window);

}  // namespace tabulon::gui
