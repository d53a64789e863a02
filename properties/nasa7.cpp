// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/nasa7.h"

#include <cmath>

#include "thermodb/thermo_record.h"

namespace tabulon {

// Horner form of each polynomial: fewer roundings than summing separate powers.

double CpOverR(const CoefficientSet& a, double t) {
  return a[0] + t * (a[1] + t * (a[2] + t * (a[3] + t * a[4])));
}

double HOverRT(const CoefficientSet& a, double t) {
  return a[0] + t * (a[1] / 2 + t * (a[2] / 3 + t * (a[3] / 4 + t * a[4] / 5))) + a[5] / t;
}

double SOverR(const CoefficientSet& a, double t) {
  return a[0] * std::log(t) + t * (a[1] + t * (a[2] / 2 + t * (a[3] / 3 + t * a[4] / 4))) + a[6];
}

TwoRangeNasa7 TwoRangeNasa7::Of(const ThermoRecord& record) {
  return TwoRangeNasa7{.t_low = record.t_low,
                       .t_mid = record.t_mid,
                       .t_high = record.t_high,
                       .low = record.low,
                       .high = record.high};
}

TwoRangeNasa7::Join TwoRangeNasa7::MismatchAtJoin() const {
  return Join{.cp_over_r = CpOverR(high, t_mid) - CpOverR(low, t_mid),
              .h_over_rt = HOverRT(high, t_mid) - HOverRT(low, t_mid),
              .s_over_r = SOverR(high, t_mid) - SOverR(low, t_mid)};
}

Units PerMassUnits(bool si, double molecular_weight) {
  if (si) return Units{kSIUnits.r * 1000 / molecular_weight, "J/kg/K", "kJ/kg"};
  return Units{kWindowUnits.r / molecular_weight, "cal/g/K", "kcal/g"};
}

Properties PropertiesAt(const CoefficientSet& a, double t, const Units& units) {
  Properties p;
  p.cp = units.r * CpOverR(a, t);
  p.h = units.r * t * HOverRT(a, t) / 1000;
  p.s = units.r * SOverR(a, t);
  p.g = p.h - t * p.s / 1000;
  return p;
}

}  // namespace tabulon
