// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "properties/nasa7.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

// One species of one database as the plots and property tables use it: its two coefficient
// ranges read from the file as it is now, or the reason they cannot be evaluated.
struct SpeciesSource {
  std::string path;  // the database file
  std::string name;  // upper-cased, as the species lists hold it
  std::optional<TwoRangeNasa7> ranges;
  std::string problem;  // empty when `ranges` holds a value; otherwise a sentence for the user
  std::optional<double> molecular_weight;  // g/mol from the record's composition, when known
  std::string formula;                     // the composition as written ("C1H4")

  bool Usable() const { return ranges.has_value(); }
  // Why the species' properties cannot be given per mass (its weight is unknown), or empty.
  std::string PerMassProblem() const;
  // The units of its properties in `choice`; empty when PerMassProblem says why not.
  std::optional<Units> UnitsIn(UnitChoice choice) const;
};

// Looks `name` up in `file` (the record the window's detail view would show) and takes its
// limits and coefficients. Never throws for bad content.
SpeciesSource SpeciesSourceOf(const ThermoFile& file, std::string_view name);
// The same in the database at `path`, read for it.
SpeciesSource LoadSpeciesSource(const std::string& path, std::string_view name);

}  // namespace tabulon
