// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch table on the JANAF-fitted examples: every number against values computed
// independently (exact rational arithmetic on the record's coefficients, rounded once), the
// range edges, the units and the usage errors.
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "properties/property_table.h"
#include "properties/species_source.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::RunBatch;
using testing::TempDir;

std::string Example(const char* name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + name;
}

std::vector<std::vector<std::string>> Csv(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = line.find(',', start);
      cells.push_back(line.substr(start, comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
    rows.push_back(cells);
  }
  return rows;
}

double Number(const std::string& cell) {
  char* end = nullptr;
  const double value = std::strtod(cell.c_str(), &end);
  EXPECT_EQ(*end, '\0') << cell;
  return value;
}

// Cp, H, S, G of H2O from the exact sums of its coefficients (Python fractions; the logarithm
// to 50 digits), rounded once to double; per mole, or with per_mass divided by H2O's 18.015
// g/mol (2 x 1.0080 + 15.999) in the test.
struct Expected {
  const char* db;
  double t;
  bool si;
  double cp, h, s, g;
  bool per_mass = false;
};
constexpr Expected kH2O[] = {
    {"therm_a.dat", 200, false, 7.9738106291343032, -58.581748471524818, 41.943337943222602,
     -66.970416060169342},
    {"therm_a.dat", 300, true, 33.585178840287867, -241.76387551329648, 189.04172191166384,
     -298.47639208679561},
    {"therm_a.dat", 999, false, 9.8527634382213698, -51.595562776850045, 55.613463004839666,
     -107.15341231868487},
    {"therm_a.dat", 1000, false, 9.8560889446135782, -51.585708335583838, 55.6233224127987,
     -107.20903074838253},
    {"therm_a.dat", 5000, true, 59.391124999845566, 0.48732756011496992, 315.9939674416392,
     -1579.4825096480808},
    {"therm_b.dat", 999, false, 9.8610237175560851, -51.593506155286484, 55.615716746851064,
     -107.1536071853907},
    {"therm_b.dat", 1000, false, 9.8433750004338236, -51.583643402702648, 55.625584281853079,
     -107.20922768455573},
    {"therm_b.dat", 1000, true, 41.184768810663464, -215.82642415415279, 232.73794084907132,
     -448.56436500322411},
    {"therm_b.dat", 5000, false, 14.192665987886949, 0.1163387084529683, 75.524405033263889,
     -377.50568645786649},
    {"therm_a.dat", 300, true, 33.585178840287867, -241.76387551329648, 189.04172191166384,
     -298.47639208679561, true},
    {"therm_b.dat", 1000, false, 9.8433750004338236, -51.583643402702648, 55.625584281853079,
     -107.20922768455573, true},
};

TEST(BatchTable, ValuesAgreeWithAnIndependentExactEvaluation) {
  const TempDir scratch;
  for (const Expected& e : kH2O) {
    SCOPED_TRACE(std::string(e.db) + " T = " + std::to_string(e.t) + (e.si ? " SI" : ""));
    const std::string t = ShortestText(e.t);
    std::vector<std::string> args = {"table", Example(e.db), "h2o", "--from", t, "--to", t};
    if (e.si) args.push_back("--si");
    if (e.per_mass) args.push_back("--per-mass");
    const BatchRun run = RunBatch(args, scratch);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto rows = Csv(run.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"T", "Cp1", "H1", "S1", "G1"}));
    EXPECT_EQ(rows[1][0], t);
    // A few units in the last place: the double arithmetic against the exact sums. H and G
    // at 5000 K are small differences of large terms, so their bound is absolute.
    const double per = e.per_mass ? (e.si ? 0.018015 : 18.015) : 1;
    const double expected[] = {e.cp / per, e.h / per, e.s / per, e.g / per};
    for (int k = 0; k < 4; ++k) {
      const double got = Number(rows[1][1 + k]);
      EXPECT_NEAR(got, expected[k], 1e-13 * std::max(30.0 / per, std::fabs(expected[k]))) << k;
    }
  }
}

TEST(BatchTable, EveryCellIsTheEvaluationOfTheRecordToTheLastDigit) {
  const TempDir scratch;
  const BatchRun run =
      RunBatch({"table", Example("therm_a.dat"), "CH4", "--db2", Example("therm_b.dat"), "--from",
                "100", "--to", "6000", "--step", "50"},
               scratch);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto rows = Csv(run.out);
  ASSERT_EQ(rows.size(), 1u + 119u);
  const TwoRangeNasa7 a = *LoadSpeciesSource(Example("therm_a.dat"), "CH4").ranges;
  const TwoRangeNasa7 b = *LoadSpeciesSource(Example("therm_b.dat"), "CH4").ranges;
  int rows_with_values = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 13u);
    const double t = Number(rows[i][0]);
    EXPECT_EQ(t, 100 + 50 * double(i - 1));
    for (int side = 0; side < 2; ++side) {
      const TwoRangeNasa7& r = side == 0 ? a : b;
      const auto* cells = &rows[i][1 + 4 * side];
      if (!r.Covers(t)) {
        for (int k = 0; k < 4; ++k) EXPECT_EQ(cells[k], "") << t;
        continue;
      }
      const Properties p = PropertiesAt(r.SetAt(t), t, kWindowUnits);
      EXPECT_EQ(Number(cells[0]), p.cp) << t;
      EXPECT_EQ(Number(cells[1]), p.h) << t;
      EXPECT_EQ(Number(cells[2]), p.s) << t;
      EXPECT_EQ(Number(cells[3]), p.g) << t;
      if (side == 0) ++rows_with_values;
    }
    const bool both = a.Covers(t) && b.Covers(t);
    for (int k = 0; k < 4; ++k) {
      if (!both) {
        EXPECT_EQ(rows[i][9 + k], "") << t;
      } else {
        EXPECT_EQ(Number(rows[i][9 + k]), Number(rows[i][1 + k]) - Number(rows[i][5 + k]));
      }
    }
  }
  // 100 and 150 K lie below the records' 200 K, 5050 K and above beyond their 5000 K.
  EXPECT_EQ(rows_with_values, 97);
}

struct Misuse {
  std::vector<std::string> args;
  int status;
  std::string message;  // part of stderr
};

TEST(BatchTable, WrongUsageAndMissingSpeciesSaySoWithoutATable) {
  const std::string a = Example("therm_a.dat");
  const TempDir scratch;
  // A species whose composition names no element has no weight to divide by.
  std::string bytes = testing::ReadBytes(a);
  bytes.replace(bytes.find("MOLEC AR  1"), 11, "MOLEC QS  1");
  const std::string odd = scratch.Write("odd.dat", bytes);
  const Misuse cases[] = {
      {{"table", a}, 2, "usage:"},
      {{"table", a, "H2O", "--step"}, 2, "usage:"},
      {{"table", a, "H2O", "--unknown", "1"}, 2, "usage:"},
      {{"table", a, "H2O", "--step", "0"}, 2, "the step must be above 0"},
      {{"table", a, "H2O", "--from", "3000", "--to", "300"}, 2, "from must not be above to"},
      {{"table", a, "H2O", "--from", "300K"}, 2, "--from needs a number"},
      {{"table", a, "H2O", "--step", "1e-9"}, 2, "more than 1000000 rows"},
      {{"table", a, "NOSUCH"}, 1, "NOSUCH is not in"},
      {{"table", a, "H2O", "--db2", Example("missing.dat")}, 1, "cannot read"},
      {{"table", odd, "AR", "--per-mass"},
       1,
       "the molecular weight of AR in " + odd + " is unknown (formula Qs1)"},
  };
  for (const Misuse& m : cases) {
    const BatchRun run = RunBatch(m.args, scratch);
    EXPECT_EQ(run.status, m.status) << m.message;
    EXPECT_EQ(run.out, "") << m.message;
    EXPECT_NE(run.err.find(m.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace tabulon
