// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "properties/evaluation.h"
#include "properties/nasa7.h"
#include "properties/value_text.h"
#include "thermodb/thermo_file.h"

namespace tabulon {
namespace {

std::string Example(const char* name) {
  return (std::filesystem::path(TABULON_SOURCE_DIR) / "examples" / name).string();
}

void ExpectClose(double actual, double expected, const std::string& what) {
  EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::abs(expected))) << what;
}

// The double-precision polynomials in the window's units give the window's own values (up to
// rounding: the operation order differs) for every example record across its whole range.
TEST(Nasa7, AgreesWithTheWindowsEvaluation) {
  for (const char* name : {"therm_a.dat", "therm_b.dat"}) {
    const ThermoFile file = ThermoFile::Read(Example(name));
    ASSERT_FALSE(file.Records().empty()) << name;
    for (const ThermoRecord& record : file.Records()) {
      const TwoRangeNasa7 nasa = TwoRangeNasa7::Of(record);
      for (double t : {record.t_low, 298.15, 700.0, record.t_mid, 1500.0, 2999.5, record.t_high}) {
        if (!nasa.Covers(t)) continue;
        const CoefficientSet& set = nasa.SetAt(t);
        const Properties p = PropertiesAt(set, t, kWindowUnits);
        const std::string what = std::string(name) + " " + record.name + " at " + std::to_string(t);
        ExpectClose(p.cp, EvalCp(set, t), "Cp of " + what);
        ExpectClose(p.h, EvalH(set, t), "H of " + what);
        ExpectClose(p.s, EvalS(set, t), "S of " + what);
        ExpectClose(p.g, p.h - t * p.s / 1000, "G of " + what);
      }
    }
  }
}

TEST(Nasa7, GivesTheWalkThroughValues) {
  const ThermoFile file = ThermoFile::Read(Example("therm_a.dat"));
  const ThermoRecord* ch4 = file.Find("CH4");
  ASSERT_NE(ch4, nullptr);
  const Properties p = PropertiesAt(TwoRangeNasa7::Of(*ch4).SetAt(298.15), 298.15, kWindowUnits);
  EXPECT_EQ(ValueText(p.cp), " 8.559");
  EXPECT_EQ(ValueText(p.h), "-17.9");
  EXPECT_EQ(ValueText(p.s), " 44.51");
}

// Argon is a monatomic ideal gas: Cp = 5/2 R exactly, H(298.15 K) = 0 by the fit's a6, and its
// standard entropy is 154.85 J/mol/K (NIST-JANAF).
TEST(Nasa7, SIUnitsForArgon) {
  const ThermoFile file = ThermoFile::Read(Example("therm_a.dat"));
  const ThermoRecord* ar = file.Find("AR");
  ASSERT_NE(ar, nullptr);
  const Properties si = PropertiesAt(ar->low, 298.15, kSIUnits);
  EXPECT_DOUBLE_EQ(si.cp, 2.5 * 8.314462618);
  EXPECT_NEAR(si.h, 0, 1e-3);
  EXPECT_NEAR(si.s, 154.85, 0.01);
  EXPECT_NEAR(si.g, si.h - 298.15 * si.s / 1000, 1e-12);
  const Properties window = PropertiesAt(ar->low, 298.15, kWindowUnits);
  EXPECT_DOUBLE_EQ(window.cp, 2.5 * double(kRGas));
  EXPECT_STREQ(kSIUnits.cp_unit, "J/mol/K");
  EXPECT_STREQ(kWindowUnits.h_unit, "kcal/mol");
  // Per mass with argon's 39.95 g/mol: 2.5 R / 0.03995 kg/mol, 2.5 R / 39.95 g/mol.
  const Properties per_kg = PropertiesAt(ar->low, 298.15, PerMassUnits(true, 39.95));
  EXPECT_NEAR(per_kg.cp, 2.5 * 8.314462618 / 0.03995, 1e-9);
  EXPECT_NEAR(per_kg.s, 154.85 / 0.03995, 0.01 / 0.03995);
  const Properties per_g = PropertiesAt(ar->low, 298.15, PerMassUnits(false, 39.95));
  EXPECT_NEAR(per_g.cp, 2.5 * double(kRGas) / 39.95, 1e-12);
  EXPECT_STREQ(PerMassUnits(true, 39.95).cp_unit, "J/kg/K");
  EXPECT_STREQ(PerMassUnits(true, 39.95).h_unit, "kJ/kg");
  EXPECT_STREQ(PerMassUnits(false, 39.95).cp_unit, "cal/g/K");
  EXPECT_STREQ(PerMassUnits(false, 39.95).h_unit, "kcal/g");
}

// The two ranges pick their set exactly as the window's temperature fields do.
TEST(Nasa7, TwoRangesPickTheSetsAsTheWindowDoes) {
  TwoRangeNasa7 nasa{.t_low = 300, .t_mid = 1000, .t_high = 5000, .low = {1}, .high = {2}};
  for (double t : {0.0, 299.99, 300.0, 999.999, 1000.0, 1000.001, 5000.0, 5000.01}) {
    const SetPick pick = PickSet(t, nasa.t_low, nasa.t_high, nasa.t_mid);
    EXPECT_EQ(nasa.Covers(t), !pick.out_of_range) << t;
    if (pick.main == SetPick::Main::None) continue;
    EXPECT_EQ(&nasa.SetAt(t), pick.main == SetPick::Main::Low ? &nasa.low : &nasa.high) << t;
  }
}

TEST(Nasa7, MeasuresTheJumpWhereTheRangesMeet) {
  const ThermoFile a = ThermoFile::Read(Example("therm_a.dat"));
  for (const ThermoRecord& record : a.Records()) {
    const TwoRangeNasa7::Join join = TwoRangeNasa7::Of(record).MismatchAtJoin();
    EXPECT_LT(std::abs(join.cp_over_r), 1e-3) << record.name << " was fitted to join smoothly";
    EXPECT_LT(std::abs(join.h_over_rt), 1e-3) << record.name;
    EXPECT_LT(std::abs(join.s_over_r), 1e-3) << record.name;
  }
  // The H2O of the second example was fitted range by range: 9.843 against 9.864 cal/mol/K.
  const ThermoFile b = ThermoFile::Read(Example("therm_b.dat"));
  const ThermoRecord* h2o = b.Find("H2O");
  ASSERT_NE(h2o, nullptr);
  const TwoRangeNasa7::Join join = TwoRangeNasa7::Of(*h2o).MismatchAtJoin();
  EXPECT_NEAR(join.cp_over_r * double(kRGas), 9.843 - 9.864, 1e-3);
}

}  // namespace
}  // namespace tabulon
