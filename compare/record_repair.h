// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compare/check_rules.h"
#include "compare/join_repair.h"
#include "properties/nasa7.h"
#include "thermodb/database_edit.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// Which repair closes a record's jumps and what it costs: a shift when only H or S jumps, a
// refit when Cp jumps (compare/join_repair.h has the formulas).

enum class RepairAction {
  Shift,    // a6, a7 of the moved set shifted
  Refit,    // a1..a7 of the moved set (or of both sets) fitted again
  Refused,  // a refit whose largest |dCp| exceeds max_dcp: not applied
  Skipped,  // nothing could be done: incomplete, limits out of order, coefficients unreadable
};
// "shift", "refit", "refused", "skipped"
std::string_view ActionName(RepairAction action);

struct RepairOptions {
  CheckTolerances tolerances{};  // a record is repaired when a jump measure is above these
  bool refit_both = false;       // refit both sets' a1..a5 together (--refit both)
  double max_dcp = 1.0;          // cal/mol/K: a refit that changes Cp more is refused
  // Only the records of these names (upper-cased), when not empty; otherwise every record
  // with a jump.
  std::vector<std::string> species{};
  // Only the records whose line 1 is one of these lines, when not empty (the findings chosen in
  // the window); a record so chosen is considered when it has a jump.
  std::vector<int> lines{};
};

// What a repair changes, for the people who read its cost: the largest differences between the
// new and the old record at every whole kelvin of its range, in the window's units (Cp and S in
// cal/mol/K, H in kcal/mol, R = 1.9872).
struct RepairCost {
  double dcp_max = 0, dh_max = 0, ds_max = 0;
};

struct RecordRepair {
  std::size_t record = 0;  // index in the records
  int line = 0;            // the record's line 1 in its file
  std::string name;
  RepairAction action = RepairAction::Skipped;
  std::string reason;           // why skipped or refused, for people
  TwoRangeNasa7 before, after;  // after: the coefficients as written (nine digits)
  RepairCost cost;              // shift, refit, refused
  JoinMeasures jumps_before, jumps_after;
  bool refit_both = false;  // a refit of both sets

  bool Applied() const { return action == RepairAction::Shift || action == RepairAction::Refit; }
};

struct RepairPlan {
  std::vector<RecordRepair> repairs;         // in file order
  std::vector<std::string> unknown_species;  // named in the options, in no record
};

// Every record with a cp-, h- or s-jump above the tolerances (the rule of the database check),
// or with options.species every record of those names that has a jump or cannot be examined.
RepairPlan PlanRepairs(std::span<const ThermoRecord> records, const RepairOptions& options);

// The comment line written before a repaired record (without "! "): what changed and the old
// values, "repaired: high-range a6, a7 shifted to join at 1000 K; was -4.53303000E+04,
// 5.12345600E+00".
std::string RepairComment(const RecordRepair& repair);

// Puts every applied repair into `edit`, whose source holds `records`: lines 2 to 4 in the
// standard layout, the Hf/R field text kept when H(298.15 K) is kept.
void AddRepairs(std::span<const RecordRepair> repairs, std::span<const ThermoRecord> records,
                DatabaseEdit& edit);

}  // namespace tabulon
