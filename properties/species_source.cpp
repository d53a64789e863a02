// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/species_source.h"

#include "common/ascii_text.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "properties/temperature_line.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

// The fourteen coefficient fields (high set a1..a7, then low set a'1..a'7) of lines 2 to 4.
bool ReadCoefficients(const SpeciesRecord& record, TwoRangeNasa7& ranges) {
  const std::string_view lines[3] = {record.line2, record.line3, record.line4};
  for (int i = 0; i < 14; ++i) {
    const std::string field = CoefficientField(lines[i / 5], i % 5 + 1);
    const std::optional<double> value = StrictNumber(field);
    if (!value) return false;
    (i < 7 ? ranges.high[i] : ranges.low[i - 7]) = *value;
  }
  return true;
}

}  // namespace

SpeciesSource LoadSpeciesSource(const std::string& path, std::string_view name) {
  SpeciesSource source{path, UpperAscii(name), std::nullopt, {}};
  const LookupResult found = FindSpeciesRecord(path, source.name);
  switch (found.status) {
    case LookupStatus::Found:
      break;
    case LookupStatus::NotFound:
      source.problem = source.name + " is not in " + path;
      return source;
    case LookupStatus::Incomplete:
      source.problem = "the record of " + source.name + " ends before its fourth line";
      return source;
    case LookupStatus::CannotOpen:
      source.problem = "cannot read " + path;
      return source;
  }
  const TemperatureLimits limits = ParseTemperatureLine(found.record.line1);
  if (!TemperaturesAccepted(limits.low, limits.mid, limits.high)) {
    source.problem = "the temperature limits of " + source.name + " are refused";
    return source;
  }
  TwoRangeNasa7 ranges;
  try {
    ranges.t_low = LeadingNumber(limits.low);
    ranges.t_mid = LeadingNumber(limits.mid);
    ranges.t_high = LeadingNumber(limits.high);
  } catch (const Failure&) {
    source.problem = "the temperature limits of " + source.name + " are refused";
    return source;
  }
  if (!ReadCoefficients(found.record, ranges)) {
    source.problem = "the coefficients of " + source.name + " are not all numbers";
    return source;
  }
  source.ranges = ranges;
  return source;
}

}  // namespace tabulon
