// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_table.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tabulon {
namespace {

// A record whose two sets give clearly different values, so a test sees which set was used:
// the low set has Cp/R = 3.5, the high set Cp/R = 4.5 (both constant).
TwoRangeNasa7 StepRecord(double t_low = 300, double t_mid = 1000, double t_high = 5000) {
  TwoRangeNasa7 r;
  r.t_low = t_low;
  r.t_mid = t_mid;
  r.t_high = t_high;
  r.low = {3.5, 0, 0, 0, 0, -1000, 4};
  r.high = {4.5, 0, 0, 0, 0, -2000, 1};
  return r;
}

struct RangeCase {
  TableRange range;
  std::size_t rows;
  double first, last;
};

TEST(TableTemperatures, RowsRunFromFromUpToTo) {
  const RangeCase cases[] = {
      {{300, 3000, 100}, 28, 300, 3000},
      {{300, 350, 100}, 1, 300, 300},  // `to` not on the grid: it is not added
      {{300, 300, 100}, 1, 300, 300},  // one row
      {{0.1, 0.3, 0.1}, 3, 0.1, 0.3},  // 0.1 + 2 * 0.1 is 0.30000000000000004
      {{200, 6000, 0.7}, 8286, 200, 200 + 8285 * 0.7},
      {{-100, 100, 50}, 5, -100, 100},
  };
  for (const RangeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.range.from) + " " + std::to_string(c.range.to) + " " +
                 std::to_string(c.range.step));
    EXPECT_EQ(TableRangeProblem(c.range), "");
    const std::vector<double> t = TableTemperatures(c.range);
    ASSERT_EQ(t.size(), c.rows);
    EXPECT_EQ(t.front(), c.first);
    EXPECT_EQ(t.back(), c.last);
    // Each row from its index, never a running sum: row 7 of 0.7 steps is 200 + 7 * 0.7.
    if (t.size() > 7) {
      EXPECT_EQ(t[7], c.range.from + 7 * c.range.step);
    }
  }
}

TEST(TableTemperatures, UnusableRangesGiveAReasonAndNoRows) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const TableRange bad[] = {
      {300, 3000, 0},  {300, 3000, -100}, {3000, 300, 100}, {nan, 3000, 100},
      {300, inf, 100}, {300, 3000, nan},  {0, 1e9, 1},      {0, 1, 1e-300},
  };
  for (const TableRange& range : bad) {
    EXPECT_NE(TableRangeProblem(range), "") << range.from << " " << range.to << " " << range.step;
    EXPECT_TRUE(TableTemperatures(range).empty());
  }
}

TEST(EvaluateColumns, EdgesBelongToTheRangeAndTheJoinToTheHighSet) {
  const TwoRangeNasa7 r = StepRecord();
  const double below = std::nextafter(300.0, 0.0);
  const double above = std::nextafter(5000.0, 1e9);
  const double just_below_mid = std::nextafter(1000.0, 0.0);
  const std::vector<double> t = {below, 300, just_below_mid, 1000, 5000, above};
  const TableColumns columns = EvaluateColumns(r, t, kWindowUnits);
  ASSERT_EQ(columns.rows.size(), t.size());
  EXPECT_FALSE(columns.rows[0]);
  EXPECT_FALSE(columns.rows[5]);
  const double r_gas = double(kRGas);
  EXPECT_EQ(columns.rows[1]->cp, 3.5 * r_gas);
  EXPECT_EQ(columns.rows[2]->cp, 3.5 * r_gas);
  EXPECT_EQ(columns.rows[3]->cp, 4.5 * r_gas);  // at the common temperature: the high set
  EXPECT_EQ(columns.rows[4]->cp, 4.5 * r_gas);
}

TEST(EvaluateColumns, ValuesAreThoseOfTheEvaluationInTheChosenUnits) {
  const TwoRangeNasa7 r = StepRecord();
  for (const Units* units : {&kWindowUnits, &kSIUnits}) {
    const TableColumns columns = EvaluateColumns(r, {300, 2000}, *units);
    const Properties low = PropertiesAt(r.low, 300, *units);
    const Properties high = PropertiesAt(r.high, 2000, *units);
    EXPECT_EQ(columns.rows[0]->h, low.h);
    EXPECT_EQ(columns.rows[0]->g, low.g);
    EXPECT_EQ(columns.rows[1]->s, high.s);
    // G = H - T*S/1000, S per kelvin and H per thousand.
    EXPECT_NEAR(columns.rows[1]->g, high.h - 2000 * high.s / 1000, 1e-12);
  }
  EXPECT_NEAR(EvaluateColumns(r, {300}, kSIUnits).rows[0]->cp, 3.5 * 8.314462618, 1e-13);
}

TEST(EvaluateColumns, TemperaturesWithoutAValueStayEmpty) {
  // A range reaching down to 0 K: S has no value at T = 0 (nor below), so the row is empty.
  const TwoRangeNasa7 r = StepRecord(-100, 1000, 5000);
  const TableColumns columns = EvaluateColumns(r, {-50, 0, 1}, kWindowUnits);
  EXPECT_FALSE(columns.rows[0]);
  EXPECT_FALSE(columns.rows[1]);
  EXPECT_TRUE(columns.rows[2]);
  // Coefficients that overflow give no value, not an infinity.
  TwoRangeNasa7 huge = StepRecord();
  huge.high[4] = 1e300;
  EXPECT_FALSE(EvaluateColumns(huge, {4000}, kWindowUnits).rows[0]);
}

TEST(BuildPropertyTable, TwoRecordsAddTheirDifferencesFirstMinusSecond) {
  const TwoRangeNasa7 wide = StepRecord(300, 1000, 5000);
  const TwoRangeNasa7 narrow = StepRecord(500, 1000, 3000);
  const PropertyTable table =
      BuildPropertyTable({wide, narrow}, {"1", "2"}, {300, 2000, 4000}, kWindowUnits);
  const std::vector<std::string> header = {"T",  "Cp1", "H1",  "S1", "G1", "Cp2", "H2",
                                           "S2", "G2",  "dCp", "dH", "dS", "dG"};
  EXPECT_EQ(table.header, header);
  ASSERT_EQ(table.cells.size(), 3u);
  for (const auto& row : table.cells) EXPECT_EQ(row.size(), header.size());
  // 300 and 4000 are outside the second record: its cells and every difference stay empty.
  for (std::size_t row : {0u, 2u}) {
    EXPECT_TRUE(table.cells[row][1]);
    for (std::size_t k = 5; k < 13; ++k) EXPECT_FALSE(table.cells[row][k]) << row << " " << k;
  }
  const auto& both = table.cells[1];
  EXPECT_EQ(*both[0], 2000);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(*both[9 + k], *both[1 + k] - *both[5 + k]);
  EXPECT_EQ(*both[9], 0);  // same high set in both records
}

TEST(BuildPropertyTable, ASideWithoutARecordHasEmptyCells) {
  const PropertyTable table =
      BuildPropertyTable({std::nullopt, StepRecord()}, {"1", "2"}, {1000}, kWindowUnits);
  ASSERT_EQ(table.cells.size(), 1u);
  for (int k = 1; k <= 4; ++k) EXPECT_FALSE(table.cells[0][k]);
  for (int k = 5; k <= 8; ++k) EXPECT_TRUE(table.cells[0][k]);
  for (int k = 9; k <= 12; ++k) EXPECT_FALSE(table.cells[0][k]);

  const PropertyTable one = BuildPropertyTable({StepRecord()}, {"2"}, {1000}, kWindowUnits);
  EXPECT_EQ(one.header, (std::vector<std::string>{"T", "Cp2", "H2", "S2", "G2"}));
}

TEST(ShortestText, ReadsBackToTheSameDouble) {
  const double values[] = {300,
                           0.1,
                           1.0 / 3,
                           -57.78282409942932,
                           1e-5,
                           5e-324,
                           std::numeric_limits<double>::max(),
                           2.0 * double(kRGas),
                           123456789012345680.0};
  for (double x : values) {
    const std::string text = ShortestText(x);
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), x) << text;
    EXPECT_EQ(text.find(' '), std::string::npos);
  }
  EXPECT_EQ(ShortestText(300), "300");
  EXPECT_EQ(ShortestText(0.1), "0.1");
  EXPECT_EQ(ShortestText(-0.0), "0");
  EXPECT_EQ(ShortestText(-2.5), "-2.5");
}

TEST(TableText, WritesTheHeaderThenOneLinePerRowWithEmptyCellsEmpty) {
  PropertyTable table;
  table.header = {"T", "Cp1", "H1"};
  table.cells = {{300, 0.5, std::nullopt}, {400, std::nullopt, -1.25}};
  EXPECT_EQ(TableText(table, ','), "T,Cp1,H1\n300,0.5,\n400,,-1.25\n");
  EXPECT_EQ(TableText(table, '\t'), "T\tCp1\tH1\n300\t0.5\t\n400\t\t-1.25\n");
}

}  // namespace
}  // namespace tabulon
