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
    {"check",
     "DB [--tol-cp X] [--tol-h X] [--tol-s X] [--format text|csv|json]",
     "check every record of a database",
     "Checks every record of DB (repeats included) and prints one finding per record and\n"
     "rule, by line, then code: incomplete, limits, cp-jump, h-jump, s-jump,\n"
     "duplicate-identical, duplicate-conflicting, cp-negative, hf-mismatch.\n"
     "Exit status: 0 nothing found, 1 findings, 2 wrong usage or a file that cannot be loaded.\n"
     "  --tol-cp X   cp-jump when |cpL - cpH| / (|cpL| + 1e-4) > X (default 0.01)\n"
     "  --tol-h X    h-jump when |hL - hH| / |cpL| > X (default 0.001)\n"
     "  --tol-s X    s-jump when |sL - sH| / (|sL| + |cpL|) > X (default 0.001)\n"
     "  --format F   text (LINE<TAB>NAME<TAB>CODE<TAB>detail, the default), csv or json\n",
     {"--tol-cp", "--tol-h", "--tol-s", "--format"},
     RunCheck},
    {"diff",
     "DB1 DB2 [--csv]",
     "where two databases differ, kelvin by kelvin",
     "For every species in both databases (the first record of each), the largest difference\n"
     "of Cp (cal/mol/K), H (kcal/mol) and S (cal/mol/K) over every whole kelvin both records\n"
     "cover, and the first kelvin where it occurs. Prints a table, largest Cp difference first.\n"
     "  --csv   name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t in name order\n",
     {"--csv"},
     RunDiff},
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
