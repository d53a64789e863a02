// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_launcher.h"

#include <QMessageBox>

#include "app/model/main_window_model.h"
#include "app/qt/plot/plot_window.h"
#include "app/qt/plot/property_table_window.h"

namespace tabulon::gui {
namespace {

// The species in the database as the window holds it: the load's read while the file is
// unchanged.
DatabaseSpecies Side(MainWindowModel& model, Db db, const std::string& name) {
  const std::string& path = db == Db::One ? model.common.DB1Path : model.common.DB2Path;
  return {db == Db::One ? 1 : 2, SpeciesSourceOf(*model.databases.Current(db, path), name)};
}

bool Ready(QWidget* owner, const std::vector<DatabaseSpecies>& sides, const QString& what) {
  if (sides.empty()) {
    QMessageBox::information(owner, what, QStringLiteral("Select a species first."));
    return false;
  }
  bool usable = false;
  for (const DatabaseSpecies& side : sides) usable = usable || side.source.Usable();
  if (!usable) {
    QMessageBox::information(owner, what,
                             QStringLiteral("Nothing to show:\n%1").arg(SideProblems(sides)));
  }
  return usable;
}

}  // namespace

std::vector<DatabaseSpecies> SelectedInList(MainWindowModel& model, const ListBox& list) {
  // The model's selection, not the row's text: a row shows at most the start of a very long
  // name.
  const std::string name = list.SelectedText();
  if (name.empty()) return {};
  const CommonValue& common = model.common;
  const bool db1 = &list == &model.LOS1 || &list == &model.LOS3 || &list == &model.LOS4;
  const bool db2 = &list == &model.LOS2 || &list == &model.LOS3 || &list == &model.LOS5;
  std::vector<DatabaseSpecies> sides;
  if (db1 && common.DB1Loaded) sides.push_back(Side(model, Db::One, name));
  if (db2 && common.DB2Loaded) sides.push_back(Side(model, Db::Two, name));
  return sides;
}

std::vector<DatabaseSpecies> SelectedSpecies(MainWindowModel& model, PlotSource source) {
  switch (source) {
    case PlotSource::Db1:
      return SelectedInList(model, model.LOS1);
    case PlotSource::Db2:
      return SelectedInList(model, model.LOS2);
    case PlotSource::Common:
      return SelectedInList(model, model.LOS3);
  }
  return {};
}

QWidget* OpenPlotWindow(QWidget* owner, std::vector<DatabaseSpecies> sides) {
  if (!Ready(owner, sides, QStringLiteral("Plot"))) return nullptr;
  auto* window = new PlotWindow(std::move(sides), owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

QWidget* OpenTableWindow(QWidget* owner, std::vector<DatabaseSpecies> sides) {
  if (!Ready(owner, sides, QStringLiteral("Table"))) return nullptr;
  auto* window = new PropertyTableWindow(std::move(sides), owner);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace tabulon::gui
