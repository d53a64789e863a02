// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "compare/report_run.h"
#include "compare/report_sink.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

// What the coefficient report (Comp.txt) is made from: the two databases as read for the
// command, the counts and lists of the comparison and the detail views' settings.
struct CompReportInput {
  const ThermoFile* db1 = nullptr;
  const ThermoFile* db2 = nullptr;
  std::string_view db1_path, db2_path;  // as the report's first lines name them
  int db1_count = 0, db2_count = 0;     // DB1Count, DB2Count
  std::span<const std::string> only1;   // LOS4: records from DB #1's file
  std::span<const std::string> only2;   // LOS5: records from DB #2's file
  std::span<const std::string> common;  // LOS3: names held by both species lists
  std::array<bool, 2> hf_asked{};       // Ck1, Ck2
  float r_gas = 0;                      // the window's gas constant
  std::array<DetailFields, 2> fields;   // each view's temperature fields when the run starts
};

// Writes the lines of Comp.txt into `sink`: the two databases with their counts, the full
// records of the species of one database only, and for each common species every coefficient
// whose two texts differ, as the two detail views show them when the species is selected in
// both lists, plus the Hf/R row when both Hf/R boxes are asked for and the two values differ.
// A common species that a view does not show (refused, not found, cut short) is compared with
// that side's boxes empty; a refusal is told (an event) and the run goes on.
//
// The run ends early, with the failure in the result, when a line cannot be written, when a
// one-sided record cannot be read in full (its file unreadable, the record cut short: the
// report would otherwise look complete without it), or when a differing text, or an Hf/R
// value, lies beyond the double range. The views are left as the window would show them at
// that point: the last common species reached, its differing texts padded so far.
ReportRunResult RunCompReport(const CompReportInput& input, ReportSink& sink);

// A coefficient text as it stands in a row: one blank in front when its value is above zero,
// so that it lines up with negative values; other texts unchanged. Throws Failure(Overflow) for
// a value beyond the double range.
std::string CoefficientInRow(std::string_view text);

}  // namespace tabulon
