// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/database_side.h"
#include "properties/species_view.h"

namespace tabulon {

// What a database frame's boxes hold, for its caption (FrameSpecies1, FrameSpecies2): the name
// of the species its detail view last showed and the file line of its record, or nothing. A
// list may be filtered, or another reaction (Compare, a comparison list) may have chosen the
// species, so the list alone does not tell.
//   shown:    "Shown: CH4 (line 1234)"
//   refused:  "Shown: CH4 (line 1234), its temperatures refused"
//   nothing:  ""
// More of the record's line-1 fields (formula, weight, phase) join the name here.
std::string FrameSpeciesCaption(const ThermoRecord& record, DetailOutcome outcome);

// Sets the side's caption for what its detail view now holds.
void ShowFrameSpecies(const DatabaseSide& side, const ThermoRecord& record, DetailOutcome outcome);
// Empties the side's caption: its boxes hold no species.
void ClearFrameSpecies(const DatabaseSide& side);

}  // namespace tabulon
