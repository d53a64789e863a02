// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "properties/chart_property.h"
#include "properties/nasa7.h"
#include "properties/property_charts_svg.h"

class QChart;

namespace tabulon::gui {

class PropertyChartView;

using PlotProperty = ChartProperty;
inline constexpr std::array<PlotProperty, 4> kPlotProperties = kChartProperties;

// One species record to draw: the key that names its series ("db1"), its legend text (the
// database's file name), its colour and its two coefficient ranges; per mass, its own units
// (the gas constant over its own weight), otherwise those the charts are shown in; and the
// line style of its curves (a record before a repair is drawn dashed over the repaired one).
struct PlottedRecord {
  QString key;
  QString label;
  QColor colour;
  TwoRangeNasa7 ranges;
  std::optional<Units> units{};
  Qt::PenStyle style = Qt::SolidLine;
};

// Points per record and property when nothing else is asked for: smooth at any window size.
inline constexpr int kDefaultPointsPerCurve = 1000;

// The four charts Cp, H, S and G against T, two by two, with every record overlaid. Each
// record's sets are drawn over their own ranges, continued thinner past the join, with the
// common temperature as a dashed vertical line in the record's colour. Series are named
// "<key>:low", "<key>:high", "<key>:low-past-join", "<key>:high-past-join" and
// "<key>:common-temperature", so they can be told apart.
class PlotCharts : public QWidget {
  Q_OBJECT

 public:
  explicit PlotCharts(QWidget* parent = nullptr);

  // Replaces what the charts show.
  void ShowRecords(const std::vector<PlottedRecord>& records, const Units& units,
                   int points_per_curve = kDefaultPointsPerCurve);
  // Puts the species' name before each chart's title ("H2O: Heat capacity Cp").
  void SetSpeciesName(const QString& name);
  // Back to the whole of every curve.
  void ResetZoom();

  QChart* Chart(PlotProperty property) const;
  PropertyChartView* View(PlotProperty property) const;
  // For each chart, the part it shows while zoomed; none for a chart that shows everything.
  std::array<std::optional<ChartWindow>, 4> ZoomWindows() const;

 signals:
  void cursorMoved(tabulon::gui::PlotProperty property, QPointF value);
  void cursorLeft();

 private:
  std::array<PropertyChartView*, 4> views_{};
  std::array<QRectF, 4> full_ranges_{};  // x: T, y: value, for ResetZoom
};

// The chart title and axis title of a property in the given units.
QString PropertyTitle(PlotProperty property);
QString PropertyAxisTitle(PlotProperty property, const Units& units);
// The property's value out of the evaluation's four.
double PropertyValue(PlotProperty property, const Properties& values);

}  // namespace tabulon::gui
