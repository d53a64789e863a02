// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/join_repair.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "compare/check_rules.h"
#include "compare/constrained_least_squares.h"
#include "compare/grid_search.h"

namespace tabulon {
namespace {

constexpr std::size_t kFitted = 5;  // a1..a5

CoefficientSet& SetOf(TwoRangeNasa7& curve, RecordSet set) {
  return set == RecordSet::Low ? curve.low : curve.high;
}
const CoefficientSet& SetOf(const TwoRangeNasa7& curve, RecordSet set) {
  return set == RecordSet::Low ? curve.low : curve.high;
}

RecordSet Other(RecordSet set) {
  return set == RecordSet::Low ? RecordSet::High : RecordSet::Low;
}

// Rows b . (1, tau, .., tau^4) = Cp/R(old, T) for every kelvin of `set`'s range, the five
// columns placed at `column` of the rows' unknowns (the others 0).
void AddCpRows(const TwoRangeNasa7& curve, RecordSet set, std::size_t column, LinearRows& rows) {
  const CoefficientSet& old = SetOf(curve, set);
  const KelvinRange range = KelvinsOf(curve, set);
  std::vector<double> row(rows.Unknowns(), 0.0);
  if (range.to >= range.from) rows.Reserve(std::size_t(range.to - range.from) + 1);
  for (int t = range.from; t <= range.to; ++t) {
    const double tau = double(t) / curve.t_mid;
    double power = 1;
    for (std::size_t k = 0; k < kFitted; ++k, power *= tau) row[column + k] = power;
    rows.Add(row, CpOverR(old, double(t)));
  }
}

// a_(k+1) = b_k / Tm^k: the fitted scaled unknowns back into a set's a1..a5.
void Unscale(const std::vector<double>& b, std::size_t column, double t_mid, CoefficientSet& set) {
  double power = 1;
  for (std::size_t k = 0; k < kFitted; ++k, power *= t_mid) set[k] = b[column + k] / power;
}

// Shifts `moved`'s a6, a7 so that its H/(RT) and S/R equal the other set's at t_mid.
TwoRangeNasa7 ShiftSet(TwoRangeNasa7 curve, RecordSet moved) {
  const CoefficientSet& kept = SetOf(curve, Other(moved));
  CoefficientSet& shifted = SetOf(curve, moved);
  const JoinSide k = JoinSideOf(kept, curve.t_mid);
  const JoinSide m = JoinSideOf(shifted, curve.t_mid);
  shifted[5] += curve.t_mid * (k.h - m.h);
  shifted[6] += k.s - m.s;
  return curve;
}

}  // namespace

RecordSet MovedSet(const TwoRangeNasa7& curve) {
  return curve.t_mid > kReferenceTemperature ? RecordSet::High : RecordSet::Low;
}

KelvinRange KelvinsOf(const TwoRangeNasa7& curve, RecordSet set) {
  const double top = kGridTopKelvin + 1;
  const int first_high = int(std::ceil(std::min(curve.t_mid, top)));
  if (set == RecordSet::Low) return {int(std::ceil(std::min(curve.t_low, top))), first_high - 1};
  return {first_high, GridTop(curve.t_high)};
}

double CpOverRSlope(const CoefficientSet& a, double t) {
  return a[1] + t * (2 * a[2] + t * (3 * a[3] + t * 4 * a[4]));
}

TwoRangeNasa7 ShiftToJoin(const TwoRangeNasa7& curve) {
  return ShiftSet(curve, MovedSet(curve));
}

TwoRangeNasa7 RefitToJoin(const TwoRangeNasa7& curve) {
  const RecordSet moved = MovedSet(curve);
  const CoefficientSet& kept = SetOf(curve, Other(moved));
  const double tm = curve.t_mid;
  LinearRows fitted(kFitted), exact(kFitted);
  AddCpRows(curve, moved, 0, fitted);
  exact.Add(std::array{1.0, 1.0, 1.0, 1.0, 1.0}, CpOverR(kept, tm));
  exact.Add(std::array{0.0, 1.0, 2.0, 3.0, 4.0}, tm * CpOverRSlope(kept, tm));
  TwoRangeNasa7 refitted = curve;
  Unscale(SolveConstrainedLeastSquares(fitted, exact), 0, tm, SetOf(refitted, moved));
  return ShiftSet(refitted, moved);
}

TwoRangeNasa7 RefitBothToJoin(const TwoRangeNasa7& curve) {
  constexpr std::size_t kLowColumn = 0, kHighColumn = kFitted;
  LinearRows fitted(2 * kFitted), exact(2 * kFitted);
  AddCpRows(curve, RecordSet::Low, kLowColumn, fitted);
  AddCpRows(curve, RecordSet::High, kHighColumn, fitted);
  exact.Add(std::array{1.0, 1.0, 1.0, 1.0, 1.0, -1.0, -1.0, -1.0, -1.0, -1.0}, 0.0);
  exact.Add(std::array{0.0, 1.0, 2.0, 3.0, 4.0, 0.0, -1.0, -2.0, -3.0, -4.0}, 0.0);
  const std::vector<double> b = SolveConstrainedLeastSquares(fitted, exact);
  TwoRangeNasa7 refitted = curve;
  Unscale(b, kLowColumn, curve.t_mid, refitted.low);
  Unscale(b, kHighColumn, curve.t_mid, refitted.high);

  const RecordSet moved = MovedSet(curve);
  const double tr = std::max(kReferenceTemperature, curve.t_low);
  CoefficientSet& kept = SetOf(refitted, Other(moved));
  const JoinSide before = JoinSideOf(SetOf(curve, Other(moved)), tr);
  const JoinSide after = JoinSideOf(kept, tr);
  kept[5] += tr * (before.h - after.h);
  kept[6] += before.s - after.s;
  return ShiftSet(refitted, moved);
}

}  // namespace tabulon
