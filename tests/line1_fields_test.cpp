// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "thermodb/line1_fields.h"
#include "thermodb/record_summary.h"

namespace tabulon {
namespace {

// Expected weights are exact decimal sums of the IUPAC abridged values, worked by hand:
// C 12.011, H 1.0080, He 4.0026, Ar 39.95, Al 26.982, Cl 35.45, e 0.000548579909,
// D 2.01410177812. The summary is the caption text beside the species' name.
TEST(Line1Fields, NoteCompositionPhaseWeightAndSummary) {
  struct Case {
    std::string line;
    const char* note;
    const char* formula;
    char phase;
    const char* weight;  // empty: unknown
    const char* summary;
  } cases[] = {
      {"CH4               L 8/88C   1H   4    0    0G   200.000  3500.000  1000.000    1", "L 8/88",
       "C1H4", 'G', "16.043", "C1 H4  16.043 g/mol  gas"},
      {"c8h18             t 6/93c   8h  18    0    0g   300.000  5000.000 1000.00     1", "t 6/93",
       "C8H18", 'G', "114.232", "C8 H18  114.232 g/mol  gas"},
      {"AR                120186AR  1               G  0300.00   5000.00  1000.00      1", "120186",
       "Ar1", 'G', "39.95", "Ar1  39.95 g/mol  gas"},
      // Counts written "1." and a negative electron count; NASA's weight in 66-73.
      {"AL+               J 6/83AL 1.E -1.   0.   0.G   298.150  6000.000     26.98099 1", "J 6/83",
       "Al1E-1", 'G', "26.981451420091", "Al1 E-1  26.981451420091 g/mol  gas"},
      {"CCL4              J 6/83C   1CL  4          L   300.000  5000.000 1000.00     1", "J 6/83",
       "C1Cl4", 'L', "153.811", "C1 Cl4  153.811 g/mol  liquid"},
      {"D2O                     D   2O   1          G   300.000  5000.000 1000.00     1", "",
       "D2O1", 'G', "20.02720355624", "D2 O1  20.02720355624 g/mol  gas"},
      // A phase letter the format does not name.
      {"HE                L10/90HE  1    0    0    0B   200.000  6000.000 1000.000    1", "L10/90",
       "He1", 'B', "4.0026", "He1  4.0026 g/mol  phase B"},
      // The fifth pair in columns 74-78 when column 74 is a letter; not when it is a digit or
      // blank (a common temperature or a record counter running into it).
      {"CH3NO2                  C   1H   3O   2    0G   300.000  5000.000 1000.00N   1 1", "",
       "C1H3O2N1", 'G', "61.04", "C1 H3 O2 N1  61.04 g/mol  gas"},
      {"CH4                     C   1H   4    0    0G   300.000  5000.000 1000.0000  1 1", "",
       "C1H4", 'G', "16.043", "C1 H4  16.043 g/mol  gas"},
      {"CH4                     C   1H   4    0    0G   300.000  5000.000 1000.00    101", "",
       "C1H4", 'G', "16.043", "C1 H4  16.043 g/mol  gas"},
      // What leaves the weight empty: no element, an element without a weight, a count that is
      // no number; a count that is not whole still weighs.
      {"OSING              ATcT/AO  1    0    0    0G   200.000  6000.000 1000.000     1", "ATcT/",
       "Ao1", 'G', "", "Ao1  weight unknown  gas"},
      {"TCO                     TC  1O   1          S   300.000  5000.000 1000.00     1", "",
       "Tc1O1", 'S', "", "Tc1 O1  weight unknown  solid"},
      {"X                       C   xH   4          G   300.000  5000.000 1000.00     1", "",
       "C?H4", 'G', "", "C? H4  weight unknown  gas"},
      {"CHALF                   C  .5               C   300.000  5000.000 1000.00     1", "",
       "C0.5", 'C', "6.0055", "C0.5  6.0055 g/mol  condensed"},
      // A comment hides what follows it; a short line has blank columns.
      {"CH4               L 8/88C   1H   4 ! G   200.000  3500.000  1000.000    1", "L 8/88",
       "C1H4", ' ', "16.043", "C1 H4  16.043 g/mol  no phase"},
      {"CH4", "", "", ' ', "", "no composition  weight unknown  no phase"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Line1Fields fields = ReadLine1Fields(c.line);
    EXPECT_EQ(fields.note, c.note);
    EXPECT_EQ(FormulaText(fields.composition, ""), c.formula);
    EXPECT_EQ(fields.phase, c.phase);
    const std::optional<double> weight = MolecularWeight(fields.composition);
    EXPECT_EQ(weight ? ShortestNumber(*weight) : "", c.weight);
    EXPECT_EQ(RecordSummaryText(ParseThermoRecord({c.line, "", "", ""}, 1, 1)), c.summary);
  }
}

}  // namespace
}  // namespace tabulon
