// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "common/failure.h"
#include "common/leading_number.h"
#include "properties/evaluation.h"
#include "test_support.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

constexpr double kWidenedR = 1.9872000217437744140625;

// The high and low sets of a species of a corpus database, as the coefficient boxes hold them.
void ReadCorpusSets(const char* file, const char* name, CoefficientSet& high, CoefficientSet& low) {
  LookupResult found = FindSpeciesRecord(testing::CorpusFile(file), name);
  ASSERT_EQ(found.status, LookupStatus::Found) << name;
  const std::string* lines[] = {&found.record.line2, &found.record.line3, &found.record.line4};
  for (int k = 0; k < 14; ++k) {
    double value = LeadingNumber(CoefficientField(*lines[k / 5], k % 5 + 1));
    (k < 7 ? high : low)[static_cast<std::size_t>(k % 7)] = value;
  }
}

TEST(EvalCp, AppliesTheSinglePrecisionGasConstantWidened) {
  const CoefficientSet a1_only{1, 0, 0, 0, 0, 0, 0};
  for (double t : {0.0, 1.0, 298.15, 1000.0, 10000.0}) {
    EXPECT_EQ(EvalCp(a1_only, t), kWidenedR) << t;
    EXPECT_EQ(EvalCp(a1_only, t, 1.9872f), kWidenedR) << t;
  }
  EXPECT_NE(kWidenedR, 1.9872);
}

// The polynomials written out in long double, independently of the evaluation's step order.
TEST(Evaluation, AgreesWithTheNasaPolynomialsComputedLongHand) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat");
  CoefficientSet high{}, low{};
  ReadCorpusSets("gri30_thermo.dat", "CH4", high, low);
  const long double r = 1.9872f;
  for (double t : {200.0, 298.15, 500.0, 1000.0, 1500.0, 3500.0}) {
    for (const CoefficientSet* set : {&high, &low}) {
      const CoefficientSet& a = *set;
      long double T = t;
      long double cp =
          r * (a[0] + a[1] * T + a[2] * T * T + a[3] * T * T * T + a[4] * T * T * T * T);
      long double h = r * T / 1000 *
                      (a[0] + a[1] * T / 2 + a[2] * T * T / 3 + a[3] * T * T * T / 4 +
                       a[4] * T * T * T * T / 5 + a[5] / T);
      long double s = r * (a[0] * std::log(T) + a[1] * T + a[2] * T * T / 2 + a[3] * T * T * T / 3 +
                           a[4] * T * T * T * T / 4 + a[6]);
      EXPECT_NEAR(EvalCp(a, t), static_cast<double>(cp),
                  1e-12 * std::fabs(static_cast<double>(cp)));
      EXPECT_NEAR(EvalH(a, t), static_cast<double>(h), 1e-12 * std::fabs(static_cast<double>(h)));
      EXPECT_NEAR(EvalS(a, t), static_cast<double>(s), 1e-12 * std::fabs(static_cast<double>(s)));
    }
  }
}

// Every power is the library's pow of T, bit for bit, also where it is found another way.
TEST(Evaluation, TakesEveryPowerAsPowGivesIt) {
  const CoefficientSet a{3.1, -2.7e-3, 1.3e-6, -4.9e-10, 7.3e-14, -1.1e4, 2.2};
  const long double r = 1.9872f;
  for (double t = -9000; t <= 9000; t += 1) {
    for (double at : {t, t + 0.25}) {
      double s = 0;
      for (int k = 1; k <= 5; ++k) s = s + a[k - 1] * std::pow(at, k - 1);
      ASSERT_EQ(EvalCp(a, at), s * static_cast<double>(r)) << at;
    }
  }
}

struct FailureCase {
  const char* what;
  std::function<double()> evaluation;
  FailureKind kind;
};

TEST(Evaluation, FailsWithTheKindOfItsFirstBadStep) {
  const CoefficientSet zero{};
  const CoefficientSet a1_only{1, 0, 0, 0, 0, 0, 0};
  const CoefficientSet huge_a1{1e308, 0, 0, 0, 0, 0, 0};
  const CoefficientSet huge_a2{0, 1e308, 0, 0, 0, 0, 0};
  const CoefficientSet a6_only{0, 0, 0, 0, 0, 1e10, 0};
  const FailureCase cases[] = {
      {"Cp: T^4 beyond the range, even times a5 = 0", [&] { return EvalCp(a1_only, 1e80); },
       FailureKind::Overflow},
      {"Cp: the product with R", [&] { return EvalCp(huge_a1, 1); }, FailureKind::Overflow},
      {"H at T = 0, even with a6 = 0", [&] { return EvalH(zero, 0); }, FailureKind::DivisionByZero},
      {"H at T = 0 with a huge a2", [&] { return EvalH(huge_a2, 0); }, FailureKind::DivisionByZero},
      {"H: a6/T at a tiny T", [&] { return EvalH(a6_only, 1e-300); }, FailureKind::Overflow},
      {"H: a2*T before the division by 2", [&] { return EvalH(huge_a2, 2); },
       FailureKind::Overflow},
      {"H: h*R before the division by 1000", [&] { return EvalH(huge_a1, 1); },
       FailureKind::Overflow},
      {"S at T = 0", [&] { return EvalS(a1_only, 0); }, FailureKind::InvalidArgument},
      {"S at T < 0", [&] { return EvalS(a1_only, -1); }, FailureKind::InvalidArgument},
      {"S: T^4 beyond the range", [&] { return EvalS(a1_only, 1e80); }, FailureKind::Overflow},
  };
  for (const FailureCase& c : cases) {
    try {
      c.evaluation();
      ADD_FAILURE() << c.what << ": no failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Kind(), c.kind) << c.what;
    }
  }
}

// Dividing a coefficient before multiplying it by its power keeps these finite; multiplying
// first would overflow.
TEST(Evaluation, DividesEachCoefficientBeforeItsPower) {
  EXPECT_TRUE(std::isfinite(EvalH(CoefficientSet{0, 0, 1.4e308, 0, 0, 0, 0}, 1.2)));
  EXPECT_TRUE(std::isfinite(EvalS(CoefficientSet{0, 0, 1.25e308, 0, 0, 0, 0}, 1.2)));
}

struct PickCase {
  double t, t_low, t_high, t_mid;
  SetPick::Main main;
  bool second, out_of_range, zero;
};

TEST(PickSet, ChoosesTheSetsAndOverridesInOrder) {
  using M = SetPick::Main;
  const PickCase cases[] = {
      {300, 200, 3500, 1000, M::Low, false, false, false},
      {200, 200, 3500, 1000, M::Low, false, false, false},    // T low is in the low range
      {1000, 200, 3500, 1000, M::High, true, false, false},   // both sets at T common
      {3500, 200, 3500, 1000, M::High, false, false, false},  // T high is in the high range
      {199.99, 200, 3500, 1000, M::None, false, true, false},
      {3500.01, 200, 3500, 1000, M::None, false, true, false},
      {0, 200, 3500, 1000, M::None, false, true, true},  // "xxx", then empty
      {0, -100, 3500, 1000, M::Low, false, false, true},
      {0, 0, 0, 0, M::High, true, false, true},             // limits all missing
      {5000, 200, 3500, 5000, M::High, true, true, false},  // T common above T high
  };
  for (const PickCase& c : cases) {
    const SetPick pick = PickSet(c.t, c.t_low, c.t_high, c.t_mid);
    EXPECT_EQ(pick.main, c.main) << c.t;
    EXPECT_EQ(pick.second_from_low, c.second) << c.t;
    EXPECT_EQ(pick.out_of_range, c.out_of_range) << c.t;
    EXPECT_EQ(pick.zero_temperature, c.zero) << c.t;
  }
}

}  // namespace
}  // namespace tabulon
