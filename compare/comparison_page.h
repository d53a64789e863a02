// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "compare/comparison_summary.h"

namespace tabulon {

// The comparison of two databases as one HTML page to share: self-contained (its style, script
// and drawings inside it), readable in a light and a dark browser, without colour, without
// script and on paper. In this order:
//  - the two files (path, size, modification time, records and species), the program that
//    wrote the page and when, the units and tolerances;
//  - how many species are in both, in DB #1 only and in DB #2 only, with their names;
//  - the deviation table: every species in both with its largest |dCp|, |dH|, |dS| and |dG|
//    over the shared range and where each occurs, ranked as summary.ranking, the differences
//    above the tolerances (summary.marks) marked with a symbol;
//  - for each plotted species its four charts (WritePropertyChartsSvg) and its coefficients
//    side by side, those that differ marked;
//  - the check findings of each database, grouped by code, each with its line.
// Every number is the value `diff --csv` or `check --format csv` gives: shown to four
// significant digits, the whole value in the cell's title.

struct PageOptions {
  std::string generator;     // the program and its version ("tabulon-batch 1.20")
  std::string generated_at;  // when the page was written, as UtcTimeText gives it
};

void WriteComparisonPage(std::ostream& out, const ComparisonSummary& summary,
                         const PageOptions& options);

// "2024-05-01 14:03:07 UTC": a time in nanoseconds since the epoch, to the second.
std::string UtcTimeText(std::int64_t ns_since_epoch);

}  // namespace tabulon
