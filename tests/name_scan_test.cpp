// SPDX-License-Identifier: GPL-3.0-or-later
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/name_scan.h"

namespace tabulon {
namespace {

using testing::TempDir;

struct Scan {
  ScanResult result;
  std::vector<std::string> names;
};

Scan ScanFile(const std::string& path) {
  Scan scan;
  scan.result = ListSpeciesNames(path, [&](std::string name) { scan.names.push_back(name); });
  return scan;
}

// A record as databases write it: line 1 with the name, then three coefficient lines.
std::string Record(const std::string& name) {
  return name +
         "               L 8/88C   1H   4    0    0G   200.000  3500.000  1000.000    1\n"
         " 1.65326226E+00 1.00263099E-02-3.31661238E-06 5.36483138E-10-3.14696758E-14    2\n"
         "-1.00095936E+04 9.90506283E+00 5.14987613E+00-1.36709788E-02 4.91800599E-05    3\n"
         "-4.84743026E-08 1.66693956E-11-1.02466476E+04-4.64130376E+00                   4\n";
}

struct ScanCase {
  const char* what;
  std::string bytes;
  ScanEnd end;
  std::vector<std::string> names;
};

TEST(ListSpeciesNames, YieldsTheSpeciesLinesOfTheBody) {
  const std::string temps = "   300.000  1000.000  5000.000\n";
  const ScanCase cases[] = {
      {"well formed",
       "THERMO\n" + temps + Record("CH4") + Record("H2O") + "END\n",
       ScanEnd::EndLine,
       {"CH4", "H2O"}},
      {"lower case, after a preamble",
       "! note\nELEMENTS\nthermo\n" + Record("ch4") + "end\n",
       ScanEnd::EndLine,
       {"CH4"}},
      {"header with a leading blank",
       " THERMO ALL\n" + Record("O2") + "END",
       ScanEnd::EndLine,
       {"O2"}},
      {"no header", Record("CH4") + "END\n", ScanEnd::NoHeader, {}},
      {"empty file", "", ScanEnd::NoHeader, {}},
      {"empty lines before END",
       "THERMO\n" + Record("N2") + "\n\n\nEND\n",
       ScanEnd::EndLine,
       {"N2"}},
      {"END padded with blanks", "THERMO\n" + Record("N2") + "END    \n", ScanEnd::EndLine, {"N2"}},
      {"END OF DATA is a species line",
       "THERMO\n" + Record("N2") + "END OF DATA\n",
       ScanEnd::NoEndLine,
       {"N2", "END"}},
      {"ENDOFDATA has no blank",
       "THERMO\n" + Record("N2") + "ENDOFDATA\n",
       ScanEnd::NoEndLine,
       {"N2", ""}},
      {"no end line", "THERMO\n" + Record("CH4") + Record("H2"), ScanEnd::NoEndLine, {"CH4", "H2"}},
      {"indented lines are not listed",
       "THERMO\n  CH4 x\n H2O x\nO2 x\nEND\n",
       ScanEnd::EndLine,
       {"O2"}},
      {"names must begin with a letter",
       "THERMO\n1-C4H8 x\n(CH3)2 x\n!C x\nC4H8-1 x\nEND\n",
       ScanEnd::EndLine,
       {"C4H8-1"}},
      {"a line without a blank", "THERMO\nCH4\nEND\n", ScanEnd::EndLine, {""}},
      {"repeats kept in file order",
       "THERMO\n" + Record("CH4") + Record("AR") + Record("CH4") + "END\n",
       ScanEnd::EndLine,
       {"CH4", "AR", "CH4"}},
      {"nothing after the end line", "THERMO\nA x\nEND\nB x\nEND\n", ScanEnd::EndLine, {"A"}},
      {"the header is not a body line", "THERMO x\nTHERMO x\nEND\n", ScanEnd::EndLine, {"THERMO"}},
      {"only a header", "THERMO\n", ScanEnd::NoEndLine, {}},
  };
  TempDir dir;
  for (const ScanCase& c : cases) {
    const Scan scan = ScanFile(dir.Write("db.dat", c.bytes));
    EXPECT_EQ(scan.result.end, c.end) << c.what;
    EXPECT_EQ(scan.names, c.names) << c.what;
    EXPECT_EQ(scan.result.problem.empty(), c.end == ScanEnd::EndLine) << c.what;
  }
}

TEST(ListSpeciesNames, LineEndsDoNotChangeTheResult) {
  const std::string lf = "thermo\n   300.000  1000.000  5000.000\n" + Record("CH4") + "\n! c\n" +
                         Record("h2o") + "end\n";
  std::string crlf, cr;
  for (char c : lf) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    cr += c == '\n' ? '\r' : c;
  }
  TempDir dir;
  for (const std::string& bytes : {lf, crlf, cr}) {
    const Scan scan = ScanFile(dir.Write("db.dat", bytes));
    EXPECT_EQ(scan.result.end, ScanEnd::EndLine);
    EXPECT_EQ(scan.names, (std::vector<std::string>{"CH4", "H2O"}));
  }
}

TEST(ListSpeciesNames, AnExceptionFromTheCallerEndsTheScan) {
  TempDir dir;
  const std::string path = dir.Write("db.dat", "THERMO\nA x\nB x\nC x\nEND\n");
  std::vector<std::string> names;
  EXPECT_THROW(ListSpeciesNames(path,
                                [&](std::string name) {
                                  if (names.size() == 2) throw std::runtime_error("full");
                                  names.push_back(name);
                                }),
               std::runtime_error);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace tabulon
