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

// What the property report (Comp2.txt) is made from: the two databases as read for the
// command, the common species, the three temperature texts and the detail views' settings.
struct PropertyReportInput {
  const ThermoFile* db1 = nullptr;
  const ThermoFile* db2 = nullptr;
  std::string_view db1_path, db2_path;      // as the report's first lines name them
  std::span<const std::string> common;      // LOS3: names held by both species lists
  std::array<std::string, 3> temperatures;  // the texts of Ktxt, Ktxt2, Ktxt3
  std::array<bool, 2> hf_asked{};           // Ck1, Ck2
  float r_gas = 0;                          // the window's gas constant
  std::array<DetailFields, 2> fields;       // each view's temperature fields when the run starts
};

// Writes the lines of Comp2.txt into `sink`: a heading, then for each of the three temperatures
// a block with one line per common species, Cp, H and S of both databases with their ratios.
// Each species is followed through both detail views as the window would: selected in both
// lists, both Cp fields set to the temperature (TemperatureFieldText), the six result texts
// read back, so every value and every event (refused species, failures of the fields'
// reactions) is the window's own.
//
// The run ends early, with the failure in the result, when a temperature text lies beyond the
// double range, when a line cannot be written, or at a species whose line cannot be made (a
// result that is no number, a zero ratio: `stopped_at` says where). The views are left showing
// the species and temperature reached.
ReportRunResult RunPropertyReport(const PropertyReportInput& input, ReportSink& sink);

// The text put into TXT1K and TXT2K for a report temperature: NumberText without its leading
// blank ("300", "298.15", "-5").
std::string TemperatureFieldText(double t);

}  // namespace tabulon
