// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "properties/evaluation.h"

namespace tabulon {

struct ThermoRecord;

// The NASA seven-coefficient polynomials in double precision, for plots, tables and checks.
// (The window's own EvalCp, EvalH and EvalS in properties/evaluation.h keep their exact
// operation order and failures: the window and the reports keep their bytes.)
//
// With a = a1..a7 of one set and T in kelvin:
//   Cp/R   = a1 + a2 T + a3 T^2 + a4 T^3 + a5 T^4
//   H/(RT) = a1 + a2 T/2 + a3 T^2/3 + a4 T^3/4 + a5 T^4/5 + a6/T
//   S/R    = a1 ln T + a2 T + a3 T^2/2 + a4 T^3/3 + a5 T^4/4 + a7
// All three are dimensionless. They expect T > 0: at T = 0 H/(RT) is infinite, and for T <= 0
// S/R is not a number. Nothing throws; a result beyond the double range is infinite.
double CpOverR(const CoefficientSet& a, double t);
double HOverRT(const CoefficientSet& a, double t);
double SOverR(const CoefficientSet& a, double t);

// A record's two ranges: the low set from t_low up to (not including) t_mid, the high set from
// t_mid to t_high, as the window picks them.
struct TwoRangeNasa7 {
  double t_low = 0, t_mid = 0, t_high = 0;
  CoefficientSet low{}, high{};

  static TwoRangeNasa7 Of(const ThermoRecord& record);
  bool Covers(double t) const { return t_low <= t && t <= t_high; }  // t_low <= t <= t_high
  const CoefficientSet& SetAt(double t) const { return t < t_mid ? low : high; }

  // How far the two sets disagree where they meet: high set minus low set at t_mid, for each
  // dimensionless quantity. A record fitted to join smoothly gives values near 0.
  struct Join {
    double cp_over_r = 0, h_over_rt = 0, s_over_r = 0;
  };
  Join MismatchAtJoin() const;
};

// Units of the dimensional values: the window's (cal/mol/K and kcal/mol, R = 1.9872 in single
// precision widened to double) or SI (J/mol/K and kJ/mol). Cp and S are in cp_unit, H and G in
// h_unit.
struct Units {
  double r;             // the gas constant in cp_unit
  const char* cp_unit;  // also the unit of S
  const char* h_unit;   // also the unit of G: r in it times 1000
};
inline const Units kWindowUnits{double(kRGas), "cal/mol/K", "kcal/mol"};
inline const Units kSIUnits{8.314462618, "J/mol/K", "kJ/mol"};

// How a plot or a table gives its values: the window's units or SI, per mole or per mass.
struct UnitChoice {
  bool si = false;
  bool per_mass = false;
};

// The same quantities per mass of a species of `molecular_weight` g/mol: the gas constant
// divided by the weight, in J/kg/K and kJ/kg (si, the weight taken in kg/mol) or in cal/g/K and
// kcal/g (the window's R).
Units PerMassUnits(bool si, double molecular_weight);

// Cp, H, S and G = H - T*S/1000 of one set at T, in `units`:
//   Cp = R Cp/R,  S = R S/R  (per K),   H = R T H/(RT) / 1000  (per 1000, kcal or kJ).
struct Properties {
  double cp = 0, h = 0, s = 0, g = 0;
};
Properties PropertiesAt(const CoefficientSet& a, double t, const Units& units);

}  // namespace tabulon
