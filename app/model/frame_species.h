// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/database_side.h"
#include "properties/species_view.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// The caption of a database frame (FrameSpecies1, FrameSpecies2) that names the species its
// boxes hold, with the file line of its record, then what line 1 says of it (formula, weight,
// phase: RecordSummaryText). A list may be filtered, or another reaction (Compare Common
// Species, a comparison list) may have chosen the species, so the list alone does not tell.
//   shown:    "CH4 (line 1234)  C1 H4  16.043 g/mol  gas"
//   refused:  "CH4 (line 1234)  C1 H4  16.043 g/mol  gas, its temperatures refused"
//   not shown (or no record): ""
std::string FrameSpeciesCaption(DetailOutcome outcome, const ThermoRecord* record);

// Empties the side's caption: its boxes hold no species.
void ClearFrameSpecies(const DatabaseSide& side);

}  // namespace tabulon
