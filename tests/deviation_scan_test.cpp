// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/check_rules.h"
#include "compare/deviation_report.h"
#include "compare/deviation_scan.h"
#include "compare/grid_search.h"
#include "compare/nasa7_forms.h"

namespace tabulon {
namespace {

using testing::MakeRecord;
using testing::RecordShape;

// What evaluating every kelvin in order gives: the reference for the bounded search.
Deviation BruteForce(const TwoRangeNasa7& a, const TwoRangeNasa7& b) {
  const int from = int(std::ceil(std::max(a.t_low, b.t_low)));
  const int to = int(std::floor(std::min(a.t_high, b.t_high)));
  Deviation d{from, to, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}};
  const auto differences = [&](int t) {
    const Properties pa = PropertiesAt(a.SetAt(t), t, kWindowUnits);
    const Properties pb = PropertiesAt(b.SetAt(t), t, kWindowUnits);
    return std::array<double, 4>{std::abs(pa.cp - pb.cp), std::abs(pa.h - pb.h),
                                 std::abs(pa.s - pb.s), std::abs(pa.g - pb.g)};
  };
  PropertyDeviation* slots[] = {&d.cp, &d.h, &d.s, &d.g};
  for (int t = from; t <= to; ++t) {
    const auto values = differences(t);
    for (int k = 0; k < 4; ++k) {
      if (values[k] > slots[k]->max) *slots[k] = {values[k], t};
    }
  }
  // The first kelvin within rounding of the largest.
  for (int k = 0; k < 4; ++k) {
    PropertyDeviation* slot = slots[k];
    for (int t = from; t <= to; ++t) {
      if (differences(t)[k] >= slot->max * (1 - kDeviationTieFraction)) {
        slot->t = t;
        break;
      }
    }
  }
  return d;
}

// A smooth, physically shaped set: a template plus a random perturbation.
CoefficientSet RandomSet(std::mt19937_64& rng, double scale) {
  std::uniform_real_distribution<double> u(-1, 1);
  return {3.5 + scale * u(rng),
          1e-3 * (1 + scale * u(rng)),
          -1e-7 * (1 + scale * u(rng)),
          1e-11 * (1 + scale * u(rng)),
          -1e-15 * (1 + scale * u(rng)),
          -1000 * (1 + u(rng)),
          4 + scale * u(rng)};
}

TEST(DeviationScan, SameAsEvaluatingEveryKelvin) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> u(0, 1);
  for (int trial = 0; trial < 300; ++trial) {
    SCOPED_TRACE(trial);
    // Differences from huge to the last digit, limits on fractions, joins inside and outside
    // the overlap.
    const double scale = std::pow(10.0, -1 - 14 * u(rng));
    TwoRangeNasa7 a{200 + 100 * u(rng), 600 + 1500 * u(rng), 2500 + 3000 * u(rng),
                    RandomSet(rng, 0.3), RandomSet(rng, 0.3)};
    TwoRangeNasa7 b = a;
    b.t_low += 200 * u(rng);
    b.t_mid = 500 + 1500 * u(rng);
    b.t_high -= 1000 * u(rng);
    for (CoefficientSet* set : {&b.low, &b.high}) {
      for (double& c : *set) c *= 1 + scale * (2 * u(rng) - 1);
    }
    if (trial % 5 == 0) b.low = a.low;  // a piece where both use the same set
    const auto fast = ScanDeviation(a, b, kWindowUnits);
    const Deviation slow = BruteForce(a, b);
    ASSERT_TRUE(fast.has_value());
    EXPECT_EQ(fast->t_from, slow.t_from);
    EXPECT_EQ(fast->t_to, slow.t_to);
    EXPECT_EQ(fast->cp.max, slow.cp.max);
    EXPECT_EQ(fast->cp.t, slow.cp.t);
    EXPECT_EQ(fast->h.max, slow.h.max);
    EXPECT_EQ(fast->h.t, slow.h.t);
    EXPECT_EQ(fast->s.max, slow.s.max);
    EXPECT_EQ(fast->s.t, slow.s.t);
    EXPECT_EQ(fast->g.max, slow.g.max);
    EXPECT_EQ(fast->g.t, slow.g.t);
  }
}

// The scan evaluates one property at a time; it must be PropertiesAt's value to the last bit.
TEST(DeviationScan, SinglePropertiesAreThoseOfPropertiesAt) {
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> u(200, 6000);
  for (int trial = 0; trial < 2000; ++trial) {
    const CoefficientSet set = RandomSet(rng, 0.5);
    const double t = trial % 2 ? std::round(u(rng)) : u(rng);
    for (const Units* units : {&kWindowUnits, &kSIUnits}) {
      const Properties p = PropertiesAt(set, t, *units);
      EXPECT_EQ(CpAt(set, t, *units), p.cp);
      EXPECT_EQ(HAt(set, t, *units), p.h);
      EXPECT_EQ(SAt(set, t, *units), p.s);
      EXPECT_EQ(GAt(set, t, *units), p.g);
    }
  }
}

TEST(DeviationScan, ConstantDifferenceTakesTheFirstKelvin) {
  // a1 larger by 0.5 in both sets: Cp differs by 0.5 R everywhere but for rounding in the
  // last bits, and the first kelvin is reported.
  const CoefficientSet set{3.5, 1.2e-3, -4e-7, 6e-11, -3e-15, -1000, 4};
  CoefficientSet shifted = set;
  shifted[0] += 0.5;
  const TwoRangeNasa7 a{300.5, 1000, 3000.7, set, set};
  const TwoRangeNasa7 b{250, 1200, 5000, shifted, shifted};
  const auto d = ScanDeviation(a, b, kWindowUnits);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->t_from, 301);
  EXPECT_EQ(d->t_to, 3000);
  EXPECT_NEAR(d->cp.max, 0.5 * double(kRGas), 1e-12);
  EXPECT_EQ(d->cp.t, 301);
  // H differs by 0.5 R T / 1000 and S by 0.5 R ln T: largest at the top.
  EXPECT_EQ(d->h.t, 3000);
  EXPECT_NEAR(d->h.max, 0.5 * double(kRGas) * 3000 / 1000, 1e-12);
  EXPECT_EQ(d->s.t, 3000);
}

TEST(DeviationScan, IdenticalRecordsDifferByZeroFromTheFirstKelvin) {
  const TwoRangeNasa7 a{
      300, 1000, 5000, {3, 1e-3, 0, 0, 0, -900, 5}, {3.2, 2e-3, 0, 0, 0, -800, 4}};
  const auto d = ScanDeviation(a, a, kWindowUnits);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->cp.max, 0);
  EXPECT_EQ(d->cp.t, 300);
  EXPECT_EQ(d->h.t, 300);
  EXPECT_EQ(d->s.t, 300);
}

TEST(DeviationScan, OverlapWithoutAWholeKelvinIsNone) {
  const CoefficientSet set{3.5, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(
      ScanDeviation({300, 400, 500.4, set, set}, {500.1, 600, 700, set, set}, kWindowUnits));
  EXPECT_FALSE(ScanDeviation({300, 400, 500, set, set}, {600, 700, 800, set, set}, kWindowUnits));
  const auto one =
      ScanDeviation({300, 400, 500, set, set}, {500, 600, 700, set, set}, kWindowUnits);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->t_from, 500);
  EXPECT_EQ(one->t_to, 500);
}

TEST(DeviationScan, AnAbsurdHighLimitIsScannedUpToAMillionKelvin) {
  // A limit typed with extra digits must neither overflow nor take a billion evaluations.
  const CoefficientSet set{3.5, 1e-4, 0, 0, 0, -1000, 4};
  CoefficientSet shifted = set;
  shifted[0] += 1e-3;
  const auto d =
      ScanDeviation({300, 5e11, 1e12, set, set}, {300, 1000, 3e12, shifted, shifted}, kWindowUnits);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->t_from, 300);
  EXPECT_EQ(d->t_to, 1000000);
  EXPECT_EQ(d->cp.t, 300);
  EXPECT_FALSE(ScanDeviation({2e6, 3e6, 4e6, set, set}, {2e6, 3e6, 4e6, set, set}, kWindowUnits));
  // The same limit in the check: Cp turns negative only far beyond the grid's end.
  const TwoRangeNasa7 falling{300, 1000, 1e12, set, {1, -1e-7, 0, 0, 0, 0, 0}};
  EXPECT_FALSE(FirstNonPositiveCp(falling));
  // cp/R = 1 - T / 2^19 is exactly 0 at 524288 K.
  const TwoRangeNasa7 falling_sooner{300, 1000, 1e12, set, {1, -1.0 / 524288, 0, 0, 0, 0, 0}};
  ASSERT_TRUE(FirstNonPositiveCp(falling_sooner));
  EXPECT_EQ(FirstNonPositiveCp(falling_sooner)->t, 524288);
}

TEST(DeviationScans, CommonNamesInByteOrderFromTheFirstRecordOfEach) {
  const CoefficientSet base{3.5, 0, 0, 0, 0, -1000, 4};
  CoefficientSet other = base;
  other[0] = 4;
  const std::vector<ThermoRecord> first = {
      MakeRecord({.name = "O2"}, 1),
      MakeRecord({.name = "ch4"}, 5),
      MakeRecord({.name = "CH4", .high_set = other, .low_set = other}, 9),
      MakeRecord({.name = "BAD", .low = 900, .high = 500}, 13),
      MakeRecord({.name = "\xc9T"}, 17),
      MakeRecord({.name = "ONLY1"}, 21)};
  const std::vector<ThermoRecord> second = {
      MakeRecord({.name = "\xc9T"}, 3), MakeRecord({.name = "BAD"}, 7),
      MakeRecord({.name = "CH4", .high_set = other, .low_set = other}, 11),
      MakeRecord({.name = "O2"}, 15)};
  const DeviationRun run = ScanDeviations(first, second);
  std::vector<std::string> names;
  for (const DeviationRow& row : run.rows) names.push_back(row.name);
  EXPECT_EQ(names, (std::vector<std::string>{"BAD", "CH4", "O2", "\xc9T"}));
  EXPECT_FALSE(run.rows[0].deviation) << "limits out of order";
  ASSERT_TRUE(run.rows[1].deviation);
  // CH4 of the first file is its first record (line 5, the lower-case name), not line 9.
  EXPECT_EQ(run.rows[1].line1, 5);
  EXPECT_NEAR(run.rows[1].deviation->cp.max, 0.5 * double(kRGas), 1e-9);

  std::ostringstream csv;
  WriteDeviationsCsv(csv, run.rows);
  std::istringstream lines(csv.str());
  std::string header, bad, ch4;
  std::getline(lines, header);
  std::getline(lines, bad);
  std::getline(lines, ch4);
  EXPECT_EQ(header, "name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t");
  EXPECT_EQ(bad, "BAD,,,,,,,,");
  EXPECT_EQ(ch4.substr(0, 18), "CH4,300,5000,0.993");

  std::ostringstream table;
  WriteDeviationsTable(table, run.rows);
  const std::string text = table.str();
  EXPECT_LT(text.find("CH4"), text.find("O2")) << "largest Cp difference first";
  EXPECT_LT(text.find("O2"), text.find("BAD")) << "rows without a range last";
}

// The bounded searches on their own, against every point, with functions that have roots and
// flat stretches.
TEST(GridSearch, AgreesWithEveryPoint) {
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> u(-1, 1);
  for (int trial = 0; trial < 400; ++trial) {
    SCOPED_TRACE(trial);
    // (T - r1)(T - r2)(T - r3) scaled, plus a constant: roots inside or outside 300 .. 4000.
    const double r1 = 2000 + 2500 * u(rng), r2 = 2000 + 2500 * u(rng), r3 = 2000 + 2500 * u(rng);
    const double k = 1e-9 * u(rng), c = 2 * u(rng);
    GridFunction f;
    f.power = {
        c - k * r1 * r2 * r3, k * (r1 * r2 + r1 * r3 + r2 * r3), -k * (r1 + r2 + r3), k, 0, 0};
    f.log = trial % 3 == 0 ? 0.1 * u(rng) : 0;
    f.t_log = trial % 4 == 1 ? 1e-4 * u(rng) : 0;
    const int from = 300, to = 4000;
    const auto exact = [&](int t) { return f.At(t); };
    const double margin = kGridMarginFraction * f.Magnitude(to);

    std::optional<int> first;
    GridExtreme slow;
    for (int t = from; t <= to; ++t) {
      if (!first && !(exact(t) > 0)) first = t;
      slow.Offer(std::abs(exact(t)), t);
    }
    EXPECT_EQ(FirstAtOrBelowZero(f, from, to, margin, exact), first);
    GridExtreme fast;
    SeedLargest(from, to, exact, fast);
    RefineLargest(f, from, to, margin, exact, fast);
    EXPECT_EQ(fast.value, slow.value);
    EXPECT_EQ(fast.t, slow.t);
  }
}

}  // namespace
}  // namespace tabulon
