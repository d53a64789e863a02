// SPDX-License-Identifier: GPL-3.0-or-later
// Which records are repaired and how, what each repair costs (against a brute-force evaluation
// at every kelvin), and the repairs of the corpus files with jumps written and read back.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/database_check.h"
#include "compare/record_repair.h"
#include "exact_nasa7.h"
#include "test_support.h"
#include "thermodb/database_save.h"
#include "thermodb/thermo_file.h"

namespace tabulon {
namespace {

using testing::ExactNasa7;
using testing::kExactWindowR;
using testing::kFlat;
using testing::kFlatHsJump;
using testing::kH2oHigh;
using testing::kH2oLow;
using testing::MakeRecord;
using testing::Raised;
using testing::RecordShape;

// The largest |dCp|, |dH|, |dS| at every whole kelvin, evaluated term by term in long double.
RepairCost BruteForceCost(const TwoRangeNasa7& a, const TwoRangeNasa7& b) {
  RepairCost cost;
  for (int t = int(std::ceil(a.t_low)); t <= a.t_high; ++t) {
    const ExactNasa7 x{t < a.t_mid ? a.low : a.high}, y{t < b.t_mid ? b.low : b.high};
    cost.dcp_max = std::max(cost.dcp_max, double(std::abs(kExactWindowR * (x.Cp(t) - y.Cp(t)))));
    cost.dh_max =
        std::max(cost.dh_max, double(std::abs(kExactWindowR * t * (x.H(t) - y.H(t)) / 1000)));
    cost.ds_max = std::max(cost.ds_max, double(std::abs(kExactWindowR * (x.S(t) - y.S(t)))));
  }
  return cost;
}

void ExpectCost(const RepairCost& actual, const RepairCost& expected) {
  EXPECT_NEAR(actual.dcp_max, expected.dcp_max, 1e-10 * (1 + expected.dcp_max)) << "dCp";
  EXPECT_NEAR(actual.dh_max, expected.dh_max, 1e-10 * (1 + expected.dh_max)) << "dH";
  EXPECT_NEAR(actual.ds_max, expected.ds_max, 1e-10 * (1 + expected.ds_max)) << "dS";
}

// Each coefficient is what C's "%.8E" text of it reads back as.
void ExpectAsWritten(const TwoRangeNasa7& curve) {
  for (const CoefficientSet* set : {&curve.low, &curve.high}) {
    for (double a : *set) {
      char text[32];
      std::snprintf(text, sizeof text, "%.8E", a);
      EXPECT_EQ(a, std::strtod(text, nullptr)) << text;
    }
  }
}

TEST(RecordRepair, ChoosesTheRepairAndReportsItsCost) {
  const RecordShape hs_jump{.high_set = kFlatHsJump, .low_set = kFlat};
  // dH = R 50 / 1000 and dS = R 0.5 over the high range, Cp untouched.
  const RepairCost hs_jump_cost{0, 0.09936000108718872, 0.9936000108718872};
  const RecordShape small_h_jump{.high_set = Raised(kFlat, 5, 3.96), .low_set = kFlat};
  const RecordShape cp_jump{.high_set = Raised(kH2oHigh, 0, 0.05), .low_set = kH2oLow};
  const RecordShape big_cp_jump{.high_set = Raised(kH2oHigh, 0, 0.8), .low_set = kH2oLow};
  const RecordShape bad_limits{.low = 2000, .high_set = kFlat};
  struct Case {
    const char* what;
    RecordShape shape;
    RepairOptions options = {};
    std::optional<RepairAction> action = {};  // none: the record is not considered
    const char* reason = "";
    // NaN: the brute-force evaluation of the repair
    RepairCost cost = {std::numeric_limits<double>::quiet_NaN()};
  } cases[] = {
      {"smooth", {.high_set = kFlat, .low_set = kFlat}},
      {"h and s jump: shift", hs_jump, {}, RepairAction::Shift, "", hs_jump_cost},
      {"h jump just below the tolerance", small_h_jump},
      {"h jump below a tighter tolerance is repaired",
       small_h_jump,
       {.tolerances = {0.01, 0.0009, 0.001}},
       RepairAction::Shift,
       "",
       {0, double(kExactWindowR * 3.96L / 1000), 0}},
      {"cp jump: refit", cp_jump, {}, RepairAction::Refit},
      {"cp jump: refit of both sets", cp_jump, {.refit_both = true}, RepairAction::Refit},
      {"cp jump whose refit changes Cp too much: refused",
       big_cp_jump,
       {},
       RepairAction::Refused,
       "|dCp| above the allowed 1 cal/mol/K"},
      {"the same with a larger allowance", big_cp_jump, {.max_dcp = 5}, RepairAction::Refit},
      {"limits out of order, not named", bad_limits},
      {"limits out of order, named",
       bad_limits,
       {.species = {"CH4"}},
       RepairAction::Skipped,
       "limits out of order"},
      {"no join, named",
       {.mid = 5000, .high_set = kFlatHsJump, .low_set = kFlat},
       {.species = {"CH4"}},
       RepairAction::Skipped,
       "no join: the common temperature is a limit"},
      {"a jump on a chosen line",
       hs_jump,
       {.lines = {3, 7}},
       RepairAction::Shift,
       "",
       hs_jump_cost},
      {"a jump, but other lines chosen", hs_jump, {.lines = {3}}},
      {"a jump, but another species named", hs_jump, {.species = {"H2O"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ThermoRecord record = MakeRecord(c.shape, 7);
    const RepairPlan plan = PlanRepairs(std::vector{record}, c.options);
    ASSERT_EQ(plan.repairs.size(), c.action ? 1u : 0u);
    if (!c.action) continue;
    const RecordRepair& repair = plan.repairs.front();
    EXPECT_EQ(repair.line, 7);
    EXPECT_EQ(repair.name, "CH4");
    EXPECT_EQ(repair.action, c.action);
    EXPECT_EQ(repair.reason.substr(0, std::string(c.reason).size()), c.reason);
    if (repair.action == RepairAction::Skipped) continue;
    ExpectAsWritten(repair.after);
    const RepairCost expected =
        std::isnan(c.cost.dcp_max) ? BruteForceCost(repair.before, repair.after) : c.cost;
    ExpectCost(repair.cost, expected);
    EXPECT_EQ(repair.action == RepairAction::Refused, !(expected.dcp_max <= c.options.max_dcp));
    EXPECT_LT(repair.jumps_after.cp, 1e-7);
    EXPECT_LT(repair.jumps_after.h, 1e-7);
    EXPECT_LT(repair.jumps_after.s, 1e-7);
  }
  const RepairPlan unknown = PlanRepairs(std::vector{MakeRecord({})}, {.species = {"XX", "CH4"}});
  EXPECT_EQ(unknown.unknown_species, std::vector<std::string>{"XX"});
}

TEST(RecordRepair, WritesTheRepairedLinesAfterACommentWithTheOldValues) {
  const std::string text = testing::RecordsDatabaseText(
      {{.name = "A", .high_set = kFlatHsJump, .low_set = kFlat, .hf = -1000},
       {.name = "B", .high_set = Raised(kH2oHigh, 0, 0.05), .low_set = kH2oLow}});
  const ThermoFile file = ThermoFile::Of(FileSnapshot::OfBytes("db.dat", text));
  const RepairPlan plan = PlanRepairs(file.Records(), {});
  ASSERT_EQ(plan.repairs.size(), 2u);
  DatabaseEdit edit(file);
  AddRepairs(plan.repairs, file.Records(), edit);
  const std::string out = edit.Build().bytes;
  EXPECT_NE(out.find("! repaired: high-range a6, a7 shifted to join at 1000 K; was "
                     "-9.50000000E+02, 4.50000000E+00\n" +
                     testing::RecordLine1("A", 300, 5000, 1000) +
                     "\n 4.00000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00 "
                     "0.00000000E+00    2\n-1.00000000E+03 4.00000000E+00 4.00000000E+00 "
                     "0.00000000E+00 0.00000000E+00    3\n 0.00000000E+00 0.00000000E+00"
                     "-1.00000000E+03 4.00000000E+00-1.00000000E+03    4\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("! repaired: high-range a1..a7 refitted to join at 1000 K; was "
                     "2.64547801E+00, 3.17275324E-03, -9.34644178E-07, 1.33650038E-10, "
                     "-7.45005446E-15, -2.98612205E+04, 7.31375646E+00\n"),
            std::string::npos)
      << out;
}

// The corpus files with jumps, repaired with every refit allowed: the written file has no
// jump left, every record not repaired is byte for byte its source, a shift leaves Cp/R as it
// was at every kelvin, and the reported costs are those of the records as read back.
TEST(RecordRepair, CorpusFilesWithJumpsRepairedAndReadBack) {
  const char* const files[] = {"sandiego20160815_therm.txt", "llnl_prf_v3_therm.txt",
                               "llnl_c8c16_nalkanes_lowercase_cr.therm",
                               "methylformate_dooley2010_therm.dat", "hp_dme_therm.dat"};
  TABULON_REQUIRE_CORPUS();
  testing::TempDir dir;
  for (const char* name : files) {
    SCOPED_TRACE(name);
    const ThermoFile source = ThermoFile::Read(testing::CorpusFile(name));
    ASSERT_TRUE(source.Outcome().Succeeded()) << source.Outcome().problem;
    const RepairOptions options{.max_dcp = std::numeric_limits<double>::infinity()};
    const RepairPlan plan = PlanRepairs(source.Records(), options);
    ASSERT_FALSE(plan.repairs.empty());
    DatabaseEdit edit(source);
    AddRepairs(plan.repairs, source.Records(), edit);
    const std::string target = dir.File(name);
    const SaveOutcome saved = SaveDatabase(edit.Build(), target, {});
    ASSERT_TRUE(saved.saved) << saved.problem;
    const ThermoFile written = ThermoFile::Read(target);

    for (const CheckFinding& finding :
         CheckRecords(written.Records(), options.tolerances).findings) {
      EXPECT_TRUE(finding.code != CheckCode::CpJump && finding.code != CheckCode::HJump &&
                  finding.code != CheckCode::SJump)
          << finding.line << " " << finding.name << " " << finding.detail;
    }
    // Records pair up in order; each repaired one is preceded by its comment line.
    ASSERT_EQ(written.Records().size(), source.Records().size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < source.Records().size(); ++i) {
      const ThermoRecord& before = source.Records()[i];
      const ThermoRecord& after = written.Records()[i];
      const bool repaired = next < plan.repairs.size() && plan.repairs[next].record == i;
      if (!repaired) {
        EXPECT_EQ(after.Lines(), before.Lines()) << before.name;
        continue;
      }
      const RecordRepair& repair = plan.repairs[next++];
      ASSERT_TRUE(repair.Applied()) << before.name << ": " << repair.reason;
      EXPECT_EQ(written.Text().Line(std::size_t(after.line_number - 2)).substr(0, 12),
                "! repaired: ");
      EXPECT_EQ(after.Line(0), before.Line(0));
      const TwoRangeNasa7 old_curve = TwoRangeNasa7::Of(before),
                          new_curve = TwoRangeNasa7::Of(after);
      ExpectCost(repair.cost, BruteForceCost(old_curve, new_curve));
      if (repair.action != RepairAction::Shift) continue;
      for (int t = int(std::ceil(before.t_low)); t <= before.t_high; ++t) {
        const long double cp_old = ExactNasa7{old_curve.SetAt(t)}.Cp(t);
        const long double cp_new = ExactNasa7{new_curve.SetAt(t)}.Cp(t);
        ASSERT_LE(std::abs(cp_new - cp_old), 1e-12 * std::abs(cp_old)) << before.name << t;
      }
    }
    EXPECT_EQ(next, plan.repairs.size());
    // Only the comment lines were added.
    EXPECT_EQ(written.LineCount(), source.LineCount() + plan.repairs.size());
  }
}

}  // namespace
}  // namespace tabulon
