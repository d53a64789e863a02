// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "properties/nasa7.h"

namespace tabulon {

// Repairs of the join of a record's two coefficient sets at its common temperature Tm.
//
// The set that the window uses at 298.15 K (the low set whenever Tm is above 298.15 K) is the
// kept set K; the other is the moved set M. Keeping K keeps H and S at 298.15 K, the values a
// database is anchored to. hK, sK, hM, sM are H/(RT) and S/R of K and M at Tm.
//
// Shift (an h- or s-jump; Cp untouched):
//   a6(M) += Tm (hK - hM)        a7(M) += sK - sM
// H/(RT) of M gains Tm (hK - hM) / T and S/R gains sK - sM, so both now equal K's at Tm. Cp is
// unchanged everywhere, and so are H and S over K's range.
//
// Refit (a cp-jump): M's a1..a5 are fitted again by least squares to M's old Cp/R at every whole
// kelvin of M's range, subject to
//   Cp/R(M, Tm) = Cp/R(K, Tm)    and    d(Cp/R)/dT(M, Tm) = d(Cp/R)/dT(K, Tm),
//   with d(Cp/R)/dT = a2 + 2 a3 T + 3 a4 T^2 + 4 a5 T^3;
// then a6(M), a7(M) are shifted as above. The fit runs on tau = T / Tm with unknowns
// b_k = a_(k+1) Tm^k (k = 0..4), so that the columns 1, tau, .., tau^4 are of one size:
//   Cp/R = sum b_k tau^k,   Cp/R(Tm) = sum b_k,   Tm d(Cp/R)/dT(Tm) = sum k b_k.
//
// Refit both: the a1..a5 of both sets (ten unknowns) are fitted together, each set to its own
// old Cp/R over its own range, subject to Cp/R and d(Cp/R)/dT of the two being equal at Tm.
// Then K's a6, a7 are set so that H and S at Tr = max(298.15 K, T low) equal the old record's,
//   a6(K) += Tr (h_old(Tr) - h_new(Tr))        a7(K) += s_old(Tr) - s_new(Tr),
// and M is shifted to join K at Tm.
//
// Each function expects t_low < t_mid < t_high and finite coefficients; the result is in full
// double precision (the writer rounds it to the nine digits of a field).

enum class RecordSet { Low, High };

// The set that does not cover 298.15 K: High when t_mid > 298.15 K, otherwise Low.
RecordSet MovedSet(const TwoRangeNasa7& curve);

TwoRangeNasa7 ShiftToJoin(const TwoRangeNasa7& curve);
TwoRangeNasa7 RefitToJoin(const TwoRangeNasa7& curve);
TwoRangeNasa7 RefitBothToJoin(const TwoRangeNasa7& curve);

// The whole kelvins where the window uses `set`: t_low <= T < t_mid for the low set,
// t_mid <= T <= t_high for the high one, ending at kGridTopKelvin at the latest. Empty when
// from > to.
struct KelvinRange {
  int from = 0, to = -1;
};
KelvinRange KelvinsOf(const TwoRangeNasa7& curve, RecordSet set);

// d(Cp/R)/dT of one set at T, in 1/K.
double CpOverRSlope(const CoefficientSet& a, double t);

}  // namespace tabulon
