// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "app/model/database_side.h"
#include "properties/field_evaluation.h"

namespace tabulon {

class MainWindowModel;

// The change reaction of a temperature field (TXT1K, TXT1KH, TXT1KS and their DB #2 twins):
// evaluates the property of the species shown on that side at the field's temperature into its
// result box; at the common temperature it also shows the low set's value in the second box,
// red when the two texts differ. A Cp field then passes its text to the H and the S field of
// its side, whose reactions run before the assignment returns. A division by zero is told with
// the "Missing information..." message; other failures end the reaction silently.
void RecomputeProperty(MainWindowModel& window, Db db, Property property);

// The text of the "Missing information..." message of a field; `description` is the first line.
// The message of TXT2KS has an empty line before its last line.
std::string MissingInformationText(Db db, Property property, std::string_view description,
                                   std::string_view new_line);

}  // namespace tabulon
