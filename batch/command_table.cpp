// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_table.h"

#include <algorithm>

#include "batch/commands.h"

namespace tabulon::batch {

namespace {

const BatchCommand kCommands[] = {
    {"list",
     "DB",
     "the species list of a database",
     "Loads DB as DB #1 and prints the count caption, then the species list, one name per\n"
     "line, in the list's order.\n",
     {},
     RunList},
    {"show",
     "DB NAME [--hf] [T ...]",
     "one species and its Cp, H and S",
     "Shows species NAME of DB as the detail view does: its limits, the range captions, the\n"
     "high and the low coefficient sets, then Cp, H and S at each temperature T, typed in as\n"
     "a user would (at the common temperature both values, separated by '/').\n"
     "  --hf   also print the Hf/R field\n",
     {"--hf"},
     RunShow},
    {"compare",
     "DB1 DB2 [--temps A,B,C] [--hf]",
     "compare two databases, write the reports",
     "Loads both databases, runs Compare and, when common species were found, the property\n"
     "comparison. Prints the counts and the status messages; writes Comp.txt and Comp2.txt\n"
     "next to DB1.\n"
     "  --temps A,B,C   the three temperatures of the property comparison\n"
     "                  (default 300,1000,2000)\n"
     "  --hf            tick both Hf/R boxes, so Comp.txt compares the Hf/R values too\n",
     {"--temps", "--hf"},
     RunCompare},
};

}  // namespace

std::span<const BatchCommand> BatchCommands() {
  return kCommands;
}

const BatchCommand* FindBatchCommand(std::string_view name) {
  const auto found = std::ranges::find(kCommands, name, &BatchCommand::name);
  return found == std::end(kCommands) ? nullptr : &*found;
}

}  // namespace tabulon::batch
