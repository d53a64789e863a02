// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-in for the two-range NASA-7 evaluation of the domain layer until it is merged; removed
// then. Same names and shapes, so the code built on it needs no change.
#include <cmath>

#include "properties/evaluation.h"

namespace tabulon {

struct TwoRangeNasa7 {
  double t_low = 0, t_mid = 0, t_high = 0;
  CoefficientSet low{}, high{};
  bool Covers(double t) const { return t_low <= t && t <= t_high; }
  const CoefficientSet& SetAt(double t) const { return t < t_mid ? low : high; }
};

struct Units {
  double r;
  const char* cp_unit;
  const char* h_unit;
};
inline const Units kWindowUnits{double(kRGas), "cal/mol/K", "kcal/mol"};
inline const Units kSIUnits{8.314462618, "J/mol/K", "kJ/mol"};

struct Properties {
  double cp, h, s, g;
};

inline Properties PropertiesAt(const CoefficientSet& a, double t, const Units& units) {
  const double cp = a[0] + a[1] * t + a[2] * t * t + a[3] * t * t * t + a[4] * t * t * t * t;
  const double h = a[0] + a[1] * t / 2 + a[2] * t * t / 3 + a[3] * t * t * t / 4 +
                   a[4] * t * t * t * t / 5 + a[5] / t;
  const double s = a[0] * std::log(t) + a[1] * t + a[2] * t * t / 2 + a[3] * t * t * t / 3 +
                   a[4] * t * t * t * t / 4 + a[6];
  Properties p{cp * units.r, h * t * units.r / 1000, s * units.r, 0};
  p.g = p.h - t * p.s / 1000;
  return p;
}

}  // namespace tabulon
