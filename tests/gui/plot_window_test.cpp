// SPDX-License-Identifier: GPL-3.0-or-later
// The plot window on H2O of both example databases: which series it draws where, zoom, units,
// the cursor's values and the two export formats.
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

TEST_F(PlotWindowTest, SiUnitsRedrawEveryChartWithTheSiGasConstant) {
  window.SetSiUnits(true);
  const auto both = BothH2O();
  const TwoRangeNasa7& a = *both[0].source.ranges;
  const QPointF first = Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0);
  EXPECT_EQ(first.y(), PropertiesAt(a.low, 200, kSIUnits).cp);
  const QPointF g = Series(window.Charts().Chart(PlotProperty::G), "db1:high")->at(0);
  EXPECT_EQ(g.y(), PropertiesAt(a.high, 1000, kSIUnits).g);
  const auto* axis = window.Charts().Chart(PlotProperty::S)->axes(Qt::Vertical).front();
  EXPECT_EQ(axis->titleText(), "S (J/mol/K)");
  window.SetSiUnits(false);
  EXPECT_EQ(Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0).y(),
            PropertiesAt(a.low, 200, kWindowUnits).cp);
  // Per mass: divided by H2O's 18.015 g/mol (2 x 1.0080 + 15.999), 0.018015 kg/mol in SI.
  window.SetUnitChoice({.si = true, .per_mass = true});
  EXPECT_NEAR(Series(window.Charts().Chart(PlotProperty::Cp), "db1:low")->at(0).y(),
              PropertiesAt(a.low, 200, kSIUnits).cp / 0.018015, 1e-9);
  EXPECT_EQ(window.Charts().Chart(PlotProperty::S)->axes(Qt::Vertical).front()->titleText(),
            "S (J/kg/K)");
  window.SetSiUnits(false);
  EXPECT_EQ(window.CurrentChoice().per_mass, true);
  EXPECT_NEAR(Series(window.Charts().Chart(PlotProperty::H), "db2:high")->at(0).y(),
              PropertiesAt(both[1].source.ranges->high, 1000, kWindowUnits).h / 18.015, 1e-12);
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

TEST_F(PlotWindowTest, WheelZoomsAroundTheCursorAndResetShowsEverything) {
  PropertyChartView* view = window.Charts().View(PlotProperty::Cp);
  auto* t_axis = static_cast<QValueAxis*>(view->chart()->axes(Qt::Horizontal).front());
  const double full_min = t_axis->min(), full_max = t_axis->max();
  const QPoint centre = view->chart()->mapToPosition(QPointF(1000, 9.85)).toPoint();
  QWheelEvent wheel(centre, view->mapToGlobal(centre), QPoint(), QPoint(0, 240), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view->viewport(), &wheel);
  EXPECT_GT(t_axis->min(), full_min);
  EXPECT_LT(t_axis->max(), full_max);
  EXPECT_LT(t_axis->min(), 1000);
  EXPECT_GT(t_axis->max(), 1000);
  window.Charts().ResetZoom();
  EXPECT_EQ(t_axis->min(), full_min);
  EXPECT_EQ(t_axis->max(), full_max);
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
