// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>
#include <string>

#include "compare/database_check.h"
#include "compare/database_merge.h"
#include "compare/record_repair.h"
#include "fuzz/checks/fuzz_checks.h"
#include "thermodb/database_edit.h"
#include "thermodb/database_save.h"
#include "thermodb/file_snapshot.h"
#include "thermodb/thermo_file.h"

namespace tabulon::fuzz {
namespace {

ThermoFile InMemory(std::string_view bytes) {
  return ThermoFile::Of(FileSnapshot::OfBytes("fuzz.dat", std::string(bytes)));
}

// An output of a file that loaded must load and read back as the writer says it wrote it.
std::string ReadBackProblem(const DatabaseOutput& output, const char* what) {
  const std::string problem = WrittenRecordsProblem(InMemory(output.bytes), output.records);
  return problem.empty() ? problem : std::string(what) + ": " + problem;
}

}  // namespace

std::string CheckDatabaseWriter(std::string_view data) {
  const ThermoFile file = InMemory(data);
  CheckRecords(file.Records(), {});
  const DatabaseOutput unchanged = DatabaseEdit(file).Build();
  if (unchanged.bytes != data) return "writing every record unchanged changes the bytes";
  const bool loads = file.Outcome().Succeeded();
  if (loads) {
    if (std::string problem = ReadBackProblem(unchanged, "unchanged"); !problem.empty()) {
      return problem;
    }
  }

  // Every join repaired, whatever it costs.
  for (const bool both : {false, true}) {
    const RepairOptions options{.refit_both = both,
                                .max_dcp = std::numeric_limits<double>::infinity()};
    const RepairPlan plan = PlanRepairs(file.Records(), options);
    DatabaseEdit repaired(file);
    AddRepairs(plan.repairs, file.Records(), repaired);
    const DatabaseOutput output = repaired.Build();
    if (loads) {
      if (std::string problem = ReadBackProblem(output, "repaired"); !problem.empty()) {
        return problem;
      }
    }
  }

  // Merged with itself: every name taken, the missing added, every repeat dropped.
  DatabaseEdit merged(file);
  MergeDatabases(file, file, {.take = file.Names(), .add_missing = true, .drop_conflicting = true},
                 merged);
  const DatabaseOutput output = merged.Build();
  return loads ? ReadBackProblem(output, "merged with itself") : std::string();
}

}  // namespace tabulon::fuzz
