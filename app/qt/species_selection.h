// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/database_side.h"

namespace tabulon::gui {

class MainWindow;

// Selects `name` in the species list of `db` as a click would (its detail view runs) and shows
// the window's new state; a filter that hides the name is cleared. A name the list does not
// hold changes nothing.
void SelectSpecies(MainWindow& window, Db db, const std::string& name);

}  // namespace tabulon::gui
