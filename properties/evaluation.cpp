// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/evaluation.h"

#include <cmath>

#include "common/failure.h"

namespace tabulon {
namespace {

[[noreturn, gnu::cold, gnu::noinline]] void ThrowBeyondRange() {
  throw Failure(FailureKind::Overflow, "property value beyond the double range");
}

// Every intermediate value passes through here: a value beyond the double range ends the
// evaluation, as the arithmetic of the tool does not carry infinities. The throw stands apart
// so that the check itself is inlined into each step.
inline double Checked(double value) {
  if (!std::isfinite(value)) [[unlikely]]
    ThrowBeyondRange();
  return value;
}

// T^k for k = 0 to 4. A whole T below 2^13 in magnitude has every such power below 2^53, so
// exact in a double; pow returns an exact result exactly, and the product of the factors is
// then the same number without the library call (the report temperatures are whole numbers).
double Power(double t, int k) {
  constexpr double kExactProducts = 8192;
  if (std::fabs(t) < kExactProducts && t == std::trunc(t)) {
    double power = 1;
    for (int i = 0; i < k; ++i) power *= t;
    return power;
  }
  return Checked(std::pow(t, k));
}

}  // namespace

double EvalCp(const CoefficientSet& a, double t, float r_gas) {
  const double r = r_gas;
  double s = 0;
  for (int k = 1; k <= 5; ++k) {
    s = Checked(s + Checked(a[k - 1] * Power(t, k - 1)));
  }
  return Checked(s * r);
}

double EvalH(const CoefficientSet& a, double t, float r_gas) {
  const double r = r_gas;
  double u = Checked(a[0] + Checked(a[1] * t) / 2);
  u = Checked(u + Checked(a[2] / 3 * Power(t, 2)));
  u = Checked(u + Checked(a[3] / 4 * Power(t, 3)));
  u = Checked(u + Checked(a[4] / 5 * Power(t, 4)));
  if (t == 0) throw Failure(FailureKind::DivisionByZero, "enthalpy at T = 0");
  u = Checked(u + Checked(a[5] / t));
  const double h = Checked(u * t);  // H/R in kelvin
  return Checked(h * r) / 1000;
}

double EvalS(const CoefficientSet& a, double t, float r_gas) {
  const double r = r_gas;
  if (t <= 0) throw Failure(FailureKind::InvalidArgument, "entropy at T <= 0");
  const double l = std::log(t);
  double u = Checked(Checked(a[0] * l) + Checked(a[1] * t));
  u = Checked(u + Checked(a[2] / 2 * Power(t, 2)));
  u = Checked(u + Checked(a[3] / 3 * Power(t, 3)));
  u = Checked(u + Checked(a[4] / 4 * Power(t, 4)));
  u = Checked(u + a[6]);
  return Checked(u * r);
}

SetPick PickSet(double t, double t_low, double t_high, double t_mid) {
  SetPick pick;
  if (t_low <= t && t < t_mid) {
    pick.main = SetPick::Main::Low;
  } else if (t_mid < t && t <= t_high) {
    pick.main = SetPick::Main::High;
  } else if (t == t_mid) {
    pick.main = SetPick::Main::High;
    pick.second_from_low = true;
  }
  pick.out_of_range = t < t_low || t > t_high;
  pick.zero_temperature = t == 0;
  return pick;
}

}  // namespace tabulon
