// SPDX-License-Identifier: GPL-3.0-or-later
// The plot window on H2O of both example databases: which series it draws where, zoom, units,
// the cursor's values and the two export formats.
#include <cmath>

#include <QChart>
#include <QComboBox>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStandardItemModel>
#include <QValueAxis>
#include <QXmlStreamReader>
#include <QtTest>

#include <gtest/gtest.h>

#include "app/qt/plot/plot_export.h"
#include "app/qt/plot/plot_window.h"
#include "app/qt/plot/property_chart_view.h"
#include "tests/test_support.h"

namespace tabulon::gui {
namespace {

std::string Example(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + name;
}

std::vector<DatabaseSpecies> BothH2O() {
  return {{1, LoadSpeciesSource(Example("therm_a.dat"), "H2O")},
          {2, LoadSpeciesSource(Example("therm_b.dat"), "H2O")}};
}

QLineSeries* Series(QChart* chart, const QString& name) {
  for (QAbstractSeries* series : chart->series()) {
    if (series->objectName() == name) return qobject_cast<QLineSeries*>(series);
  }
  return nullptr;
}

class PlotWindowTest : public ::testing::Test {
 protected:
  PlotWindowTest() : window(BothH2O()) {
    window.resize(1000, 760);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  PlotWindow window;
};

struct PartRange {
  const char* part;
  double from, to;  // every point's T lies here, and the first and last are these
  qreal width;
};

TEST_F(PlotWindowTest, EachSetIsDrawnOverItsOwnRangeAndATenthPastTheJoin) {
  // H2O in both examples: 200 / 1000 / 5000 K; a tenth of the range is 480 K.
  const PartRange parts[] = {{"low", 200, 1000, 2.0},
                             {"high", 1000, 5000, 2.0},
                             {"low-past-join", 1000, 1480, 0.8},
                             {"high-past-join", 520, 1000, 0.8}};
  for (PlotProperty property : kPlotProperties) {
    QChart* chart = window.Charts().Chart(property);
    EXPECT_EQ(chart->series().size(), 10);  // four pieces and a common temperature per database
    for (int db : {1, 2}) {
      SCOPED_TRACE(chart->title().toStdString() + " DB " + std::to_string(db));
      for (const PartRange& part : parts) {
        QLineSeries* series = Series(chart, QStringLiteral("db%1:%2").arg(db).arg(part.part));
        ASSERT_NE(series, nullptr) << part.part;
        const QList<QPointF> points = series->points();
        ASSERT_GE(points.size(), 2);
        EXPECT_EQ(points.front().x(), part.from) << part.part;
        EXPECT_EQ(points.back().x(), part.to) << part.part;
        for (const QPointF& p : points) {
          ASSERT_GE(p.x(), part.from);
          ASSERT_LE(p.x(), part.to);
        }
        EXPECT_EQ(series->pen().widthF(), part.width);
        EXPECT_EQ(series->pen().color(), SideColour(db));
      }
      QLineSeries* mid = Series(chart, QStringLiteral("db%1:common-temperature").arg(db));
      ASSERT_NE(mid, nullptr);
      ASSERT_EQ(mid->count(), 2);
      EXPECT_EQ(mid->at(0).x(), 1000);
      EXPECT_EQ(mid->at(1).x(), 1000);
      EXPECT_EQ(mid->pen().style(), Qt::DashLine);
      // The dashed line spans every value drawn.
      const auto* value_axis = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
      EXPECT_LE(value_axis->min(), mid->at(0).y());
      EXPECT_GE(value_axis->max(), mid->at(1).y());
    }
  }
}

TEST_F(PlotWindowTest, TheJumpOfDatabaseBsH2OShowsAsEndsThatDoNotMeet) {
  QChart* cp = window.Charts().Chart(PlotProperty::Cp);
  const auto end_of = [&](int db, const char* part, bool last) {
    const QList<QPointF> points = Series(cp, QStringLiteral("db%1:%2").arg(db).arg(part))->points();
    return last ? points.back().y() : points.front().y();
  };
  // Database B: low set 9.864, high set 9.843 cal/mol/K at 1000 K. Database A joins smoothly.
  EXPECT_NEAR(end_of(2, "low", true) - end_of(2, "high", false), 0.0208, 0.0005);
  EXPECT_NEAR(end_of(1, "low", true), end_of(1, "high", false), 1e-4);
}

TEST_F(PlotWindowTest, LegendNamesEachDatabaseOnce) {
  QChart* chart = window.Charts().Chart(PlotProperty::H);
  QStringList shown;
  for (QLegendMarker* marker : chart->legend()->markers()) {
    if (marker->isVisible()) shown << marker->label();
  }
  EXPECT_EQ(shown, (QStringList{"DB #1: therm_a.dat", "DB #2: therm_b.dat"}));
}

// H2O of therm_a.dat, its coefficients as the file writes them.
constexpr double kH2OLow[7] = {4.23979901E+00, -2.41687479E-03, 7.69627470E-06, -6.93658763E-09,
                               2.37717577E-12, -3.02970662E+04, -1.01005261E+00};
constexpr double kH2OHighOfB[7] = {2.54653401E+00, 3.24551899E-03,  -9.72442685E-07,
                                   1.41865567E-10, -8.08674516E-15, -2.98369473E+04,
                                   7.59654202E+00};
constexpr double kH2OHigh[7] = {2.59547801E+00,  3.17275324E-03,  -9.34644178E-07, 1.33650038E-10,
                                -7.45005446E-15, -2.98612205E+04, 7.31375646E+00};

TEST_F(PlotWindowTest, SiUnitsRedrawEveryChartWithTheSiGasConstant) {
  // The NASA-7 forms written out here: Cp/R = a1 + a2 T + a3 T^2 + a4 T^3 + a5 T^4,
  // H/RT = a1 + a2 T/2 + a3 T^2/3 + a4 T^3/4 + a5 T^4/5 + a6/T,
  // S/R = a1 ln T + a2 T + a3 T^2/2 + a4 T^3/3 + a5 T^4/4 + a7; G = H - T S.
  const double r_si = 8.314462618;                     // J/mol/K
  const double r_window = static_cast<float>(1.9872);  // cal/mol/K, held as a float
  const double* low = kH2OLow;
  const double* a = kH2OHigh;
  const auto cp_low_200 = [low](double r) {
    const double t = 200;
    return r * (low[0] + low[1] * t + low[2] * t * t + low[3] * t * t * t + low[4] * t * t * t * t);
  };
  const double t = 1000;
  const double h = r_si * t *
                   (a[0] + a[1] * t / 2 + a[2] * t * t / 3 + a[3] * t * t * t / 4 +
                    a[4] * t * t * t * t / 5 + a[5] / t) /
                   1000;  // kJ/mol
  const double s = r_si * (a[0] * std::log(t) + a[1] * t + a[2] * t * t / 2 + a[3] * t * t * t / 3 +
                           a[4] * t * t * t * t / 4 + a[6]);  // J/mol/K
  window.SetSiUnits(true);
  const QPointF first = Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0);
  EXPECT_EQ(first.x(), 200);
  EXPECT_NEAR(first.y(), cp_low_200(r_si), 1e-12 * cp_low_200(r_si));
  const QPointF g = Series(window.Charts().Chart(PlotProperty::G), "db1:high")->at(0);
  EXPECT_EQ(g.x(), 1000);
  EXPECT_NEAR(g.y(), h - t * s / 1000, 1e-10 * std::abs(h - t * s / 1000));
  const auto* axis = window.Charts().Chart(PlotProperty::S)->axes(Qt::Vertical).front();
  EXPECT_EQ(axis->titleText(), "S (J/mol/K)");
  window.SetSiUnits(false);
  EXPECT_NEAR(Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0).y(),
              cp_low_200(r_window), 1e-12 * cp_low_200(r_window));
  // Per mass: divided by H2O's 18.015 g/mol (2 x 1.0080 + 15.999), 0.018015 kg/mol in SI.
  window.SetUnitChoice({.si = true, .per_mass = true});
  EXPECT_NEAR(Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0).y(),
              cp_low_200(r_si) / 0.018015, 1e-9);
  EXPECT_EQ(window.Charts().Chart(PlotProperty::S)->axes(Qt::Vertical).front()->titleText(),
            "S (J/kg/K)");
  window.SetSiUnits(false);
  EXPECT_EQ(window.CurrentChoice().per_mass, true);
  // H of therm_b.dat's H2O from its high set at 1000 K, kcal/mol, per gram.
  const double* b = kH2OHighOfB;
  const double h_b = r_window * t *
                     (b[0] + b[1] * t / 2 + b[2] * t * t / 3 + b[3] * t * t * t / 4 +
                      b[4] * t * t * t * t / 5 + b[5] / t) /
                     1000;
  EXPECT_NEAR(Series(window.Charts().Chart(PlotProperty::H), "db2:high")->at(0).y(), h_b / 18.015,
              1e-12);
  EXPECT_TRUE(window.CursorText(PlotProperty::H, QPointF(1000, 0)).endsWith("kcal/g"));
}

// A species whose composition names no element has no weight: the per-mass units are offered
// but cannot be chosen, and say why.
TEST(PlotUnitsBox, PerMassNeedsEveryWeight) {
  std::vector<DatabaseSpecies> sides = BothH2O();
  sides[1].source.molecular_weight.reset();
  sides[1].source.formula = "Qs1";
  PlotWindow window(sides);
  auto* box = window.findChild<QComboBox*>("units");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->count(), 4);
  const auto* items = qobject_cast<const QStandardItemModel*>(box->model());
  EXPECT_FALSE(items->item(2)->isEnabled());
  EXPECT_FALSE(items->item(3)->isEnabled());
  EXPECT_TRUE(items->item(3)->toolTip().contains("molecular weight of H2O")) << "tooltip";
  EXPECT_TRUE(items->item(3)->toolTip().contains("(formula Qs1)"));
  window.SetUnitChoice({.si = true, .per_mass = true});
  EXPECT_EQ(window.CurrentChoice().si, true);
  EXPECT_EQ(window.CurrentChoice().per_mass, false);
}

TEST_F(PlotWindowTest, CursorTextGivesEachDatabasesValueAtTheCursorsTemperature) {
  const QString text = window.CursorText(PlotProperty::Cp, QPointF(1000, 9.85));
  // At the common temperature the high set counts, as in the window's boxes.
  EXPECT_TRUE(text.contains("T = 1000.0 K")) << text.toStdString();
  EXPECT_TRUE(text.contains("DB #1: 9.856089")) << text.toStdString();
  EXPECT_TRUE(text.contains("DB #2: 9.843375")) << text.toStdString();
  EXPECT_TRUE(text.endsWith("cal/mol/K"));
  const QString outside = window.CursorText(PlotProperty::H, QPointF(6000, 0));
  EXPECT_FALSE(outside.contains("DB #")) << outside.toStdString();
}

// Ticks stand at round values: 1, 2 or 5 times a power of ten apart, the first one inside the
// axis at a multiple of that step, three to ten of them.
void ExpectRoundTicks(const QValueAxis& axis, const std::string& what) {
  EXPECT_EQ(axis.tickType(), QValueAxis::TicksDynamic) << what;
  const double step = axis.tickInterval();
  const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
  EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
              std::abs(mantissa - 5) < 1e-9)
      << what << ": step " << step;
  EXPECT_NEAR(axis.tickAnchor() / step, std::round(axis.tickAnchor() / step), 1e-6) << what;
  EXPECT_GE(axis.tickAnchor(), axis.min()) << what;
  EXPECT_LT(axis.tickAnchor(), axis.min() + step) << what;
  const double ticks = (axis.max() - axis.min()) / step;
  EXPECT_TRUE(ticks >= 2 && ticks <= 10) << what << ": " << ticks << " steps";
}

TEST_F(PlotWindowTest, ZoomsAroundTheCursorWithRoundTicksAndResetShowsEverything) {
  PropertyChartView* view = window.Charts().View(PlotProperty::Cp);
  auto* t_axis = static_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).front());
  auto* cp_axis = static_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).front());
  const double full_min = t_axis->min(), full_max = t_axis->max();
  ExpectRoundTicks(*t_axis, "T, whole");
  ExpectRoundTicks(*cp_axis, "Cp, whole");
  const struct {
    const char* what;
    int wheel_steps;        // or, with 0, a drag over the rectangle
    QRectF dragged_values;  // T from, Cp from, T span, Cp span
  } zooms[] = {
      {"one wheel step", 1, {}},
      {"five wheel steps", 5, {}},
      {"a drag", 0, {713, 9.1, 151, 0.37}},
  };
  for (const auto& zoom : zooms) {
    if (zoom.wheel_steps != 0) {
      for (int k = 0; k < zoom.wheel_steps; ++k) {
        const QPoint centre = view->chart()->mapToPosition(QPointF(1000, 9.85)).toPoint();
        QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
      }
      EXPECT_LT(t_axis->min(), 1000) << zoom.what;
      EXPECT_GT(t_axis->max(), 1000) << zoom.what;
    } else {
      const QRectF values = zoom.dragged_values;
      view->chart()->zoomIn(
          QRectF(view->chart()->mapToPosition(values.topLeft() + QPointF(0, values.height())),
                 view->chart()->mapToPosition(values.topLeft() + QPointF(values.width(), 0))));
      EXPECT_NEAR(t_axis->min(), 713, 1) << zoom.what;
      EXPECT_NEAR(t_axis->max(), 864, 1) << zoom.what;
    }
    EXPECT_GT(t_axis->min(), full_min) << zoom.what;
    EXPECT_LT(t_axis->max(), full_max) << zoom.what;
    ExpectRoundTicks(*t_axis, std::string("T, ") + zoom.what);
    ExpectRoundTicks(*cp_axis, std::string("Cp, ") + zoom.what);
    window.Charts().ResetZoom();
    EXPECT_EQ(t_axis->min(), full_min);
    EXPECT_EQ(t_axis->max(), full_max);
  }
}

// The paths of an exported SVG by database and kind, with the stroke each inherits from its
// groups as SVG does.
struct SvgCounts {
  int own_range[3] = {};       // by database: width 2 (the legend's sample line too)
  int past_join[3] = {};       // width 0.8
  int dashed[3] = {};          // the common temperature
  int paths = 0;               // all paths, grid and frames included
  int subpaths_per_curve = 0;  // the most "M" in one curve's path
  int inner_drawings = 0;      // zoomed charts
};

SvgCounts CountSvg(const QByteArray& svg, bool& well_formed) {
  SvgCounts counts;
  QXmlStreamReader xml(svg);
  struct Stroke {
    QString colour, width, dashes;
  };
  std::vector<Stroke> stack{{}};
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) {
      stack.pop_back();
      continue;
    }
    if (!xml.isStartElement()) continue;
    Stroke stroke = stack.back();
    const QXmlStreamAttributes a = xml.attributes();
    if (a.hasAttribute("stroke")) stroke.colour = a.value("stroke").toString();
    if (a.hasAttribute("stroke-width")) stroke.width = a.value("stroke-width").toString();
    if (a.hasAttribute("stroke-dasharray")) stroke.dashes = a.value("stroke-dasharray").toString();
    stack.push_back(stroke);
    if (xml.name() == u"svg" && stack.size() > 2) ++counts.inner_drawings;
    if (xml.name() != u"path") continue;
    ++counts.paths;
    for (int db : {1, 2}) {
      if (QColor(stroke.colour) != SideColour(db)) continue;
      if (!stroke.dashes.isEmpty()) ++counts.dashed[db];
      if (stroke.dashes.isEmpty() && stroke.width == "2") ++counts.own_range[db];
      if (stroke.width == ".8") ++counts.past_join[db];
      counts.subpaths_per_curve =
          std::max(counts.subpaths_per_curve, int(a.value("d").count(QLatin1Char('M'))));
    }
  }
  well_formed = !xml.hasError();
  return counts;
}

TEST_F(PlotWindowTest, ExportsAPngOfTheChartsSizeAndAnSvgWithEachSeriesAsOnePath) {
  const testing::TempDir scratch;
  QString error;
  const QString png = QString::fromStdString(scratch.File("h2o.png"));
  ASSERT_TRUE(window.ExportTo(png, PictureFormat::Png, &error)) << error.toStdString();
  const QImage image(png);
  EXPECT_EQ(image.size(), window.Charts().size());
  EXPECT_GE(window.Charts().width(), 900);

  // Two databases in four charts: per database and chart two sets over their ranges, two
  // continuations past the join, one dashed common temperature and one legend sample; four
  // grids. Each series is one path of one stroke, and the whole stays small.
  const QString svg = QString::fromStdString(scratch.File("h2o.svg"));
  ASSERT_TRUE(window.ExportTo(svg, PictureFormat::Svg, &error)) << error.toStdString();
  const std::string bytes = testing::ReadBytes(svg.toStdString());
  EXPECT_LT(bytes.size(), 200'000u);
  bool well_formed = false;
  SvgCounts counts = CountSvg(QByteArray::fromStdString(bytes), well_formed);
  EXPECT_TRUE(well_formed);
  for (int db : {1, 2}) {
    EXPECT_EQ(counts.own_range[db], 4 * (2 + 1)) << db;
    EXPECT_EQ(counts.past_join[db], 4 * 2) << db;
    EXPECT_EQ(counts.dashed[db], 4) << db;
  }
  EXPECT_EQ(counts.paths, 2 * 4 * 6 + 4);
  EXPECT_EQ(counts.subpaths_per_curve, 1);
  EXPECT_EQ(counts.inner_drawings, 0);

  // A zoomed chart is exported as shown: its curves inside an inner drawing that cuts them.
  window.Charts().Chart(PlotProperty::S)->zoomIn(QRectF(100, 100, 80, 60));
  ASSERT_TRUE(window.ExportTo(svg, PictureFormat::Svg, &error)) << error.toStdString();
  counts = CountSvg(QByteArray::fromStdString(testing::ReadBytes(svg.toStdString())), well_formed);
  EXPECT_TRUE(well_formed);
  EXPECT_EQ(counts.inner_drawings, 1);

  // Never over a database of the plot.
  EXPECT_FALSE(
      window.ExportTo(QString::fromStdString(Example("therm_a.dat")), PictureFormat::Svg, &error));
  EXPECT_EQ(error, "it is a database file of this plot");

  // A name without .png or .svg is no picture format.
  PictureFormat format;
  EXPECT_FALSE(PictureFormatOf("h2o.jpg", format));
  EXPECT_TRUE(PictureFormatOf("H2O.SVG", format));
  EXPECT_EQ(format, PictureFormat::Svg);
}

TEST(PlotWindowSides, ASideThatCannotBeEvaluatedIsNamedInTheStatusBar) {
  PlotWindow window({{1, LoadSpeciesSource(Example("therm_a.dat"), "H2O")},
                     {2, LoadSpeciesSource(Example("therm_b.dat"), "NOSUCH")}});
  EXPECT_EQ(window.Charts().Chart(PlotProperty::Cp)->series().size(), 5);
  EXPECT_TRUE(window.StatusText().startsWith("DB #2: NOSUCH is not in"))
      << window.StatusText().toStdString();
}

}  // namespace
}  // namespace tabulon::gui
