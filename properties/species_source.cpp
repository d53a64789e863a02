// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/species_source.h"

#include "common/ascii_text.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

SpeciesSource LoadSpeciesSource(const std::string& path, std::string_view name) {
  return SpeciesSourceOf(ThermoFile::Read(path), name);
}

SpeciesSource SpeciesSourceOf(const ThermoFile& file, std::string_view name) {
  const std::string& path = file.Path();
  SpeciesSource source{path, UpperAscii(name), std::nullopt, {}};
  if (!file.Readable()) {
    source.problem = "cannot read " + path;
    return source;
  }
  const ThermoRecord* record = file.Find(source.name);
  if (!record) {
    source.problem = source.name + " is not in " + path;
  } else if (!record->Complete()) {
    source.problem = "the record of " + source.name + " ends before its fourth line";
  } else if (!record->LimitsAccepted()) {
    source.problem = "the temperature limits of " + source.name + " are refused";
  } else if (!record->coefficients_read) {
    source.problem = "the coefficients of " + source.name + " are not all numbers";
  } else {
    source.ranges = TwoRangeNasa7::Of(*record);
  }
  return source;
}

}  // namespace tabulon
