// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "thermodb/thermo_record.h"

namespace tabulon::testing {

// Small hand-made records in the usual layout, for the check and the deviation scan.

// Record line 1: the name in columns 1-18, the limits in 46-55, 56-65, 66-73, "1" in column 80.
inline std::string RecordLine1(const std::string& name, double low, double high, double mid) {
  char text[128];
  std::snprintf(text, sizeof text, "%-18s%27s%10.3f%10.3f%8.2f      1", name.c_str(), "G", low,
                high, mid);
  return text;
}

// A coefficient line: five fields "%15.8E", then the line number in column 80.
inline std::string CoefficientLine(double a, double b, double c, double d, double e, int n) {
  char text[128];
  std::snprintf(text, sizeof text, "%15.8E%15.8E%15.8E%15.8E%15.8E    %d", a, b, c, d, e, n);
  return text;
}

struct RecordShape {
  std::string name = "CH4";
  double low = 300, high = 5000, mid = 1000;
  CoefficientSet high_set{3.5, 0, 0, 0, 0, -1000, 4};
  CoefficientSet low_set{3.5, 0, 0, 0, 0, -1000, 4};
  double hf = 0;
};

inline std::array<std::string, 4> RecordLines(const RecordShape& s) {
  const CoefficientSet& h = s.high_set;
  const CoefficientSet& l = s.low_set;
  return {RecordLine1(s.name, s.low, s.high, s.mid),
          CoefficientLine(h[0], h[1], h[2], h[3], h[4], 2),
          CoefficientLine(h[5], h[6], l[0], l[1], l[2], 3),
          CoefficientLine(l[3], l[4], l[5], l[6], s.hf, 4)};
}

// Coefficient sets for the join tests. Flat: Cp/R 4 everywhere, H/RT 3 and S/R 4 ln 1000 + 4
// at 1000 K.
inline const CoefficientSet kFlat{4, 0, 0, 0, 0, -1000, 4};
// The flat set with a6 raised by 50 and a7 by 0.5: as a high set over kFlat, H and S jump at the
// join and Cp does not.
inline const CoefficientSet kFlatHsJump{4, 0, 0, 0, 0, -950, 4.5};
// H2O of the example database (fitted to NIST-JANAF), whose sets join smoothly at 1000 K.
inline const CoefficientSet kH2oHigh{2.59547801E+00, 3.17275324E-03,  -9.34644178E-07,
                                     1.33650038E-10, -7.45005446E-15, -2.98612205E+04,
                                     7.31375646E+00};
inline const CoefficientSet kH2oLow{4.23979901E+00,  -2.41687479E-03, 7.69627470E-06,
                                    -6.93658763E-09, 2.37717577E-12,  -3.02970662E+04,
                                    -1.01005261E+00};

// `set` with its coefficient k (0 for a1) raised by `by`.
inline CoefficientSet Raised(CoefficientSet set, std::size_t k, double by) {
  set[k] += by;
  return set;
}

inline ThermoRecord MakeRecord(const RecordShape& shape, int line_number = 2) {
  return ParseThermoRecord(RecordLines(shape), 4, line_number);
}

// A whole database file of the given records, LF line ends.
inline std::string RecordsDatabaseText(const std::vector<RecordShape>& shapes) {
  std::string text = "THERMO\n   300.000  1000.000  5000.000\n";
  for (const RecordShape& shape : shapes) {
    for (const std::string& line : RecordLines(shape)) text += line + "\n";
  }
  return text + "END\n";
}

}  // namespace tabulon::testing
