// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch repair DB --out NEW [--tol-cp X] [--tol-h X] [--tol-s X] [--species A,B]
// [--refit both] [--max-dcp X] [--force] [--format text|csv]: closes the jumps of a database's
// records at their common temperature and writes the result as a new file.
#include <algorithm>
#include <optional>
#include <ostream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "batch/database_writing.h"
#include "batch/thermo_file_load.h"
#include "compare/record_repair.h"
#include "compare/repair_report.h"
#include "thermodb/species_list.h"

namespace tabulon::batch {
namespace {

constexpr std::string_view kCommand = "repair";

struct RepairArgs {
  std::string db, out;
  bool force = false, csv = false;
  RepairOptions options{};
};

std::optional<RepairArgs> ParseRepairArgs(const std::vector<std::string>& args, std::ostream& err) {
  CommandArgs parsed;
  if (!parsed.Parse(args,
                    {"--out", "--tol-cp", "--tol-h", "--tol-s", "--species", "--refit", "--max-dcp",
                     "--format"},
                    kCommand, err)) {
    return std::nullopt;
  }
  if (parsed.Positional().size() != 1 || !parsed.Value("--out")) return std::nullopt;
  RepairArgs repair{parsed.Positional()[0], *parsed.Value("--out"), parsed.Flag("--force")};
  RepairOptions& options = repair.options;
  if (!parsed.NonNegativeNumbers({{"--tol-cp", &options.tolerances.cp},
                                  {"--tol-h", &options.tolerances.h},
                                  {"--tol-s", &options.tolerances.s},
                                  {"--max-dcp", &options.max_dcp}},
                                 kCommand, err)) {
    return std::nullopt;
  }
  if (const auto refit = parsed.Value("--refit")) {
    if (*refit != "both") {
      err << "tabulon-batch repair: --refit takes 'both', not '" << *refit << "'\n";
      return std::nullopt;
    }
    options.refit_both = true;
  }
  if (const auto format = parsed.Value("--format")) {
    if (*format != "text" && *format != "csv") {
      err << "tabulon-batch repair: --format takes text or csv, not '" << *format << "'\n";
      return std::nullopt;
    }
    repair.csv = *format == "csv";
  }
  if (const auto species = parsed.Value("--species"))
    options.species = SpeciesNamesListed(*species);
  return repair;
}

}  // namespace

int RunRepair(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<RepairArgs> parsed = ParseRepairArgs(args, err);
  if (!parsed) return 2;
  const std::vector<std::string> inputs = {parsed->db};
  if (!TargetAllowed(parsed->out, parsed->force, inputs, kCommand, err)) return 1;
  const std::optional<ThermoFile> file = LoadForCommand(parsed->db, kCommand, err);
  if (!file) return 1;

  const RepairPlan plan = PlanRepairs(file->Records(), parsed->options);
  for (const std::string& name : plan.unknown_species) {
    err << "tabulon-batch repair: " << name << " is not in " << parsed->db << '\n';
  }
  DatabaseEdit edit(*file);
  AddRepairs(plan.repairs, file->Records(), edit);
  if (!SaveForCommand(edit.Build(), parsed->out, parsed->force, inputs, kCommand, err)) return 1;
  if (parsed->csv) {
    WriteRepairsCsv(out, plan.repairs);
  } else {
    WriteRepairsText(out, plan.repairs);
  }
  const bool all_repaired =
      plan.unknown_species.empty() && std::ranges::all_of(plan.repairs, &RecordRepair::Applied);
  return all_repaired ? 0 : 1;
}

}  // namespace tabulon::batch
