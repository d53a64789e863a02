// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "thermodb/temperature_line.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// The two databases, each with its list and detail view.
enum class Db { One, Two };

// How showing a species in a detail view ends.
enum class DetailOutcome {
  Shown,     // limits and coefficients shown
  Refused,   // a limit reads as 0 (or is missing): the limits are shown, the coefficients not
  NotShown,  // no record (an empty name, a file changed or unreadable since loading, a record
             // ending before its fourth line): the view shows no species
};

// The outcome for the record a lookup found (null: no record for the name). Line 1 is checked
// first, so a record cut short after line 1 is still refused for its limits.
DetailOutcome OutcomeOf(const ThermoRecord* record);

// The texts a detail view shows for a species: its limit labels and limit texts, its fourteen
// coefficient boxes and its Hf/R box.
struct DetailView {
  DetailOutcome outcome = DetailOutcome::NotShown;
  TemperatureLimits limits;  // the record's limits when shown or refused; empty otherwise
  std::array<std::string, kCoefficientsPerRecord> coefficients;  // empty unless shown
  std::string hf;  // the Hf/R field when shown and asked for (Ck1, Ck2); empty otherwise
};
DetailView DetailViewOf(DetailOutcome outcome, const ThermoRecord& record, bool hf_asked);
DetailView DetailViewOf(const ThermoRecord* record, bool hf_asked);

}  // namespace tabulon
