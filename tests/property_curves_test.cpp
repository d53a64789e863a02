// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/property_curves.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TwoRangeNasa7 Record(double t_low, double t_mid, double t_high) {
  TwoRangeNasa7 r;
  r.t_low = t_low;
  r.t_mid = t_mid;
  r.t_high = t_high;
  r.low = {3.5, 2e-3, 0, 0, 0, -1000, 4};  // Cp/R 5.5 at 1000 K against 4.5: a jump
  r.high = {4.5, 0, 0, 0, 0, -2000, 1};
  return r;
}

std::map<CurvePart, const CurvePiece*> ByPart(const RecordCurves& curves) {
  std::map<CurvePart, const CurvePiece*> parts;
  for (const CurvePiece& piece : curves.pieces) {
    EXPECT_FALSE(parts.count(piece.part)) << "one piece per part";
    parts[piece.part] = &piece;
  }
  return parts;
}

struct Interval {
  double from, to;
};

struct SamplingCase {
  const char* what;
  TwoRangeNasa7 record;
  std::map<CurvePart, Interval> expected;  // the parts drawn and their exact ends
  bool has_join;
};

TEST(SampleRecordCurves, EachSetCoversItsOwnRangeAndATenthOfTheRangePastTheJoin) {
  using P = CurvePart;
  const SamplingCase cases[] = {
      {"usual record",
       Record(300, 1000, 5000),
       {{P::LowRange, {300, 1000}},
        {P::HighRange, {1000, 5000}},
        {P::LowPastJoin, {1000, 1470}},
        {P::HighPastJoin, {530, 1000}}},
       true},
      {"join near the low end: the high set's continuation stops at T low",
       Record(200, 250, 6200),
       {{P::LowRange, {200, 250}},
        {P::HighRange, {250, 6200}},
        {P::LowPastJoin, {250, 850}},
        {P::HighPastJoin, {200, 250}}},
       true},
      {"common temperature above T high: the low set alone",
       Record(300, 6000, 5000),
       {{P::LowRange, {300, 5000}}},
       false},
      {"common temperature below T low: the high set alone",
       Record(300, 200, 5000),
       {{P::HighRange, {300, 5000}}},
       false},
      {"common temperature at T high",
       Record(300, 5000, 5000),
       {{P::LowRange, {300, 5000}}},
       false},
  };
  for (const SamplingCase& c : cases) {
    SCOPED_TRACE(c.what);
    const RecordCurves curves = SampleRecordCurves(c.record, kWindowUnits, 500);
    EXPECT_EQ(curves.has_join, c.has_join);
    const auto parts = ByPart(curves);
    ASSERT_EQ(parts.size(), c.expected.size());
    for (const auto& [part, interval] : c.expected) {
      ASSERT_TRUE(parts.count(part)) << static_cast<int>(part);
      const CurvePiece& piece = *parts.at(part);
      EXPECT_EQ(piece.t.front(), interval.from);
      EXPECT_EQ(piece.t.back(), interval.to);
      EXPECT_TRUE(std::is_sorted(piece.t.begin(), piece.t.end()));
      EXPECT_EQ(piece.t.size(), piece.values.size());
      // Nothing outside the record's range.
      for (double t : piece.t) {
        EXPECT_GE(t, c.record.t_low);
        EXPECT_LE(t, c.record.t_high);
      }
    }
  }
}

TEST(SampleRecordCurves, EachPieceIsEvaluatedWithItsOwnSet) {
  const TwoRangeNasa7 r = Record(300, 1000, 5000);
  const RecordCurves curves = SampleRecordCurves(r, kSIUnits, 200);
  for (const CurvePiece& piece : curves.pieces) {
    const bool low = piece.part == CurvePart::LowRange || piece.part == CurvePart::LowPastJoin;
    for (std::size_t i = 0; i < piece.t.size(); ++i) {
      const Properties expected = PropertiesAt(low ? r.low : r.high, piece.t[i], kSIUnits);
      ASSERT_EQ(piece.values[i].cp, expected.cp);
      ASSERT_EQ(piece.values[i].g, expected.g);
    }
  }
  // The two ends at the join are the two sets' values there: a jump shows as ends that do
  // not meet.
  const auto parts = ByPart(curves);
  EXPECT_NE(parts.at(CurvePart::LowRange)->values.back().cp,
            parts.at(CurvePart::HighRange)->values.front().cp);
}

TEST(SampleRecordCurves, PointsAreSharedOutByLength) {
  const RecordCurves curves = SampleRecordCurves(Record(300, 1000, 5000), kWindowUnits, 6000);
  const auto parts = ByPart(curves);
  const std::size_t own =
      parts.at(CurvePart::LowRange)->t.size() + parts.at(CurvePart::HighRange)->t.size();
  EXPECT_NEAR(static_cast<double>(own), 6000, 2);
  // The continuations, a tenth of the range each, get a tenth of the points.
  EXPECT_NEAR(static_cast<double>(parts.at(CurvePart::LowPastJoin)->t.size()), 600, 2);
  EXPECT_NEAR(static_cast<double>(parts.at(CurvePart::HighPastJoin)->t.size()), 600, 2);
  // Even a piece of a few kelvin has two points, so it is drawn.
  const RecordCurves tiny = SampleRecordCurves(Record(300, 300.5, 5000), kWindowUnits, 10);
  EXPECT_EQ(ByPart(tiny).at(CurvePart::LowRange)->t.size(), 2u);
}

TEST(SampleRecordCurves, RecordsWithoutAUsableRangeDrawNothingOrOnlyWhatCanBeComputed) {
  const double nan = std::nan("");
  for (const TwoRangeNasa7& r : {Record(1000, 1000, 1000), Record(5000, 1000, 300),
                                 Record(nan, 1000, 5000), Record(300, 1000, INFINITY)}) {
    EXPECT_TRUE(SampleRecordCurves(r, kWindowUnits, 100).pieces.empty());
  }
  // T <= 0 has no entropy: those points are left out, the rest is drawn.
  const RecordCurves from_zero = SampleRecordCurves(Record(-500, 1000, 5000), kWindowUnits, 100);
  for (const CurvePiece& piece : from_zero.pieces) {
    EXPECT_GT(piece.t.front(), 0);
  }
  // Values beyond the double range are left out, not drawn as infinities.
  TwoRangeNasa7 huge = Record(300, 1000, 5000);
  huge.high[4] = 1e300;
  for (const CurvePiece& piece : SampleRecordCurves(huge, kWindowUnits, 100).pieces) {
    for (const Properties& p : piece.values) ASSERT_TRUE(std::isfinite(p.cp));
  }
}

}  // namespace
}  // namespace tabulon
