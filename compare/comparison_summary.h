// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "compare/check_rules.h"
#include "compare/database_check.h"
#include "compare/deviation_scan.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

// Everything the comparison page shows about two databases, computed from their records: the
// files, which names are in which, the deviation of every common species, the species that
// differ most and each file's check findings.

struct SummaryOptions {
  const Units* units = &kWindowUnits;
  std::size_t top = 20;  // how many of the species that differ most get their plots
  // The check's tolerances: for each file's findings, and for the marks of the deviation table.
  CheckTolerances tolerances;
};

// Which of a species' largest differences the deviation table marks: the two databases'
// values at the kelvin where the difference is largest, measured as the check measures a jump
// between a record's two sets (check_rules.h, DB #1 in the place of the low set), above the
// tolerance. Dimensionless, so the same in any units.
struct DeviationMarks {
  bool cp = false, h = false, s = false;
  bool Any() const { return cp || h || s; }
};
DeviationMarks MarkDeviation(const TwoRangeNasa7& first, const TwoRangeNasa7& second,
                             const Deviation& deviation, const CheckTolerances& tolerances);

struct DatabaseFacts {
  std::string path;
  std::int64_t size = 0;         // bytes
  std::int64_t modified_ns = 0;  // since the epoch; 0 for bytes that are not a file
  std::size_t records = 0;       // records the scan found, repeats included
  std::size_t species = 0;       // different names among them
};

using SummaryProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct ComparisonSummary {
  SummaryOptions options;  // what it was made with
  std::array<DatabaseFacts, 2> files;
  std::vector<std::string> only_first, only_second;  // names in one file only, in byte order
  std::vector<DeviationRow> rows;     // every name in both, in byte order (ScanDeviations)
  std::vector<DeviationMarks> marks;  // one per row
  // The rows from the largest |dG| down (equal |dG|: the larger |dCp| first, then by name);
  // rows without a deviation last, by name.
  std::vector<std::size_t> ranking;
  // The first `top` rows of the ranking that differ at all, each with its two records (the
  // first of its name in each file, as the scan took them; they live as long as the files).
  struct Plotted {
    std::size_t row;
    const ThermoRecord* first;
    const ThermoRecord* second;
  };
  std::vector<Plotted> plotted;
  std::array<CheckRun, 2> checks;
  bool cancelled = false;  // stopped by the progress callback: the rest is incomplete
};

// The order of the deviation table: the largest |dG| first, equal |dG| by the larger |dCp|,
// then as given; rows without a deviation last, as given. A difference that is not a number
// ranks as the largest, so that it is seen. Indices into `rows`.
std::vector<std::size_t> RankDeviations(std::span<const DeviationRow> rows);

// Scans and checks both files. `progress` is called now and then with the work done and the
// whole (common names scanned plus records checked); returning false stops the work.
ComparisonSummary SummarizeComparison(const ThermoFile& first, const ThermoFile& second,
                                      const SummaryOptions& options,
                                      const SummaryProgress& progress = {});

}  // namespace tabulon
