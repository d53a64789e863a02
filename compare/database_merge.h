// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "thermodb/database_edit.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

// A merged database: DB #1's records in DB #1's order, with the chosen species' records taken
// from DB #2 (their lines as they stand), DB #2's other species added when asked, repeats of a
// name dropped when asked. Records come from the first record of each name in scan order.

struct MergeOptions {
  // Names (upper-cased) whose record DB #2 gives: it replaces DB #1's first record of the
  // name, or is added before END when DB #1 has none.
  std::vector<std::string> take{};
  bool add_missing = false;       // add every species of DB #2 that DB #1 lacks, in DB #2's order
  bool drop_duplicates = false;   // drop DB #1's later records of a name identical to its first
  bool drop_conflicting = false;  // drop them also when they differ (implies drop_duplicates)
};

struct MergeSummary {
  std::vector<std::string> taken;  // names whose record now comes from DB #2
  std::vector<std::string> added;  // names added before END
  std::vector<int> dropped_lines;  // DB #1 lines of the repeats left out
  // Why a wanted record could not be merged: "X is not in DB2.dat", "DB2.dat line 40: X is
  // incomplete". The merge goes on without it.
  std::vector<std::string> problems;
};

// Puts the merge into `edit`, whose source is `first`. Each taken or added record gets a
// comment line naming its source: "taken from PATH line N" / "added from PATH line N".
MergeSummary MergeDatabases(const ThermoFile& first, const ThermoFile& second,
                            const MergeOptions& options, DatabaseEdit& edit);

// A subset: the first record of each name in `names`, in the source's order; every other
// record left out (lines between records stay). `missing` lists the names that no record has.
struct SubsetSummary {
  std::size_t kept = 0;
  std::vector<std::string> missing;
};
SubsetSummary SubsetDatabase(const ThermoFile& source, const std::vector<std::string>& names,
                             DatabaseEdit& edit);

}  // namespace tabulon
