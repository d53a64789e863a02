// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "thermodb/coefficient_set.h"

namespace tabulon {

// The gas constant in cal/mol/K, held in single precision: wherever it enters a product it is
// widened to double, so the factor applied is exactly 1.9872000217437744140625.
inline constexpr float kRGas = 1.9872f;

// Each evaluation computes every power with std::pow (T^0 = 1, also at T = 0), adds left to
// right in the order written, and throws Failure(Overflow) as soon as any step, a power
// included, gives a value beyond the double range. It reads only the coefficients its formula
// names; the others may hold anything.

// Heat capacity in cal/mol/K:
//   Cp = (a1 + a2*T + a3*T^2 + a4*T^3 + a5*T^4) * R
// computed as s = 0; s = s + a_k * T^(k-1) for k = 1 to 5; Cp = s * R.
double EvalCp(const CoefficientSet& a, double t, float r_gas = kRGas);

// Enthalpy in kcal/mol:
//   H = ((a1 + (a2*T)/2 + (a3/3)*T^2 + (a4/4)*T^3 + (a5/5)*T^4 + a6/T) * T * R) / 1000
// each coefficient divided first, then multiplied by its power; h = u * T is H/R in kelvin.
// T = 0 throws Failure(DivisionByZero) before anything infinite is produced.
double EvalH(const CoefficientSet& a, double t, float r_gas = kRGas);

// Entropy in cal/mol/K:
//   S = (a1*ln(T) + a2*T + (a3/2)*T^2 + (a4/3)*T^3 + (a5/4)*T^4 + a7) * R
// T <= 0 throws Failure(InvalidArgument) (the logarithm of a number that is not positive).
double EvalS(const CoefficientSet& a, double t, float r_gas = kRGas);

// Which sets the temperature fields evaluate at T, from five exact comparisons of doubles. The
// first three tests are exclusive and choose what is evaluated; the last two apply after them,
// in this order, and override the main result text.
struct SetPick {
  enum class Main { None, Low, High };
  Main main = Main::None;         // 1: TLow <= T < TMid -> Low; 2: TMid < T <= THigh -> High;
                                  // 3: T = TMid -> High
  bool second_from_low = false;   // 3: T = TMid also evaluates the low set for the second box
  bool out_of_range = false;      // 4: T < TLow or T > THigh: no second result, text "xxx"
  bool zero_temperature = false;  // 5: T = 0: no second result, the empty text
};
SetPick PickSet(double t, double t_low, double t_high, double t_mid);

}  // namespace tabulon
