// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "thermodb/thermo_record.h"

namespace tabulon {

// How showing a species in a detail view ends.
enum class DetailOutcome {
  Shown,     // limits and coefficients shown
  Refused,   // a limit reads as 0 (or is missing): the limits are shown, the coefficients not
  NotShown,  // no record (an empty name, a file changed or unreadable since loading, a record
             // ending before its fourth line): the view shows no species
};

// What a detail view shows for the record a lookup found (null for none): the outcome and the
// record behind it (its lines, limits and texts; for NotShown only what the lookup found, if
// anything). Line 1 is checked first, so a record cut short after line 1 is still refused for
// its limits.
struct SpeciesView {
  DetailOutcome outcome = DetailOutcome::NotShown;
  ThermoRecord record;
};
SpeciesView ViewOf(const ThermoRecord* found);

}  // namespace tabulon
