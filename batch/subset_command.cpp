// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch subset DB --species FILE --out NEW [--force]: the records of the species that a
// names file or a mechanism's species block lists.
#include <ostream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "batch/database_writing.h"
#include "batch/thermo_file_load.h"
#include "compare/database_merge.h"
#include "thermodb/species_list.h"

namespace tabulon::batch {
namespace {

constexpr std::string_view kCommand = "subset";

}  // namespace

int RunSubset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandArgs parsed;
  if (!parsed.Parse(args, {"--out", "--species"}, kCommand, err)) return 2;
  const std::optional<std::string> target = parsed.Value("--out");
  const std::optional<std::string> species = parsed.Value("--species");
  if (parsed.Positional().size() != 1 || !target || !species) return 2;
  const std::string& db = parsed.Positional()[0];
  const bool force = parsed.Flag("--force");
  const std::vector<std::string> inputs = {db, *species};
  if (!TargetAllowed(*target, force, inputs, kCommand, err)) return 1;
  const std::optional<std::string> names = ReadNamesFile(*species, kCommand, err);
  if (!names) return 1;
  const std::optional<ThermoFile> file = LoadForCommand(db, kCommand, err);
  if (!file) return 1;

  DatabaseEdit edit(*file);
  const SubsetSummary summary = SubsetDatabase(*file, SpeciesNamesIn(*names), edit);
  for (const std::string& name : summary.missing) {
    err << "tabulon-batch subset: " << name << " is not in " << db << '\n';
  }
  if (!SaveForCommand(edit.Build(), *target, force, inputs, kCommand, err)) return 1;
  out << summary.kept << " records\n";
  return summary.missing.empty() ? 0 : 1;
}

}  // namespace tabulon::batch
