// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "properties/nasa7.h"
#include "thermodb/line1_fields.h"

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

// What is wrong with a record's composition, for a person: every symbol that names no element
// and every count that is not a whole number, in the order written, joined by "; "
// ("AO is no element; count 1.5 of C is not a whole number"). Empty when nothing is.
std::string CompositionProblems(const std::vector<ElementCount>& composition);

// The common temperature as read is the molecular weight: they differ by 0.01 or less (to the
// nanogram per mole, so values written 0.01 apart are within it). Files that keep the weight
// where the common temperature stands give such records. False without a weight.
inline constexpr double kWeightInCommonTolerance = 0.01;
bool WeightInCommon(double t_mid, std::optional<double> molecular_weight);

// Where a fixed-column reader would read a complete record otherwise than the limits read
// (low, high, common): limits from columns 46-55, 56-65 and 66-73 of line 1 (ReadLimitColumns,
// the file's default for blank 66-73) that differ from them or do not read as numbers, and
// lines 2 to 4 that do not hold 2, 3 and 4 in column 80. One text saying what each reading
// gives; empty when both agree.
struct ReadLimits {
  double low = 0, high = 0, mid = 0;
};
std::string LayoutDisagreement(std::string_view line1, std::optional<double> default_mid,
                               const ReadLimits& limits,
                               const std::array<std::string_view, 3>& lines2to4);

}  // namespace tabulon
