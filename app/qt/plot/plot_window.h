// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QMainWindow>

#include "app/qt/plot/database_species.h"
#include "app/qt/plot/plot_charts.h"
#include "app/qt/plot/plot_export.h"

class QComboBox;
class QLabel;

namespace tabulon::gui {

// A window of the four property charts of one species in one or both databases: units
// (the window's or SI, per mole or per mass), zoom reset, PNG and SVG export, the property table of
// the same species, and the values under the cursor in the status bar. Holds the records it was
// opened with; a later change of the files does not change it.
class PlotWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit PlotWindow(std::vector<DatabaseSpecies> sides, QWidget* parent = nullptr);

  PlotCharts& Charts() const { return *charts_; }
  // The units chosen (units_box.h) and those of the values shown: per mass, of the first side.
  UnitChoice CurrentChoice() const;
  Units CurrentUnits() const;
  void SetUnitChoice(UnitChoice choice);
  void SetSiUnits(bool si);
  // The status bar's permanent text: the sides that could not be drawn, or the cursor's values.
  QString StatusText() const;

  // Writes the charts as they are shown: a PNG as Qt paints them, an SVG as the domain draws
  // them. Never over a database of this plot. False with the reason in `error`.
  bool ExportTo(const QString& path, PictureFormat format, QString* error);

  // The text the status bar shows for the cursor at `value` over the chart of `property`.
  QString CursorText(PlotProperty property, QPointF value) const;

 private:
  // The usable sides as the charts draw them.
  std::vector<PlottedRecord> Records() const;
  void Redraw();
  void Export(PictureFormat format);
  void OpenTable();

  std::vector<DatabaseSpecies> sides_;
  PlotCharts* charts_;
  QComboBox* units_;
  QLabel* status_;
  QString problems_;
};

}  // namespace tabulon::gui
