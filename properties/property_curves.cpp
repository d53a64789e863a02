// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_curves.h"

#include <algorithm>
#include <cmath>

namespace tabulon {
namespace {

bool Finite(const Properties& p) {
  return std::isfinite(p.cp) && std::isfinite(p.h) && std::isfinite(p.s) && std::isfinite(p.g);
}

// `count` evenly spaced temperatures from `from` to `to`, both ends exact.
CurvePiece Sample(CurvePart part, const CoefficientSet& set, double from, double to, int count,
                  const Units& units) {
  CurvePiece piece{part, {}, {}};
  piece.t.reserve(count);
  piece.values.reserve(count);
  for (int i = 0; i < count; ++i) {
    const double t = i == count - 1 ? to : from + (to - from) * i / (count - 1);
    // No value at T <= 0 (S takes the logarithm) or beyond the double range: not drawn.
    if (!(t > 0)) continue;
    const Properties p = PropertiesAt(set, t, units);
    if (!Finite(p)) continue;
    piece.t.push_back(t);
    piece.values.push_back(p);
  }
  return piece;
}

}  // namespace

RecordCurves SampleRecordCurves(const TwoRangeNasa7& r, const Units& units, int points) {
  RecordCurves curves;
  curves.t_mid = r.t_mid;
  const double lo = r.t_low, hi = r.t_high;
  if (!std::isfinite(lo) || !std::isfinite(hi) || !std::isfinite(r.t_mid) || !(lo < hi)) {
    return curves;
  }
  const double per_kelvin = std::max(points, 2) / (hi - lo);
  auto count_for = [per_kelvin](double from, double to) {
    return std::max(2, static_cast<int>(std::lround((to - from) * per_kelvin)));
  };
  auto add = [&](CurvePart part, const CoefficientSet& set, double from, double to) {
    if (!(from < to)) return;
    CurvePiece piece = Sample(part, set, from, to, count_for(from, to), units);
    if (!piece.t.empty()) curves.pieces.push_back(std::move(piece));
  };

  const double mid = std::clamp(r.t_mid, lo, hi);
  add(CurvePart::LowRange, r.low, lo, mid);
  add(CurvePart::HighRange, r.high, mid, hi);
  curves.has_join = lo < r.t_mid && r.t_mid < hi;
  if (curves.has_join) {
    const double past = kPastJoinFraction * (hi - lo);
    add(CurvePart::LowPastJoin, r.low, r.t_mid, std::min(r.t_mid + past, hi));
    add(CurvePart::HighPastJoin, r.high, std::max(r.t_mid - past, lo), r.t_mid);
  }
  return curves;
}

}  // namespace tabulon
