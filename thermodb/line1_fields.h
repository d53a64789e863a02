// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// One element/count pair of a record's composition.
struct ElementCount {
  std::string symbol;  // letters as the periodic table writes them ("C", "Cl", "E"), whatever
                       // the file's case; any other character as written ("1H")
  double count = 0;    // NaN when the count field does not read as a number
};

// What record line 1 holds besides the name and the limits, read by column (counted from 1):
//   19-24  a date or note                      ("L 8/88", "120186")
//   25-44  four pairs of symbol (2) and count (3) ("C   1H   4")
//   45     the phase letter                    (G gas, L liquid, S solid, C condensed)
//   74-78  a fifth pair, only when column 74 is a letter: some files let other text (a
//          common temperature, a record counter) run into those columns
// A pair whose symbol or count is blank, or whose count is zero, is no element of the
// species. Columns past the line's end are blank. The comment (WithoutComment) is left out
// first.
struct Line1Fields {
  std::string note;                       // columns 19-24, blanks around removed
  std::vector<ElementCount> composition;  // in the order written
  char phase = ' ';                       // column 45 upper-cased; a blank when there is none
};
Line1Fields ReadLine1Fields(std::string_view line1);

// The composition as a formula: each symbol followed by its count as the shortest text that
// reads back to it ("C1H4", "Al1E-1"); a count that is no number is written "?". Pairs are
// joined by `separator` ("" for records, " " for the caption).
std::string FormulaText(const std::vector<ElementCount>& composition, std::string_view separator);

// The molecular weight in g/mol: the sum of count x standard atomic weight (atomic_weights.h)
// over the pairs, computed exactly from the table's decimal texts (counts to the thousandth)
// and rounded once to the nearest double, so CH4 weighs 16.043. Empty when a symbol names no
// element or an element without a weight, when a count is not a number, and for a record
// without any pair.
std::optional<double> MolecularWeight(const std::vector<ElementCount>& composition);

// The phase letter as a word: "gas", "liquid", "solid", "condensed"; another letter as it
// stands; the empty text for a blank.
std::string PhaseWord(char phase);

}  // namespace tabulon
