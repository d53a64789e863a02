// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "app/model/controls.h"
#include "app/model/database_side.h"

namespace tabulon {

class MainWindowModel;

// What copying a box of a detail view gives: the full-precision value behind the text shown.
//  - A coefficient box: the field as the file states it (every digit; a Fortran exponent
//    letter D written as E).
//  - A result box (Cp, H, S and their second boxes): the double computed from the record's
//    coefficients as the file states them, at the box's temperature and with the set the box
//    shows, in the shortest text that reads back to the same double.
// The value is given only while the box shows what it would give (the same species, record
// and temperature, rounded as the window rounds); otherwise, and for a box that shows no number,
// the box's own text. nullopt for a box that is neither of these.
std::optional<std::string> FullPrecisionText(MainWindowModel& window, const TextBox& box);

// The record of the species selected in the side's list, its lines as they stand in the file
// (comment lines between them left out), each ended by a line feed; nullopt when the file holds
// no record for it.
std::optional<std::string> SpeciesRecordText(MainWindowModel& window, Db db);

}  // namespace tabulon
