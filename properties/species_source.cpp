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
  SpeciesSource source{path, UpperAscii(name), std::nullopt, {}, std::nullopt, {}};
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
  if (record) {
    source.molecular_weight = record->MolecularWeight();
    source.formula = FormulaText(record->Fields().composition, "");
  }
  return source;
}

std::string SpeciesSource::PerMassProblem() const {
  if (molecular_weight) return {};
  return "the molecular weight of " + name + " in " + path + " is unknown (" +
         (formula.empty() ? std::string("no composition") : "formula " + formula) +
         "), so its properties cannot be given per mass";
}

std::optional<Units> SpeciesSource::UnitsIn(UnitChoice choice) const {
  if (!choice.per_mass) return choice.si ? kSIUnits : kWindowUnits;
  if (!molecular_weight) return std::nullopt;
  return PerMassUnits(choice.si, *molecular_weight);
}

}  // namespace tabulon
