// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/species_args.h"

#include <algorithm>
#include <ostream>

namespace tabulon {

bool ParseSpeciesArgs(const std::vector<std::string>& args,
                      const std::vector<std::string>& valued_options, SpeciesArgs& parsed) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--si") {
      parsed.si = true;
    } else if (arg == "--per-mass") {
      parsed.per_mass = true;
    } else if (arg == "--db2" || std::find(valued_options.begin(), valued_options.end(), arg) !=
                                     valued_options.end()) {
      if (i + 1 == args.size()) return false;
      const std::string& value = args[++i];
      if (arg == "--db2") {
        parsed.db2 = value;
      } else {
        parsed.options.emplace_back(arg, value);
      }
    } else if (arg.starts_with("--")) {
      return false;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) return false;
  parsed.db1 = positional[0];
  parsed.name = positional[1];
  return true;
}

bool LoadSpeciesSources(const SpeciesArgs& args, const char* program_and_command,
                        std::vector<SpeciesSource>& sources, std::ostream& err) {
  sources.push_back(LoadSpeciesSource(args.db1, args.name));
  if (args.db2) sources.push_back(LoadSpeciesSource(*args.db2, args.name));
  bool usable = true;
  for (const SpeciesSource& source : sources) {
    const std::string problem = !source.Usable() ? source.problem
                                : args.per_mass  ? source.PerMassProblem()
                                                 : "";
    if (problem.empty()) continue;
    err << program_and_command << ": " << problem << '\n';
    usable = false;
  }
  return usable;
}

}  // namespace tabulon
