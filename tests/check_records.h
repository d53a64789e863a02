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
