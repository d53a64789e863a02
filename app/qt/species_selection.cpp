// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/species_selection.h"

#include "app/qt/main_window.h"
#include "app/qt/plot/plot_launcher.h"
#include "common/failure.h"

namespace tabulon::gui {

void SelectSpecies(MainWindow& window, Db db, const std::string& name) {
  MainWindowModel& model = window.Model();
  ListBox& list = db == Db::One ? model.LOS1 : model.LOS2;
  try {
    list.SelectByName(name);
  } catch (const Failure& failure) {
    // As for a click: a failure that escapes the reaction ends it silently.
    model.platform.NoteSilentFailure(list.Name(), failure);
  }
  window.Refresh();
}

void ShowSpeciesDifference(MainWindow& window, const std::string& name) {
  SelectSpecies(window, Db::One, name);
  SelectSpecies(window, Db::Two, name);
  std::vector<DatabaseSpecies> sides = SelectedSpecies(window.Model(), PlotSource::Db1);
  for (DatabaseSpecies& side : SelectedSpecies(window.Model(), PlotSource::Db2)) {
    sides.push_back(std::move(side));
  }
  OpenPlotWindow(&window, std::move(sides));
}

}  // namespace tabulon::gui
