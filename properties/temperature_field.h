#pragma once

#include "app/model/database_side.h"

namespace tabulon {

class VivuveRava;

enum class Property { Cp, H, S };

// The change reaction of a temperature field (TXT1K, TXT1KH, TXT1KS and their DB #2 twins):
// evaluates the property of the selected species at the field's temperature into its result box.
void RecomputeProperty(VivuveRava& window, Db db, Property property);

}  // namespace tabulon
