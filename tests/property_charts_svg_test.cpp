// SPDX-License-Identifier: GPL-3.0-or-later
// The domain's drawing of the four charts: round axis ticks, where the curves lie, and texts that
// cannot break the drawing.
#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "properties/axis_ticks.h"
#include "properties/chart_property.h"
#include "properties/property_charts_svg.h"

namespace tabulon {
namespace {

struct StepCase {
  double span;
  int most_steps;
  double step;
};

TEST(AxisTicks, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
  const StepCase cases[] = {
      {100, 5, 20},       // exactly at 2 x 10
      {99.9999, 5, 20},   // just inside
      {100.0001, 5, 50},  // just past
      {75, 5, 20},        // half-way between 1 and 2 (x 10)
      {1, 5, 0.2},        // 1 / 5 in doubles is a hair above 0.2
      {35, 5, 10},        // past 5 goes to the next power
      {4800, 6, 1000},   {6.93, 5, 2},     {0.003, 5, 0.001},
      {0, 5, 1},  // nothing to cut: a harmless step
      {-3, 5, 1},        {INFINITY, 5, 1}, {NAN, 5, 1},
  };
  for (const StepCase& c : cases) {
    EXPECT_DOUBLE_EQ(RoundStep(c.span, c.most_steps), c.step) << c.span;
  }
}

struct RangeCase {
  double low, high, step;
  double min, max;
  std::vector<const char*> labels;
};

TEST(AxisTicks, RangesWidenToWholeStepsAndLabelsCarryTheStepsDecimals) {
  const RangeCase cases[] = {
      {7.59, 14.5, 2, 6, 16, {"6", "8", "10", "12", "14", "16"}},
      {200, 5000, 1000, 0, 5000, {"0", "1000", "2000", "3000", "4000", "5000"}},
      {6, 16, 2, 6, 16, {"6", "8", "10", "12", "14", "16"}},  // already on whole steps
      {0.6, 1.2, 0.2, 0.6, 1.2, {"0.6", "0.8", "1.0", "1.2"}},
      {-0.3, 0.3, 0.2, -0.4, 0.4, {"-0.4", "-0.2", "0.0", "0.2", "0.4"}},
      {-1090, -905, 50, -1100, -900, {"-1100", "-1050", "-1000", "-950", "-900"}},
      {0.21, 0.29, 0.05, 0.2, 0.3, {"0.20", "0.25", "0.30"}},
      {2.1e8, 3.4e8, 5e7, 2e8, 3.5e8, {"2e+08", "2.5e+08", "3e+08", "3.5e+08"}},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(c.low);
    const AxisRange range = RoundOutward(c.low, c.high, c.step);
    EXPECT_NEAR(range.min, c.min, 1e-12 * std::abs(c.min) + 1e-15);
    EXPECT_NEAR(range.max, c.max, 1e-12 * std::abs(c.max) + 1e-15);
    std::vector<std::string> labels;
    for (double tick : TickValues(range.min, range.max, c.step)) {
      labels.push_back(TickLabel(tick, c.step));
    }
    EXPECT_EQ(labels, std::vector<std::string>(c.labels.begin(), c.labels.end()));
  }
  // Ticks inside a zoomed window that is not on whole steps; a window of millions of steps
  // has none rather than millions.
  EXPECT_EQ(TickValues(955.5, 1047, 20), (std::vector<double>{960, 980, 1000, 1020, 1040}));
  EXPECT_TRUE(TickValues(0, 1e9, 1).empty());
}

// H2O of example A, whose low set is written here as the file gives it: the drawing must put
// its first point where the axes say Cp(200 K) lies.
constexpr double kH2OLow[] = {4.23979901, -2.41687479e-03, 7.69627470e-06, -6.93658763e-09,
                              2.37717577e-12};

TwoRangeNasa7 H2OOfExampleA() {
  return {200,
          1000,
          5000,
          {4.23979901, -2.41687479e-03, 7.69627470e-06, -6.93658763e-09, 2.37717577e-12,
           -3.02970662e+04, -1.01005261},
          {2.59547801, 3.17275324e-03, -9.34644178e-07, 1.33650038e-10, -7.45005446e-15,
           -2.98612205e+04, 7.31375646}};
}

std::string Draw(const std::vector<ChartRecord>& records, const ChartDrawing& drawing) {
  std::ostringstream svg;
  WritePropertyChartsSvg(svg, records, kWindowUnits, drawing);
  return svg.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(PropertyChartsSvg, CurvesLieWhereTheAxesSay) {
  const std::vector<ChartRecord> records = {
      {"DB #1: therm_a.dat", "#1f5fbf", H2OOfExampleA(), std::nullopt}};
  ChartDrawing drawing;
  drawing.width = 1200;
  drawing.height = 900;
  const std::string svg = Draw(records, drawing);
  // The Cp chart is drawn first; its low set's path starts at T = 200 K. The cell is 600 x 450
  // pixels, its plot area 516 x 354; the axes run from 0 to 5000 K and from 6 to 16 cal/mol/K.
  std::smatch first;
  ASSERT_TRUE(std::regex_search(
      svg, first, std::regex("stroke=\"#1f5fbf\" stroke-width=\"2\" d=\"M([-.0-9]+),([-.0-9]+)l")));
  double cp_over_r = 0, power = 1;
  for (double a : kH2OLow) cp_over_r += a * power, power *= 200;
  const double cp = double(1.9872f) * cp_over_r;
  EXPECT_NEAR(std::stod(first[1]), 200.0 / 5000 * 516, 0.051);
  EXPECT_NEAR(std::stod(first[2]), 354 - (cp - 6) / 10 * 354, 0.051);
  for (const char* label : {">0<", ">5000<", ">6<", ">16<", ">Cp (cal/mol/K)<", ">T (K)<"}) {
    EXPECT_NE(svg.find(label), std::string::npos) << label;
  }
  // Per chart: low, high and both continuations; the dashed common temperature; the legend's
  // sample; the grid.
  EXPECT_EQ(Count(svg, "<path"), 4u * (4 + 1 + 1 + 1));
  EXPECT_EQ(Count(svg, "stroke-dasharray"), 4u);
  EXPECT_EQ(Count(svg, "<svg"), 1u) << "no inner drawing without a zoom";
  EXPECT_TRUE(svg.starts_with("<?xml")) << "a file of its own";
}

TEST(PropertyChartsSvg, TextsAndRecordsThatCannotBreakTheDrawing) {
  // A label with markup characters and a Latin-1 byte, a species name with a control byte, a
  // record without a usable range, and a zoomed chart.
  TwoRangeNasa7 reversed = H2OOfExampleA();
  std::swap(reversed.t_low, reversed.t_high);
  ChartDrawing drawing;
  drawing.species = "H2O\x01<x>";
  drawing.standalone = false;
  drawing.windows[2] = ChartWindow{900, 1100, 50, 60};
  const std::string svg = Draw({{"DB #1: a&b<\xE9>.dat", "#1f5fbf", H2OOfExampleA(), std::nullopt},
                                {"DB #2", "#d62728", reversed, std::nullopt}},
                               drawing);
  EXPECT_NE(svg.find("DB #1: a&amp;b&lt;\xC3\xA9&gt;.dat"), std::string::npos);
  EXPECT_NE(svg.find("H2O\xEF\xBF\xBD&lt;x&gt;: Entropy S"), std::string::npos);
  EXPECT_EQ(svg.find("<x>"), std::string::npos);
  EXPECT_EQ(Count(svg, "stroke=\"#d62728\" stroke-width=\"2\" d="), 4u) << "its legend only";
  EXPECT_EQ(Count(svg, "<svg"), 2u) << "the zoomed entropy chart cuts its curves";
  EXPECT_NE(svg.find(">1000<"), std::string::npos) << "a round tick inside the zoom";
  EXPECT_FALSE(svg.starts_with("<?xml")) << "inline: no declaration";
  EXPECT_EQ(svg.find("white"), std::string::npos) << "inline: the page's background";
}

}  // namespace
}  // namespace tabulon
