// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/qt/plot/database_species.h"

class QWidget;

namespace tabulon {
class ListBox;
class MainWindowModel;
}  // namespace tabulon

namespace tabulon::gui {

enum class PlotSource { Db1, Db2, Common };

// The species selected for a plot or table: the one selected in LOS1 (Db1) or LOS2 (Db2) of
// its loaded database, or the common species selected in LOS3 in both databases (Common).
// Empty when nothing is selected there.
std::vector<DatabaseSpecies> SelectedSpecies(MainWindowModel& model, PlotSource source);
// The species selected in one of the five lists, in the databases that list belongs to (LOS1,
// LOS4: DB #1; LOS2, LOS5: DB #2; LOS3: both).
std::vector<DatabaseSpecies> SelectedInList(MainWindowModel& model, const ListBox& list);

// Opens a plot window or a property table window for the sides (non-modal, one per request,
// deleted when closed, and closed with `owner`, the main window). When no side can be
// evaluated, a message says why instead.
QWidget* OpenPlotWindow(QWidget* owner, std::vector<DatabaseSpecies> sides);
QWidget* OpenTableWindow(QWidget* owner, std::vector<DatabaseSpecies> sides);

}  // namespace tabulon::gui
