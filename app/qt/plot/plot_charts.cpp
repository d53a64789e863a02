// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_charts.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QGridLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include "app/qt/plot/property_chart_view.h"
#include "properties/property_curves.h"

namespace tabulon::gui {
namespace {

constexpr qreal kRangeWidth = 2.0;
constexpr qreal kPastJoinWidth = 0.8;

const char* PartName(CurvePart part) {
  switch (part) {
    case CurvePart::LowRange:
      return "low";
    case CurvePart::HighRange:
      return "high";
    case CurvePart::LowPastJoin:
      return "low-past-join";
    case CurvePart::HighPastJoin:
      return "high-past-join";
  }
  return "";
}

int Index(PlotProperty property) {
  return static_cast<int>(property);
}

// Grows `bounds` to hold the point; an empty rectangle marks "nothing yet".
void Include(QRectF& bounds, bool& empty, double x, double y) {
  if (empty) {
    bounds = QRectF(x, y, 0, 0);
    empty = false;
    return;
  }
  bounds.setLeft(std::min(bounds.left(), x));
  bounds.setRight(std::max(bounds.right(), x));
  bounds.setTop(std::min(bounds.top(), y));
  bounds.setBottom(std::max(bounds.bottom(), y));
}

// The axes' ranges for data bounds: all of T, and the values with a margin so no curve touches
// the frame (a flat curve gets a margin of its own size, or 1).
QRectF AxisRanges(const QRectF& bounds) {
  double margin = 0.05 * bounds.height();
  if (margin == 0) margin = std::max(1.0, 0.05 * std::abs(bounds.top()));
  QRectF ranges = bounds;
  ranges.setTop(bounds.top() - margin);
  ranges.setBottom(bounds.bottom() + margin);
  if (ranges.width() == 0) ranges.adjust(-1, 0, 1, 0);
  return ranges;
}

// Ticks at round values (1, 2 or 5 times a power of ten apart, about five of them) over the
// axis's range as it stands, so a zoomed axis keeps exactly the range the user chose.
void RoundTicks(QValueAxis& axis) {
  const double span = axis.max() - axis.min();
  if (!(span > 0) || !std::isfinite(span)) return;
  const double rough = span / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double fraction = rough / magnitude;
  const double step = (fraction < 1.5 ? 1 : fraction < 3 ? 2 : fraction < 7 ? 5 : 10) * magnitude;
  axis.setTickAnchor(std::ceil(axis.min() / step) * step);
  axis.setTickInterval(step);
  axis.setTickType(QValueAxis::TicksDynamic);
}

// A value axis whose ticks stay round whatever range a zoom gives it.
QValueAxis* NewValueAxis(const QString& title, double from, double to) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setRange(from, to);
  // Round bounds for the whole curves; the ranges only grow, so every curve stays in view.
  axis->applyNiceNumbers();
  RoundTicks(*axis);
  QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis] { RoundTicks(*axis); });
  return axis;
}

}  // namespace

QString PropertyTitle(PlotProperty property) {
  const std::string_view title = ChartTitle(property);
  return QString::fromUtf8(title.data(), qsizetype(title.size()));
}

QString PropertyAxisTitle(PlotProperty property, const Units& units) {
  return QString::fromStdString(ChartAxisTitle(property, units));
}

double PropertyValue(PlotProperty property, const Properties& values) {
  return ChartValue(property, values);
}

PlotCharts::PlotCharts(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  for (PlotProperty property : kPlotProperties) {
    auto* chart = new QChart;
    chart->setTitle(PropertyTitle(property));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new PropertyChartView(chart, this);
    view->setObjectName(QStringLiteral("chart-%1").arg(Index(property)));
    views_[Index(property)] = view;
    grid->addWidget(view, Index(property) / 2, Index(property) % 2);
    connect(view, &PropertyChartView::cursorMoved, this,
            [this, property](QPointF value) { emit cursorMoved(property, value); });
    connect(view, &PropertyChartView::cursorLeft, this, &PlotCharts::cursorLeft);
  }
}

QChart* PlotCharts::Chart(PlotProperty property) const {
  return views_[Index(property)]->chart();
}

PropertyChartView* PlotCharts::View(PlotProperty property) const {
  return views_[Index(property)];
}

void PlotCharts::ShowRecords(const std::vector<PlottedRecord>& records, const Units& units,
                             int points_per_curve) {
  std::vector<RecordCurves> curves;
  curves.reserve(records.size());
  for (const PlottedRecord& record : records) {
    curves.push_back(
        SampleRecordCurves(record.ranges, record.units.value_or(units), points_per_curve));
  }

  // Qt Charts recomputes a line's whole outline whenever its points or its axes change, so
  // the axes get their final ranges first and each series its points last, once.
  for (PlotProperty property : kPlotProperties) {
    QRectF bounds;
    bool empty = true;
    std::vector<std::vector<QList<QPointF>>> points(records.size());
    for (std::size_t k = 0; k < records.size(); ++k) {
      for (const CurvePiece& piece : curves[k].pieces) {
        QList<QPointF>& line = points[k].emplace_back();
        line.reserve(static_cast<qsizetype>(piece.t.size()));
        for (std::size_t i = 0; i < piece.t.size(); ++i) {
          const double value = PropertyValue(property, piece.values[i]);
          line.append(QPointF(piece.t[i], value));
          Include(bounds, empty, piece.t[i], value);
        }
      }
    }

    QChart* chart = Chart(property);
    chart->zoomReset();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
      chart->removeAxis(axis);
      delete axis;
    }
    const QRectF ranges = empty ? QRectF(0, 0, 1, 1) : AxisRanges(bounds);
    QValueAxis* t_axis = NewValueAxis(QStringLiteral("T (K)"), ranges.left(), ranges.right());
    QValueAxis* value_axis =
        NewValueAxis(PropertyAxisTitle(property, units), ranges.top(), ranges.bottom());
    full_ranges_[Index(property)] = QRectF(QPointF(t_axis->min(), value_axis->min()),
                                           QPointF(t_axis->max(), value_axis->max()));
    chart->addAxis(t_axis, Qt::AlignBottom);
    chart->addAxis(value_axis, Qt::AlignLeft);

    auto add = [&](QLineSeries* series, const QPen& pen) {
      series->setPen(pen);
      chart->addSeries(series);
      series->attachAxis(t_axis);
      series->attachAxis(value_axis);
    };
    for (std::size_t k = 0; k < records.size(); ++k) {
      const QString prefix = records[k].key + QLatin1Char(':');
      for (std::size_t p = 0; p < curves[k].pieces.size(); ++p) {
        const CurvePart part = curves[k].pieces[p].part;
        const bool own_range = part == CurvePart::LowRange || part == CurvePart::HighRange;
        auto* series = new QLineSeries;
        series->setObjectName(prefix + PartName(part));
        // One legend entry per database: the first piece carries the file name.
        if (p == 0) series->setName(records[k].label);
        add(series,
            QPen(records[k].colour, own_range ? kRangeWidth : kPastJoinWidth, records[k].style));
        if (p > 0) {
          for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
        }
        series->replace(points[k][p]);
      }
    }

    // The common temperatures, across the whole value range.
    for (std::size_t k = 0; k < records.size(); ++k) {
      if (!curves[k].has_join) continue;
      auto* line = new QLineSeries;
      line->setObjectName(records[k].key + QStringLiteral(":common-temperature"));
      add(line, QPen(records[k].colour, 1.0, Qt::DashLine));
      for (QLegendMarker* marker : chart->legend()->markers(line)) marker->setVisible(false);
      line->append(curves[k].t_mid, value_axis->min());
      line->append(curves[k].t_mid, value_axis->max());
    }
  }
}

std::array<std::optional<ChartWindow>, 4> PlotCharts::ZoomWindows() const {
  std::array<std::optional<ChartWindow>, 4> windows;
  for (PlotProperty property : kPlotProperties) {
    QChart* chart = Chart(property);
    const auto t_axes = chart->axes(Qt::Horizontal);
    const auto value_axes = chart->axes(Qt::Vertical);
    if (t_axes.isEmpty() || value_axes.isEmpty()) continue;
    const auto* t_axis = static_cast<QValueAxis*>(t_axes.front());
    const auto* value_axis = static_cast<QValueAxis*>(value_axes.front());
    const QRectF shown(QPointF(t_axis->min(), value_axis->min()),
                       QPointF(t_axis->max(), value_axis->max()));
    if (shown == full_ranges_[Index(property)]) continue;
    windows[std::size_t(Index(property))] =
        ChartWindow{t_axis->min(), t_axis->max(), value_axis->min(), value_axis->max()};
  }
  return windows;
}

void PlotCharts::SetSpeciesName(const QString& name) {
  for (PlotProperty property : kPlotProperties) {
    Chart(property)->setTitle(name.isEmpty()
                                  ? PropertyTitle(property)
                                  : name + QStringLiteral(": ") + PropertyTitle(property));
  }
}

void PlotCharts::ResetZoom() {
  for (PlotProperty property : kPlotProperties) {
    QChart* chart = Chart(property);
    chart->zoomReset();
    const QRectF& ranges = full_ranges_[Index(property)];
    const auto t_axes = chart->axes(Qt::Horizontal);
    const auto value_axes = chart->axes(Qt::Vertical);
    if (t_axes.isEmpty() || value_axes.isEmpty()) continue;
    auto* t_axis = static_cast<QValueAxis*>(t_axes.front());
    auto* value_axis = static_cast<QValueAxis*>(value_axes.front());
    t_axis->setRange(ranges.left(), ranges.right());
    value_axis->setRange(ranges.top(), ranges.bottom());
  }
}

}  // namespace tabulon::gui
