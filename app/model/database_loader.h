// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "app/model/database_side.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

class MainWindowModel;

enum class LoadOutcome { Loaded, Cancelled, Failed };

// CMD1 / CMD2: asks for a file, then loads it as LoadDatabase(window, db, path) does. Cancelled
// in the dialog, nothing changes at all.
LoadOutcome LoadDatabase(MainWindowModel& window, Db db);

// Loads the file at `path` as database `db`: the click of its load button with that file chosen,
// and the one road of a file given on the command line, dropped on the window or taken from the
// recent files.
//
// Outcomes:
//  - loaded: everything that depended on the earlier databases is cleared, the side's list holds
//    the file's names once repeats are thinned, its count label and path label show them, every
//    coefficient box and Hf/R box is empty, and the platform hears of the file (the window
//    adds it to the recent files);
//  - failed (unreadable file, no header line, no end line, more than 32767 species): an error
//    message names the file and the reason ("It ends at line 120 without an END line."), and
//    nothing else changes: both databases, their lists, counts, paths and every box stay as
//    they were.
LoadOutcome LoadDatabase(MainWindowModel& window, Db db, std::string path);

// The same, with the file at `path` already read (ThermoFile::Read): a caller that loads both
// databases at once reads the two files at the same time.
LoadOutcome LoadDatabase(MainWindowModel& window, Db db, std::string path,
                         std::shared_ptr<const ThermoFile> file);

}  // namespace tabulon
