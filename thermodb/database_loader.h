#pragma once

#include "app/model/database_side.h"

namespace tabulon {

class VivuveRava;

// CMD1 / CMD2: clears what depended on the earlier databases, asks for a file, lists its species
// in LOS1 or LOS2, removes repeated names and shows the count and the path.
//
// Outcomes:
//  - success: the side's list holds the file's names once repeats are thinned, its count label
//    and path label show them, and every coefficient box and Hf/R box is empty;
//  - cancel in the dialog: the reset stands, the side's path and directory keep their values;
//  - failure after the path was taken (unreadable file, no header line, no end line, more than
//    32767 species): the names added so far stay listed and counted, the path and directory hold
//    the new file, but the count label shows "(0)" and the path label and the side's own
//    coefficient boxes and Hf/R box are emptied.
// Failures give no message; the reason goes to PlatformServices::NoteSilentFailure.
void LoadDatabase(VivuveRava& window, Db db);

}  // namespace tabulon
