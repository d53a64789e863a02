// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

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

// A database file read, its names sorted for its list and its name index built: all a load
// does before it touches the window, so that two loads can do it at the same time, each on a
// thread of its own.
struct DatabaseRead {
  std::shared_ptr<const ThermoFile> file;
  std::vector<std::string> sorted_names;  // the name of every record, in the list's order
};
DatabaseRead ReadDatabase(const std::string& path);

// LoadDatabase(window, db, path) with the file at `path` read already (ReadDatabase).
LoadOutcome LoadDatabase(MainWindowModel& window, Db db, std::string path, DatabaseRead read);

}  // namespace tabulon
