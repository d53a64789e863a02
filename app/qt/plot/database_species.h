// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include <QColor>
#include <QString>

#include "properties/species_source.h"

namespace tabulon::gui {

// A species of database #1 or #2, as the plot and table windows receive it.
struct DatabaseSpecies {
  int db = 1;  // 1 or 2
  SpeciesSource source;
};

// "DB #1: therm_a.dat": a database and its file's name, as legends, columns and the titles of
// the windows made from the file show it.
QString DatabaseLabel(int db, std::string_view path);
QString SideLabel(const DatabaseSpecies& side);
// The colour of a database in every plot: DB #1 blue, DB #2 red.
QColor SideColour(int db);
// The title of a window of one species, naming the files it was made from:
// "Plot: H2O - DB #1: therm_a.dat, DB #2: therm_b.dat".
QString SpeciesWindowTitle(const QString& kind, const std::vector<DatabaseSpecies>& sides);
// The reasons, one line per side, why sides cannot be evaluated; empty when all can.
QString SideProblems(const std::vector<DatabaseSpecies>& sides);

}  // namespace tabulon::gui

namespace tabulon::gui {

// True when `path` names the database file of one of the sides (after resolving links and
// relative parts): a picture or table must never replace a database.
bool IsDatabaseOf(const QString& path, const std::vector<DatabaseSpecies>& sides);

}  // namespace tabulon::gui
