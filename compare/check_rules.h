// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "properties/nasa7.h"

namespace tabulon {

// The rules of the database check that look at one record's numbers, as pure functions.
// compare/database_check.h applies them to every record of a file.

// How far apart the two coefficient sets may be where they meet before the check reports a
// jump: the continuity criteria that kinetics codes apply when they read a NASA-7 record.
struct CheckTolerances {
  double cp = 0.01;  // cp-jump: relative, of cp/R
  double h = 0.001;  // h-jump: of h/(RT), relative to cp/R
  double s = 0.001;  // s-jump: of s/R, relative to |s/R| + cp/R
};

// The limits are usable: 0 < low < high and low <= common <= high.
bool LimitsInOrder(double t_low, double t_high, double t_mid);

// cp/R, h/(RT) and s/R of one set at the common temperature.
struct JoinSide {
  double cp = 0, h = 0, s = 0;
};
JoinSide JoinSideOf(const CoefficientSet& set, double t_mid);

// The measures compared with the tolerances (L the low set, H the high set):
//   cp: |cpL - cpH| / (|cpL| + 1e-4)
//   h:  |hL - hH| / |cpL|
//   s:  |sL - sH| / (|sL| + |cpL|)
// cpL is taken by its magnitude, so that a record whose Cp is negative at the join (a fault
// of its own) cannot hide a jump behind a negative ratio. A jump is reported when the measure
// is above its tolerance; a zero denominator with a non-zero difference is an infinite jump.
double CpJumpMeasure(const JoinSide& low, const JoinSide& high);
double HJumpMeasure(const JoinSide& low, const JoinSide& high);
double SJumpMeasure(const JoinSide& low, const JoinSide& high);

// The three measures of a record's join at its common temperature.
struct JoinMeasures {
  double cp = 0, h = 0, s = 0;
};
JoinMeasures JoinMeasuresOf(const TwoRangeNasa7& curve);

// The first integer kelvin of ceil(t_low) .. floor(t_high) where Cp is zero or negative (the
// low set below t_mid, the high set from it), or none. Expects LimitsInOrder. The grid ends at
// kGridTopKelvin at the latest.
struct NonPositiveCp {
  int t = 0;
  double cp_over_r = 0;
};
std::optional<NonPositiveCp> FirstNonPositiveCp(const TwoRangeNasa7& curve);

// H(298.15 K)/R in kelvin of a record (the set the window would use at 298.15 K).
inline constexpr double kReferenceTemperature = 298.15;
double HfOverRAt298(const TwoRangeNasa7& curve);

// A non-zero Hf/R field disagrees with the polynomials when it differs from H(298.15)/R by
// more than 1 K and by more than 1e-4 of the field's magnitude.
bool HfDisagrees(double hf_field, double h298_over_r);

}  // namespace tabulon
