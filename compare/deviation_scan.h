// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "properties/nasa7.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// Where two databases really differ: for a species in both, the largest difference of Cp, H,
// S and G over every integer kelvin that both records cover, not just at three temperatures.

// Differences within this fraction of the largest count as equal to it when the first kelvin
// of the largest is looked for: they differ by rounding only.
inline constexpr double kDeviationTieFraction = 1e-9;

// The largest absolute difference of one property and the first integer kelvin where it occurs
// (up to kDeviationTieFraction).
struct PropertyDeviation {
  double max = 0;
  int t = 0;
};

struct Deviation {
  int t_from = 0, t_to = 0;       // the integer kelvins scanned: ceil(overlap start) .. floor(end)
  PropertyDeviation cp, h, s, g;  // Cp and S in units.cp_unit, H and G in units.h_unit
};

// Scans ceil(max(a.t_low, b.t_low)) .. floor(min(a.t_high, b.t_high)), each record evaluated
// with the set it would use there (low below its t_mid, high from it), in `units`. None when
// that holds no integer kelvin. The scan ends at kGridTopKelvin at the latest (t_to says so). Gives
// exactly what evaluating PropertiesAt at every kelvin in order would give; most kelvins are ruled
// out by a bound rather than evaluated.
std::optional<Deviation> ScanDeviation(const TwoRangeNasa7& a, const TwoRangeNasa7& b,
                                       const Units& units);

// Whether a record can be scanned: complete, all coefficients read and its limits in order.
bool Scannable(const ThermoRecord& record);

struct DeviationRow {
  std::string name;
  std::optional<Deviation> deviation;  // none: a record without usable limits, or no overlap
  int line1 = 0, line2 = 0;            // file lines of the two records
};

using DeviationProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct DeviationRun {
  std::vector<DeviationRow> rows;  // every name of both files, in byte order of the names
  bool cancelled = false;          // stopped by the progress callback: rows incomplete
};

// One row for every name that both files hold, from the first record of that name in each,
// evaluated in `units`. `progress` is called now and then with the names scanned and the total;
// returning false stops the scan.
DeviationRun ScanDeviations(std::span<const ThermoRecord> first,
                            std::span<const ThermoRecord> second,
                            const DeviationProgress& progress = {},
                            const Units& units = kWindowUnits);

}  // namespace tabulon
