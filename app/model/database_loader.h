// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/model/database_side.h"

namespace tabulon {

class MainWindowModel;

enum class LoadOutcome { Loaded, Cancelled, Failed };

// CMD1 / CMD2: asks for a file; once one is chosen, clears what depended on the earlier
// databases, lists the file's species in LOS1 or LOS2, removes repeated names and shows the
// count and the path.
//
// Outcomes:
//  - loaded: the side's list holds the file's names once repeats are thinned, its count label
//    and path label show them, and every coefficient box and Hf/R box is empty;
//  - cancelled in the dialog: nothing changes at all;
//  - failed after the file was chosen (unreadable file, no header line, no end line, more than
//    32767 species): an error message names the file and the reason ("It ends at line 120
//    without an END line."); the names added so far stay listed and counted, the path and
//    directory hold the new file, but the count label shows "(0)" and the path label and the
//    side's own coefficient boxes and Hf/R box are emptied.
LoadOutcome LoadDatabase(MainWindowModel& window, Db db);

}  // namespace tabulon
