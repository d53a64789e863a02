// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch merge DB1 DB2 --out NEW [--take A,B | --take-file F] [--add-missing]
// [--drop-duplicates] [--drop-conflicting] [--force]: DB1 with records taken from DB2.
#include <ostream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "batch/database_writing.h"
#include "batch/thermo_file_load.h"
#include "compare/database_merge.h"
#include "thermodb/species_list.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::batch {
namespace {

constexpr std::string_view kCommand = "merge";

}  // namespace

int RunMerge(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandArgs parsed;
  if (!parsed.Parse(args, {"--out", "--take", "--take-file"}, kCommand, err)) return 2;
  const std::vector<std::string>& paths = parsed.Positional();
  const std::optional<std::string> target = parsed.Value("--out");
  if (paths.size() != 2 || !target) return 2;
  if (parsed.Value("--take") && parsed.Value("--take-file")) {
    err << "tabulon-batch merge: --take and --take-file exclude each other\n";
    return 2;
  }
  const bool force = parsed.Flag("--force");
  std::vector<std::string> inputs = paths;
  MergeOptions options{.add_missing = parsed.Flag("--add-missing"),
                       .drop_duplicates = parsed.Flag("--drop-duplicates"),
                       .drop_conflicting = parsed.Flag("--drop-conflicting")};
  if (const auto take = parsed.Value("--take")) options.take = SpeciesNamesListed(*take);
  if (const auto take_file = parsed.Value("--take-file")) {
    inputs.push_back(*take_file);
    const std::optional<std::string> names = ReadNamesFile(*take_file, kCommand, err);
    if (!names) return 1;
    options.take = SpeciesNamesIn(*names);
  }
  if (!TargetAllowed(*target, force, inputs, kCommand, err)) return 1;

  const auto [first, second] = ReadThermoFilePair(paths[0], paths[1]);
  if (!ReportIfNotLoaded(first, kCommand, err) || !ReportIfNotLoaded(second, kCommand, err)) {
    return 1;
  }
  DatabaseEdit edit(first);
  const MergeSummary summary = MergeDatabases(first, second, options, edit);
  for (const std::string& problem : summary.problems) {
    err << "tabulon-batch merge: " << problem << '\n';
  }
  if (!SaveForCommand(edit.Build(), *target, force, inputs, kCommand, err)) return 1;
  for (const std::string& name : summary.taken) out << "taken\t" << name << '\n';
  for (const std::string& name : summary.added) out << "added\t" << name << '\n';
  for (int line : summary.dropped_lines) out << "dropped\t" << line << '\n';
  return summary.problems.empty() ? 0 : 1;
}

}  // namespace tabulon::batch
