// SPDX-License-Identifier: GPL-3.0-or-later
// What the comparison page shows, before it is written: the order of the deviation table, the
// species plotted, the name sets, the files' counts and the marks.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/comparison_summary.h"
#include "thermodb/file_snapshot.h"

namespace tabulon {
namespace {

using testing::RecordsDatabaseText;
using testing::RecordShape;

DeviationRow Row(const char* name, double g, double cp) {
  return {name, Deviation{300, 400, {cp, 300}, {0, 300}, {0, 300}, {g, 300}}, 1, 1};
}

TEST(ComparisonSummary, RanksByTheLargestGThenCpWithRowsWithoutARangeLast) {
  const std::vector<DeviationRow> rows = {
      {"NONE1", std::nullopt, 1, 1},
      Row("SMALL", 0.001, 5),
      Row("TIE_SMALL_CP", 0.5, 0.1),
      Row("TIE_BIG_CP", 0.5, 0.2),
      Row("SAME", 0, 0),
      {"NONE2", std::nullopt, 1, 1},
      Row("BIG", 2, 0),
      Row("NAN", NAN, 0),  // not a number ranks first: it must be seen
      Row("SAME2", 0, 0),
  };
  std::vector<std::string> order;
  for (std::size_t i : RankDeviations(rows)) order.push_back(rows[i].name);
  EXPECT_EQ(order, (std::vector<std::string>{"NAN", "BIG", "TIE_BIG_CP", "TIE_SMALL_CP", "SMALL",
                                             "SAME", "SAME2", "NONE1", "NONE2"}));
}

struct MarkCase {
  const char* what;
  double da1, da6, da7;  // DB #2's set minus DB #1's
  CheckTolerances tolerances;
  bool cp, h, s;  // marked
};

TEST(ComparisonSummary, MarksADifferenceAboveItsToleranceMeasuredAsAJump) {
  // DB #1: cp/R = 3.5, h/RT = 3.5 - 1000/T, s/R = 3.5 ln T + 4 at every T; the differences are
  // read at 1000 K, where s/R + cp/R = 3.5 ln 1000 + 7.5.
  const CoefficientSet set{3.5, 0, 0, 0, 0, -1000, 4};
  const double s_and_cp = 3.5 * std::log(1000.0) + 7.5;
  constexpr double kOff = 1e9;  // a tolerance that marks nothing
  const MarkCase cases[] = {
      {"the same", 0, 0, 0, {}, false, false, false},
      {"Cp just inside", 0.035, 0, 0, {0.01, kOff, kOff}, false, false, false},
      {"Cp just past", 0.0351, 0, 0, {0.01, kOff, kOff}, true, false, false},
      {"Cp exactly at", 0.0625, 0, 0, {0.0625 / (3.5 + 1e-4), kOff, kOff}, false, false, false},
      {"H just inside", 0, 3.49, 0, {kOff, 0.001, kOff}, false, false, false},
      {"H just past", 0, 3.51, 0, {kOff, 0.001, kOff}, false, true, false},
      {"S just inside", 0, 0, 0.999 * 0.001 * s_and_cp, {kOff, kOff, 0.001}, false, false, false},
      {"S just past", 0, 0, 1.001 * 0.001 * s_and_cp, {kOff, kOff, 0.001}, false, false, true},
      {"a1 moves all three", 0.1, 0, 0, {}, true, true, true},
      {"not a number", NAN, 0, 0, {kOff, kOff, kOff}, true, true, true},
  };
  for (const MarkCase& c : cases) {
    CoefficientSet other = set;
    other[0] += c.da1, other[5] += c.da6, other[6] += c.da7;
    const TwoRangeNasa7 first{300, 1000, 5000, set, set}, second{300, 1000, 5000, other, other};
    const Deviation at_1000{300, 5000, {1, 1000}, {1, 1000}, {1, 1000}, {1, 1000}};
    const DeviationMarks marks = MarkDeviation(first, second, at_1000, c.tolerances);
    EXPECT_EQ(marks.cp, c.cp) << c.what;
    EXPECT_EQ(marks.h, c.h) << c.what;
    EXPECT_EQ(marks.s, c.s) << c.what;
    EXPECT_EQ(marks.Any(), c.cp || c.h || c.s) << c.what;
  }
}

ThermoFile FileOf(const std::string& path, const std::vector<RecordShape>& shapes) {
  return ThermoFile::Of(FileSnapshot::OfBytes(path, RecordsDatabaseText(shapes)));
}

TEST(ComparisonSummary, SetsCountsAndTheSpeciesThatDifferMost) {
  CoefficientSet shifted{3.5, 0, 0, 0, 0, -900, 4};  // H shifted by 100 R
  CoefficientSet nudged{3.6, 0, 0, 0, 0, -1000, 4};  // Cp higher by 0.1 R
  const ThermoFile first = FileOf("one.dat", {{.name = "AR"},
                                              {.name = "CO", .high_set = shifted},
                                              {.name = "AR"},
                                              {.name = "N2", .low_set = nudged},
                                              {.name = "HE"},
                                              {.name = "O2"}});
  const ThermoFile second = FileOf("two.dat", {{.name = "XE"},
                                               {.name = "O2"},
                                               {.name = "N2"},
                                               {.name = "CO"},
                                               {.name = "AR", .low = 5000, .high = 300}});
  SummaryOptions options;
  options.top = 5;
  options.tolerances.cp = 0.02;
  ComparisonSummary summary = SummarizeComparison(first, second, options);
  ASSERT_FALSE(summary.cancelled);
  EXPECT_EQ(summary.files[0].path, "one.dat");
  EXPECT_EQ(summary.files[0].records, 6u);
  EXPECT_EQ(summary.files[0].species, 5u) << "AR twice";
  EXPECT_EQ(summary.files[1].records, 5u);
  EXPECT_EQ(summary.files[0].size, std::int64_t(RecordsDatabaseText({{}}).size() + 5 * 4 * 81));
  EXPECT_EQ(summary.only_first, (std::vector<std::string>{"HE"}));
  EXPECT_EQ(summary.only_second, (std::vector<std::string>{"XE"}));
  ASSERT_EQ(summary.rows.size(), 4u);
  std::vector<std::string> ranked;
  for (std::size_t i : summary.ranking) ranked.push_back(summary.rows[i].name);
  // CO's G differs by 100 R / 1000 everywhere, N2's by up to 0.1 R (T - T ln T) / 1000 below
  // its common temperature; O2 not at all; AR of DB #2 has its limits reversed.
  EXPECT_EQ(ranked, (std::vector<std::string>{"N2", "CO", "O2", "AR"}));
  ASSERT_EQ(summary.plotted.size(), 2u) << "only the species that differ";
  EXPECT_EQ(summary.rows[summary.plotted[0].row].name, "N2");
  EXPECT_EQ(summary.plotted[0].first->line_number, 15);
  EXPECT_EQ(summary.plotted[0].second->line_number, 11);
  const Deviation& co = *summary.rows[summary.plotted[1].row].deviation;
  EXPECT_NEAR(co.g.max, 100 * double(kRGas) / 1000, 1e-12);
  EXPECT_EQ(co.cp.max, 0);
  // Marked: N2's Cp differs by 0.1 R of 3.6 R (above 0.02), its S by more than a thousandth;
  // CO's H only.
  EXPECT_TRUE(summary.marks[summary.plotted[0].row].cp);
  EXPECT_TRUE(summary.marks[summary.plotted[0].row].s);
  EXPECT_FALSE(summary.marks[summary.plotted[1].row].cp);
  EXPECT_TRUE(summary.marks[summary.plotted[1].row].h);
  // The check of each file: CO's and N2's sets do not join, AR is repeated; DB #2's AR has its
  // limits reversed.
  std::vector<std::pair<int, std::string_view>> found[2];
  for (int k = 0; k < 2; ++k) {
    for (const CheckFinding& f : summary.checks[k].findings) {
      found[k].emplace_back(f.line, CodeName(f.code));
    }
  }
  EXPECT_EQ(found[0], (std::vector<std::pair<int, std::string_view>>{{7, "h-jump"},
                                                                     {11, "duplicate-identical"},
                                                                     {15, "cp-jump"},
                                                                     {15, "h-jump"},
                                                                     {15, "s-jump"}}));
  EXPECT_EQ(found[1], (std::vector<std::pair<int, std::string_view>>{{19, "limits"}}));

  options.top = 1;
  EXPECT_EQ(SummarizeComparison(first, second, options).plotted.size(), 1u);
  options.units = &kSIUnits;
  const ComparisonSummary si = SummarizeComparison(first, second, options);
  EXPECT_NEAR(si.rows[1].deviation->g.max, 100 * 8.314462618 / 1000, 1e-12);
}

TEST(ComparisonSummary, ProgressCoversEveryStageAndCancelStops) {
  const ThermoFile first = FileOf("one.dat", {{.name = "AR"}, {.name = "CO"}, {.name = "HE"}});
  const ThermoFile second = FileOf("two.dat", {{.name = "AR"}, {.name = "CO"}});
  std::size_t last_done = 0, last_total = 0;
  const ComparisonSummary done =
      SummarizeComparison(first, second, {}, [&](std::size_t d, std::size_t t) {
        EXPECT_GE(d, last_done) << "never goes back";
        last_done = d, last_total = t;
        return true;
      });
  EXPECT_FALSE(done.cancelled);
  EXPECT_EQ(last_total, 2u + 3u + 2u) << "common names, then each file's records";
  EXPECT_EQ(last_done, last_total);

  // Asked to stop from the start of each stage on: the scan, the first check, the second.
  for (const std::size_t stage_start : {0u, 2u, 5u}) {
    const ComparisonSummary stopped = SummarizeComparison(
        first, second, {}, [&](std::size_t d, std::size_t) { return d < stage_start; });
    EXPECT_TRUE(stopped.cancelled) << stage_start;
    EXPECT_TRUE(stopped.plotted.empty()) << stage_start;
    EXPECT_EQ(stopped.checks[1].findings.size(), 0u);
  }
}

}  // namespace
}  // namespace tabulon
