// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/grid_search.h"
#include "properties/evaluation.h"
#include "properties/nasa7.h"

namespace tabulon {

// The NASA-7 functions of one set written as GridFunction closed forms, for the bounds of the
// grid searches (the points themselves are evaluated by properties/nasa7.h).

// Bounds are widened by this fraction of the sum of the terms' magnitudes, a million times the
// rounding error of a double evaluation.
inline constexpr double kGridMarginFraction = 1e-9;

// One property of PropertiesAt, computed alone by the same expression, so bit for bit equal to
// its field: a scan that needs only Cp does not pay for the logarithm of S.
inline double CpAt(const CoefficientSet& a, double t, const Units& units) {
  return units.r * CpOverR(a, t);
}
inline double HAt(const CoefficientSet& a, double t, const Units& units) {
  return units.r * t * HOverRT(a, t) / 1000;
}
inline double SAt(const CoefficientSet& a, double t, const Units& units) {
  return units.r * SOverR(a, t);
}
inline double GAt(const CoefficientSet& a, double t, const Units& units) {
  return HAt(a, t, units) - t * SAt(a, t, units) / 1000;
}

// cp/R = a1 + a2 T + a3 T^2 + a4 T^3 + a5 T^4
inline GridFunction CpOverRForm(const CoefficientSet& a) {
  return {{a[0], a[1], a[2], a[3], a[4], 0}, 0, 0};
}

// Cp = r cp/R
inline GridFunction CpForm(const CoefficientSet& a, double r) {
  return {{r * a[0], r * a[1], r * a[2], r * a[3], r * a[4], 0}, 0, 0};
}

// H = r T h/(RT) / 1000 = r (a6 + a1 T + a2 T^2/2 + a3 T^3/3 + a4 T^4/4 + a5 T^5/5) / 1000
inline GridFunction HForm(const CoefficientSet& a, double r) {
  const double k = r / 1000;
  return {{k * a[5], k * a[0], k * a[1] / 2, k * a[2] / 3, k * a[3] / 4, k * a[4] / 5}, 0, 0};
}

// S = r s/R = r (a1 ln T + a2 T + a3 T^2/2 + a4 T^3/3 + a5 T^4/4 + a7)
inline GridFunction SForm(const CoefficientSet& a, double r) {
  return {{r * a[6], r * a[1], r * a[2] / 2, r * a[3] / 3, r * a[4] / 4, 0}, r * a[0], 0};
}

// G = H - T S / 1000 = r/1000 (a6 + (a1 - a7) T - a2 T^2/2 - a3 T^3/6 - a4 T^4/12 - a5 T^5/20
//                              - a1 T ln T)
inline GridFunction GForm(const CoefficientSet& a, double r) {
  const double k = r / 1000;
  return {
      {k * a[5], k * (a[0] - a[6]), -k * a[1] / 2, -k * a[2] / 6, -k * a[3] / 12, -k * a[4] / 20},
      0,
      -k * a[0]};
}

inline GridFunction Difference(const GridFunction& x, const GridFunction& y) {
  GridFunction d;
  for (std::size_t k = 0; k < d.power.size(); ++k) d.power[k] = x.power[k] - y.power[k];
  d.log = x.log - y.log;
  d.t_log = x.t_log - y.t_log;
  return d;
}

}  // namespace tabulon
