// SPDX-License-Identifier: GPL-3.0-or-later
// floor_compare DB1 DB2 OUT_DIR: the least work a comparison of two databases can do, for the
// benchmark to measure the window model's overhead against. It reads each file once, parses
// every record, and writes the two reports' lines directly: Comp.txt (the one-sided records in
// full and, for each common species, its differing coefficients) and Comp2.txt (Cp, H and S of
// every common species in both databases at 300, 1000 and 2000 K, with their ratios). No window
// model, no controls; the repeated-name and failure rules of the window are left out, so the
// bytes are those of a clean pair, not a reference.
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/failure.h"
#include "common/number_text.h"
#include "compare/ratio_text.h"
#include "properties/evaluation.h"
#include "properties/value_text.h"
#include "thermodb/thermo_file.h"

namespace {

using tabulon::ThermoFile;
using tabulon::ThermoRecord;

// The first record of each name, by name (the window keeps one copy of a repeated name and
// shows the first record of it).
std::vector<const ThermoRecord*> ByName(const ThermoFile& file) {
  std::vector<const ThermoRecord*> records;
  for (const ThermoRecord& record : file.Records()) records.push_back(&record);
  std::stable_sort(records.begin(), records.end(),
                   [](auto* a, auto* b) { return a->name < b->name; });
  records.erase(std::unique(records.begin(), records.end(),
                            [](auto* a, auto* b) { return a->name == b->name; }),
                records.end());
  return records;
}

void WriteRecord(std::string& out, const ThermoRecord& record) {
  out += record.Line1Upper() + "\r\n";
  for (int k = 1; k < 4; ++k) {
    out += record.Line(k);
    out += "\r\n";
  }
}

std::array<std::string, 3> Results(const ThermoRecord& record, double t) {
  const tabulon::CoefficientSet& set = t < record.t_mid ? record.low : record.high;
  return {tabulon::ValueText(tabulon::EvalCp(set, t)), tabulon::ValueText(tabulon::EvalH(set, t)),
          tabulon::ValueText(tabulon::EvalS(set, t))};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: floor_compare DB1 DB2 OUT_DIR\n";
    return 2;
  }
  const ThermoFile one = ThermoFile::Read(argv[1]);
  const ThermoFile two = ThermoFile::Read(argv[2]);
  const std::vector<const ThermoRecord*> a = ByName(one), b = ByName(two);

  std::string comp, only1, only2, common_rows;
  std::vector<std::pair<const ThermoRecord*, const ThermoRecord*>> common;
  auto i = a.begin();
  auto j = b.begin();
  while (i != a.end() || j != b.end()) {
    if (j == b.end() || (i != a.end() && (*i)->name < (*j)->name)) {
      WriteRecord(only1, **i++);
    } else if (i == a.end() || (*j)->name < (*i)->name) {
      WriteRecord(only2, **j++);
    } else {
      common.emplace_back(*i++, *j++);
    }
  }
  for (const auto& [r1, r2] : common) {
    common_rows += r1->name + "\r\n";
    for (int k = 0; k < tabulon::kCoefficientsPerRecord; ++k) {
      const std::string t1 = r1->CoefficientText(k);
      const std::string t2 = r2->CoefficientText(k);
      if (t1 != t2)
        common_rows += "a" + std::to_string(k) + " // " + t1 + "     |     " + t2 + "\r\n\r\n";
    }
  }
  comp = "DB #1: " + std::string(argv[1]) + "\r\nDB #2: " + std::string(argv[2]) + "\r\n\r\n" +
         only1 + only2 + common_rows;

  std::string comp2 = "Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)\r\n\r\n";
  try {
    for (double t : {300.0, 1000.0, 2000.0}) {
      comp2 += "T (K) = " + tabulon::NumberText(t) + "\r\n";
      for (const auto& [r1, r2] : common) {
        const std::array<std::string, 3> v1 = Results(*r1, t), v2 = Results(*r2, t);
        std::string line = r1->name;
        for (std::size_t p = 0; p < 3; ++p) {
          line += '\t' + v1[p] + '\t' + v2[p] + '\t' + tabulon::RatioText(v1[p], v2[p]);
        }
        comp2 += line + "\r\n";
      }
    }
  } catch (const tabulon::Failure& failure) {
    std::cerr << "floor_compare: " << failure.what() << '\n';
  }
  const std::string dir = argv[3];
  std::ofstream(dir + "/Comp.txt", std::ios::binary) << comp;
  std::ofstream(dir + "/Comp2.txt", std::ios::binary) << comp2;
  std::cout << common.size() << " common\n";
  return 0;
}
