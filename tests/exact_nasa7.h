// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "thermodb/coefficient_set.h"

namespace tabulon::testing {

// The NASA-7 forms written out term by term in long double, as an independent evaluation for
// tests of code that computes with them (no Horner form, no shared helper).
struct ExactNasa7 {
  const CoefficientSet& a;

  long double Cp(long double t) const {  // Cp/R
    return a[0] + a[1] * t + a[2] * t * t + a[3] * t * t * t + a[4] * t * t * t * t;
  }
  long double Slope(long double t) const {  // d(Cp/R)/dT
    return a[1] + 2 * a[2] * t + 3 * a[3] * t * t + 4 * a[4] * t * t * t;
  }
  long double H(long double t) const {  // H/(RT)
    return a[0] + a[1] * t / 2 + a[2] * t * t / 3 + a[3] * t * t * t / 4 +
           a[4] * t * t * t * t / 5 + a[5] / t;
  }
  long double S(long double t) const {  // S/R
    return a[0] * std::log(t) + a[1] * t + a[2] * t * t / 2 + a[3] * t * t * t / 3 +
           a[4] * t * t * t * t / 4 + a[6];
  }
};

// The window's gas constant, 1.9872 in single precision, as its exact binary value.
inline constexpr long double kExactWindowR = 1.9872000217437744140625L;

}  // namespace tabulon::testing
