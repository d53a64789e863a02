// SPDX-License-Identifier: GPL-3.0-or-later
// The repair formulas on constructed records, each checked against an independent evaluation
// (long double, the textbook forms) and, for the fits, against least squares solved in another
// parametrisation (the constraints built into the basis, normal equations by Gauss elimination).
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/constrained_least_squares.h"
#include "compare/join_repair.h"
#include "exact_nasa7.h"

namespace tabulon {
namespace {

using testing::ExactNasa7;
using testing::kFlat;
using testing::kFlatHsJump;
using testing::kH2oHigh;
using testing::kH2oLow;
using testing::Raised;

// `base` plus k (T - tm)^2 in Cp/R: the same Cp/R and slope at tm, another curve elsewhere.
CoefficientSet BentAt(CoefficientSet base, double tm, double k) {
  base[0] += k * tm * tm;
  base[1] -= 2 * k * tm;
  base[2] += k;
  return base;
}

TwoRangeNasa7 Curve(double tl, double tm, double th, const CoefficientSet& low,
                    const CoefficientSet& high) {
  return {.t_low = tl, .t_mid = tm, .t_high = th, .low = low, .high = high};
}

// Least squares by the normal equations, solved by Gauss elimination with partial pivoting.
std::vector<long double> LeastSquares(const std::vector<std::vector<long double>>& rows,
                                      const std::vector<long double>& rhs) {
  const std::size_t n = rows.front().size();
  std::vector<std::vector<long double>> m(n, std::vector<long double>(n + 1, 0));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) m[i][j] += rows[r][i] * rows[r][j];
      m[i][n] += rows[r][i] * rhs[r];
    }
  }
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r) {
      if (std::abs(m[r][c]) > std::abs(m[pivot][c])) pivot = r;
    }
    std::swap(m[c], m[pivot]);
    for (std::size_t r = 0; r < n; ++r) {
      if (r == c) continue;
      const long double f = m[r][c] / m[c][c];
      for (std::size_t j = c; j <= n; ++j) m[r][j] -= f * m[c][j];
    }
  }
  std::vector<long double> x(n);
  for (std::size_t i = 0; i < n; ++i) x[i] = m[i][n] / m[i][i];
  return x;
}

// The whole kelvins where the window uses each set.
std::vector<int> LowKelvins(const TwoRangeNasa7& c) {
  std::vector<int> t;
  for (int k = int(std::ceil(c.t_low)); k < c.t_mid; ++k) t.push_back(k);
  return t;
}
std::vector<int> HighKelvins(const TwoRangeNasa7& c) {
  std::vector<int> t;
  for (int k = int(std::ceil(c.t_mid)); k <= c.t_high; ++k) t.push_back(k);
  return t;
}

// The refit's answer found independently: Cp/R of the moved set is written as
//   cK + sK (T - Tm) + (T - Tm)^2 (c2 + c3 x + c4 x^2) with x = (T - Tm) / Tm,
// which meets the kept set's value cK and slope sK at Tm by construction.
std::function<long double(long double)> IndependentRefit(const TwoRangeNasa7& c, bool high) {
  const ExactNasa7 kept{high ? c.low : c.high}, old{high ? c.high : c.low};
  const long double tm = c.t_mid, ck = kept.Cp(tm), sk = kept.Slope(tm);
  std::vector<std::vector<long double>> rows;
  std::vector<long double> rhs;
  for (int t : high ? HighKelvins(c) : LowKelvins(c)) {
    const long double x = (t - tm) / tm;
    rows.push_back({x * x, x * x * x, x * x * x * x});
    rhs.push_back(old.Cp(t) - ck - sk * (t - tm));
  }
  const std::vector<long double> z = LeastSquares(rows, rhs);
  return [=](long double t) {
    const long double x = (t - tm) / tm;
    return ck + sk * (t - tm) + x * x * (z[0] + z[1] * x + z[2] * x * x);
  };
}

// Refit both, independently: a free quartic in x for the low set, and for the high set the
// low one's value and slope at Tm plus x^2 (h2 + h3 x + h4 x^2).
std::pair<std::function<long double(long double)>, std::function<long double(long double)>>
IndependentRefitBoth(const TwoRangeNasa7& c) {
  const ExactNasa7 low{c.low}, high{c.high};
  const long double tm = c.t_mid;
  std::vector<std::vector<long double>> rows;
  std::vector<long double> rhs;
  for (int t : LowKelvins(c)) {
    const long double x = (t - tm) / tm;
    rows.push_back({1, x, x * x, x * x * x, x * x * x * x, 0, 0, 0});
    rhs.push_back(low.Cp(t));
  }
  for (int t : HighKelvins(c)) {
    const long double x = (t - tm) / tm;
    rows.push_back({1, x, 0, 0, 0, x * x, x * x * x, x * x * x * x});
    rhs.push_back(high.Cp(t));
  }
  const std::vector<long double> z = LeastSquares(rows, rhs);
  const auto x_of = [tm](long double t) { return (t - tm) / tm; };
  return {[=](long double t) {
            const long double x = x_of(t);
            return z[0] + x * (z[1] + x * (z[2] + x * (z[3] + x * z[4])));
          },
          [=](long double t) {
            const long double x = x_of(t);
            return z[0] + z[1] * x + x * x * (z[5] + z[6] * x + z[7] * x * x);
          }};
}

void ExpectJoined(const TwoRangeNasa7& c) {
  const ExactNasa7 low{c.low}, high{c.high};
  const long double tm = c.t_mid;
  EXPECT_NEAR(double(high.H(tm) - low.H(tm)), 0, 1e-11) << "H/RT at Tm";
  EXPECT_NEAR(double(high.S(tm) - low.S(tm)), 0, 1e-11) << "S/R at Tm";
}

TEST(ConstrainedLeastSquares, SolvesSmallProblemsWithKnownAnswers) {
  struct Case {
    const char* what;
    std::vector<std::vector<double>> fitted;
    std::vector<double> fitted_rhs;
    std::vector<std::vector<double>> exact;
    std::vector<double> exact_rhs;
    std::vector<double> expected;
  } cases[] = {
      // min |x - y| with x0 + x1 + x2 = 1: x = y + (1 - sum y) / 3.
      {"projection",
       {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
       {0.5, 0.2, 0.9},
       {{1, 1, 1}},
       {1},
       {0.3, 0.0, 0.7}},
      // No fitted rows: the smallest x on the plane.
      {"smallest", {}, {}, {{1, 1, 1}}, {1}, {1.0 / 3, 1.0 / 3, 1.0 / 3}},
      // Points on y = 1 + 2t, the line held through (0, 1): the line itself.
      {"line", {{1, 1}, {1, 2}, {1, 3}}, {3, 5, 7}, {{1, 0}}, {1}, {1, 2}},
      // Two constraints fix x0 and x1; x2 is fitted to the mean of its rows.
      {"two constraints",
       {{0, 0, 1}, {0, 0, 1}},
       {2, 4},
       {{1, 0, 0}, {1, 1, 0}},
       {5, 7},
       {5, 2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::size_t n = c.expected.size();
    LinearRows fitted(n), exact(n);
    for (std::size_t i = 0; i < c.fitted.size(); ++i) fitted.Add(c.fitted[i], c.fitted_rhs[i]);
    for (std::size_t i = 0; i < c.exact.size(); ++i) exact.Add(c.exact[i], c.exact_rhs[i]);
    const std::vector<double> x = SolveConstrainedLeastSquares(fitted, exact);
    ASSERT_EQ(x.size(), n);
    for (std::size_t k = 0; k < n; ++k) EXPECT_NEAR(x[k], c.expected[k], 1e-14) << k;
  }
}

TEST(JoinRepair, ShiftClosesHAndSJumpsAndTouchesNothingElse) {
  struct Case {
    const char* what;
    TwoRangeNasa7 curve;
    RecordSet moved;
    double a6, a7;  // expected of the moved set; NaN: from the exact evaluation
  } cases[] = {
      {"kFlat sets, a6 50 and a7 0.5 off", Curve(300, 1000, 5000, kFlat, kFlatHsJump),
       RecordSet::High, -1000, 4},
      {"H2O, high a6, a7 off",
       Curve(300, 1000, 5000, kH2oLow, Raised(Raised(kH2oHigh, 5, 80), 6, -0.3)), RecordSet::High,
       NAN, NAN},
      {"H2O, only s off", Curve(200, 1000, 6000, kH2oLow, Raised(kH2oHigh, 6, 0.02)),
       RecordSet::High, NAN, NAN},
      {"common temperature below 298.15 K: the low set moves",
       Curve(200, 250, 3000, Raised(Raised(kH2oLow, 5, 12), 6, 0.1), kH2oHigh), RecordSet::Low, NAN,
       NAN},
      {"smooth H2O", Curve(300, 1000, 5000, kH2oLow, kH2oHigh), RecordSet::High, NAN, NAN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MovedSet(c.curve), c.moved);
    const TwoRangeNasa7 shifted = ShiftToJoin(c.curve);
    const bool high = c.moved == RecordSet::High;
    const CoefficientSet& kept_before = high ? c.curve.low : c.curve.high;
    const CoefficientSet& kept_after = high ? shifted.low : shifted.high;
    const CoefficientSet& old = high ? c.curve.high : c.curve.low;
    const CoefficientSet& moved = high ? shifted.high : shifted.low;
    EXPECT_EQ(kept_after, kept_before);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(moved[k], old[k]) << "a" << k + 1;
    // a6 += Tm (hK - hM), a7 += sK - sM, evaluated independently.
    const long double tm = c.curve.t_mid;
    const ExactNasa7 kept{kept_before}, before{old};
    const double a6 = std::isnan(c.a6) ? double(old[5] + tm * (kept.H(tm) - before.H(tm))) : c.a6;
    const double a7 = std::isnan(c.a7) ? double(old[6] + kept.S(tm) - before.S(tm)) : c.a7;
    EXPECT_NEAR(moved[5], a6, 1e-12 * std::abs(a6) + 1e-12);
    EXPECT_NEAR(moved[6], a7, 1e-12 * std::abs(a7) + 1e-12);
    ExpectJoined(shifted);
  }
}

// A refit of one set keeps the other; a refit of both keeps H and S of the low set at the
// reference temperature (298.15 K or the low limit above it). Either way the sets then meet in
// Cp/R, its slope, H and S at Tm, and each refitted set is the independent least squares' answer
// (a set that already meets the other in value and slope comes back as it was).
TEST(JoinRepair, RefitsMeetAtTheJoinAndFitTheOldCurves) {
  struct Case {
    const char* what;
    bool both;
    TwoRangeNasa7 curve;
    double t_ref;    // a refit of both: where the low set keeps H and S
    bool unchanged;  // every refitted set is given back
  } cases[] = {
      {"H2O, high a1 raised by 0.2", false,
       Curve(300, 1000, 5000, kH2oLow, Raised(kH2oHigh, 0, 0.2)), 0, false},
      {"H2O, high slope off", false, Curve(300, 1000, 3500, kH2oLow, Raised(kH2oHigh, 1, 2e-4)), 0,
       false},
      {"common temperature below 298.15 K: the low set is refitted", false,
       Curve(200, 250, 3000, Raised(kH2oLow, 0, -0.3), kH2oHigh), 0, false},
      {"high set bent away from a smooth join", false,
       Curve(300, 1000, 5000, kH2oLow, BentAt(kH2oLow, 1000, 1e-7)), 0, true},
      {"both, H2O, high a1 raised, low limit 200 K", true,
       Curve(200, 1000, 5000, kH2oLow, Raised(kH2oHigh, 0, 0.2)), 298.15, false},
      {"both, H2O, high a1 raised, low limit 400 K", true,
       Curve(400, 1000, 5000, kH2oLow, Raised(kH2oHigh, 0, 0.2)), 400, false},
      {"both, low set lowered, common temperature 1400 K", true,
       Curve(300, 1400, 4000, Raised(kH2oLow, 0, -0.1), kH2oHigh), 300, false},
      {"both, already smooth", true, Curve(300, 1000, 5000, kH2oLow, BentAt(kH2oLow, 1000, 1e-7)),
       300, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TwoRangeNasa7 refit = c.both ? RefitBothToJoin(c.curve) : RefitToJoin(c.curve);
    const ExactNasa7 low{refit.low}, high{refit.high};
    const long double tm = c.curve.t_mid;
    EXPECT_NEAR(double(high.Cp(tm) - low.Cp(tm)), 0, 1e-11) << "Cp/R at Tm";
    EXPECT_NEAR(double((high.Slope(tm) - low.Slope(tm)) * tm), 0, 1e-10) << "slope at Tm";
    ExpectJoined(refit);

    // The independent answer for each refitted set (none for a kept one).
    std::function<long double(long double)> expected_low, expected_high;
    if (c.both) {
      std::tie(expected_low, expected_high) = IndependentRefitBoth(c.curve);
      const ExactNasa7 old_low{c.curve.low};
      const long double tr = c.t_ref;
      EXPECT_NEAR(double(low.H(tr) - old_low.H(tr)), 0, 1e-11) << "H/RT at the reference";
      EXPECT_NEAR(double(low.S(tr) - old_low.S(tr)), 0, 1e-11) << "S/R at the reference";
    } else if (MovedSet(c.curve) == RecordSet::High) {
      EXPECT_EQ(refit.low, c.curve.low);
      expected_high = IndependentRefit(c.curve, true);
    } else {
      EXPECT_EQ(refit.high, c.curve.high);
      expected_low = IndependentRefit(c.curve, false);
    }
    const double tolerance = c.both ? 1e-8 : 1e-9;
    int compared = 0;
    for (const bool high_set : {false, true}) {
      const auto& expected = high_set ? expected_high : expected_low;
      if (!expected) continue;  // the kept set, compared whole above
      const ExactNasa7 fitted{high_set ? refit.high : refit.low};
      const ExactNasa7 old{high_set ? c.curve.high : c.curve.low};
      for (int t : high_set ? HighKelvins(c.curve) : LowKelvins(c.curve)) {
        ++compared;
        ASSERT_NEAR(double(fitted.Cp(t)), double(expected(t)), tolerance) << "Cp/R at " << t;
        if (c.unchanged) {
          ASSERT_NEAR(double(fitted.Cp(t)), double(old.Cp(t)), tolerance) << t;
        }
      }
    }
    EXPECT_GT(compared, 0);
  }
}

}  // namespace
}  // namespace tabulon
