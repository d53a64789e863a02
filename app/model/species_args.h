// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "properties/species_source.h"

namespace tabulon {

// The arguments that tabulon-batch table and the window program's --plot share: DB NAME
// [--db2 DB2] [--si] [--per-mass], and the options each adds (with a value, such as --from 300).
struct SpeciesArgs {
  std::string db1;
  std::string name;
  std::optional<std::string> db2;
  bool si = false;
  bool per_mass = false;                                     // --per-mass
  std::vector<std::pair<std::string, std::string>> options;  // the command's own, in order
};

// False for wrong usage: fewer than two leading arguments, an option not in `valued_options`,
// --db2 or --si, or an option with a value at the end of the line.
bool ParseSpeciesArgs(const std::vector<std::string>& args,
                      const std::vector<std::string>& valued_options, SpeciesArgs& parsed);

// The species of DB #1 and, with --db2, of DB #2. False when one of them cannot be evaluated,
// or with --per-mass has no known weight; the reason has then been written to `err`, prefixed
// by `program_and_command` ("tabulon-batch table").
bool LoadSpeciesSources(const SpeciesArgs& args, const char* program_and_command,
                        std::vector<SpeciesSource>& sources, std::ostream& err);

}  // namespace tabulon
