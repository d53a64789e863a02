#pragma once

#include <string>
#include <string_view>

#include "app/model/database_side.h"

namespace tabulon {

class VivuveRava;

// CMD1 / CMD2: clears what depended on the earlier databases, asks for a file, lists its species
// in LOS1 or LOS2, removes repeated names and shows the count and the path.
void LoadDatabase(VivuveRava& window, Db db);

}  // namespace tabulon
