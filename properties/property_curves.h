// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "properties/nasa7.h"

namespace tabulon {

// Which coefficient set a piece of a curve comes from, and whether it lies in that set's own
// range or continues it past the common temperature (drawn thinner, so that a jump at the join
// shows as two ends that do not meet).
enum class CurvePart { LowRange, HighRange, LowPastJoin, HighPastJoin };

// One coefficient set evaluated at increasing temperatures over one interval.
struct CurvePiece {
  CurvePart part;
  std::vector<double> t;
  std::vector<Properties> values;  // same length as t
};

// The pieces of one record's curves, in the order LowRange, HighRange, LowPastJoin,
// HighPastJoin (absent pieces left out).
struct RecordCurves {
  std::vector<CurvePiece> pieces;
  bool has_join = false;  // the common temperature lies strictly inside the record's range
  double t_mid = 0;
};

// How far each set is continued past the join: a tenth of the record's whole range
// (T high - T low), but never beyond the record's range.
inline constexpr double kPastJoinFraction = 0.1;

// Samples a record over its own range: the low set from T low up to the common temperature,
// the high set from it up to T high, and each set continued past the join by
// kPastJoinFraction of the range. About `points` points cover the range (shared out by length,
// at least two per piece); the continuations get as many per kelvin. Every interval is clipped
// to [T low, T high], so with inconsistent limits a set may have no piece at all. A temperature
// at which a value cannot be computed (T <= 0, overflow) is left out. Never throws.
RecordCurves SampleRecordCurves(const TwoRangeNasa7& record, const Units& units, int points);

}  // namespace tabulon
