// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "properties/nasa7.h"

namespace tabulon {

// The temperatures of a property table: from, from + step, ... up to `to`.
struct TableRange {
  double from = 300;
  double to = 3000;
  double step = 100;
};

// Rows beyond this many are refused, so a tiny step cannot make the table run for ever.
inline constexpr long kMaxTableRows = 1'000'000;

// Why the range gives no table (a sentence for the user), or empty when it is usable: every
// number finite, step above 0, from not above to, at most kMaxTableRows rows.
std::string TableRangeProblem(const TableRange& range);

// The row temperatures: from + i * step (computed from i, so no error accumulates); a last
// temperature within a millionth of a step of `to` is written as `to` itself.
std::vector<double> TableTemperatures(const TableRange& range);

// One record's columns of the table: Cp, H, S and G at each row temperature, empty where the
// temperature lies outside the record's range or the value cannot be computed there.
struct TableColumns {
  std::vector<std::optional<Properties>> rows;
};
TableColumns EvaluateColumns(const TwoRangeNasa7& record, const std::vector<double>& temperatures,
                             const Units& units);

// A whole table, ready to show or write: header and cells. `records` holds one or two records
// (nullopt for a side that has no usable record: its cells stay empty); `suffixes` names them
// in the header ("1", "2"). With two records, the differences first minus second follow
// (dCp, dH, dS, dG), empty where either side is.
struct PropertyTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::optional<double>>> cells;  // rows, each as long as header
};
PropertyTable BuildPropertyTable(const std::vector<std::optional<TwoRangeNasa7>>& records,
                                 const std::vector<std::string>& suffixes,
                                 const std::vector<double>& temperatures, const Units& units);
// The same with each record in units of its own (per mass, each species has its own weight).
PropertyTable BuildPropertyTable(const std::vector<std::optional<TwoRangeNasa7>>& records,
                                 const std::vector<std::string>& suffixes,
                                 const std::vector<double>& temperatures,
                                 const std::vector<Units>& units);

// The shortest text that reads back to the same double (std::to_chars); zero of either sign is
// "0".
std::string ShortestText(double x);

// The table as lines of text: the header, then one line per row, cells joined by `separator`
// (',' for CSV, '\t' for pasting into a spreadsheet); an empty cell is the empty text.
std::string TableText(const PropertyTable& table, char separator);

}  // namespace tabulon
