// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/species_selection.h"

#include "app/qt/main_window.h"
#include "app/qt/species_filter_bar.h"
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
  window.Additions().Filter(db).RevealSelection();
}

}  // namespace tabulon::gui
