// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/check_rules.h"

#include <cmath>

#include "compare/grid_search.h"
#include "compare/nasa7_forms.h"

namespace tabulon {

bool LimitsInOrder(double t_low, double t_high, double t_mid) {
  return 0 < t_low && t_low < t_high && t_low <= t_mid && t_mid <= t_high;
}

JoinSide JoinSideOf(const CoefficientSet& set, double t_mid) {
  return {CpOverR(set, t_mid), HOverRT(set, t_mid), SOverR(set, t_mid)};
}

namespace {

// A difference over a denominator; 0/0 is no jump (both sets agree), x/0 an infinite one.
double Ratio(double difference, double denominator) {
  if (difference == 0) return 0;
  return difference / denominator;
}

}  // namespace

double CpJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.cp - high.cp), std::abs(low.cp) + 1e-4);
}

double HJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.h - high.h), std::abs(low.cp));
}

double SJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.s - high.s), std::abs(low.s) + std::abs(low.cp));
}

JoinMeasures JoinMeasuresOf(const TwoRangeNasa7& curve) {
  const JoinSide low = JoinSideOf(curve.low, curve.t_mid);
  const JoinSide high = JoinSideOf(curve.high, curve.t_mid);
  return {CpJumpMeasure(low, high), HJumpMeasure(low, high), SJumpMeasure(low, high)};
}

std::optional<NonPositiveCp> FirstNonPositiveCp(const TwoRangeNasa7& curve) {
  const int from = int(std::ceil(curve.t_low));
  const int to = GridTop(curve.t_high);
  if (from > to) return std::nullopt;
  // Integer T below t_mid are exactly those below its ceiling.
  const int first_high = int(std::ceil(std::min(curve.t_mid, double(to) + 1)));
  struct Piece {
    const CoefficientSet* set;
    int from, to;
  };
  const Piece pieces[] = {{&curve.low, from, std::min(to, first_high - 1)},
                          {&curve.high, std::max(from, first_high), to}};
  for (const Piece& piece : pieces) {
    if (piece.from > piece.to) continue;
    const GridFunction form = CpOverRForm(*piece.set);
    const double margin = kGridMarginFraction * form.Magnitude(double(piece.to));
    const auto exact = [&](int t) { return CpOverR(*piece.set, double(t)); };
    if (auto t = FirstAtOrBelowZero(form, std::max(piece.from, 1), piece.to, margin, exact)) {
      return NonPositiveCp{*t, exact(*t)};
    }
  }
  return std::nullopt;
}

double HfOverRAt298(const TwoRangeNasa7& curve) {
  return kReferenceTemperature * HOverRT(curve.SetAt(kReferenceTemperature), kReferenceTemperature);
}

bool HfDisagrees(double hf_field, double h298_over_r) {
  if (hf_field == 0) return false;
  const double difference = std::abs(hf_field - h298_over_r);
  return difference > 1.0 && difference > 1e-4 * std::abs(hf_field);
}

}  // namespace tabulon
