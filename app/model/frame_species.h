// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "app/model/database_side.h"
#include "properties/species_view.h"

namespace tabulon {

// The caption of a database frame (FrameSpecies1, FrameSpecies2) that names the species its
// boxes hold, with the file line of its record. A list may be filtered, or another reaction
// (Compare Common Species, a comparison list) may have chosen the species, so the list alone
// does not tell.
//   shown:    "Shown: CH4 (line 1234)"
//   refused:  "Shown: CH4 (line 1234), its temperatures refused"
//   nothing:  ""
// More of the record's line-1 fields (formula, weight, phase) join the name here, from the
// detail view.
std::string FrameSpeciesCaption(const DetailView& view);

// Empties the side's caption: its boxes hold no species.
void ClearFrameSpecies(const DatabaseSide& side);

}  // namespace tabulon
