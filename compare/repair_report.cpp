// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/repair_report.h"

#include <cstdio>
#include <ostream>

#include "compare/check_report.h"

namespace tabulon {
namespace {

std::string Short(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", x);
  return text;
}

}  // namespace

std::string RepairDetail(const RecordRepair& repair) {
  if (repair.action == RepairAction::Skipped) return repair.reason;
  const RepairCost& cost = repair.cost;
  std::string detail = "largest dCp " + Short(cost.dcp_max) + " cal/mol/K, dH " +
                       Short(cost.dh_max) + " kcal/mol, dS " + Short(cost.ds_max) + " cal/mol/K";
  if (repair.action == RepairAction::Refused) return detail + "; not applied: " + repair.reason;
  const JoinMeasures& after = repair.jumps_after;
  return detail + "; jumps now cp " + Short(after.cp) + ", h " + Short(after.h) + ", s " +
         Short(after.s);
}

void WriteRepairsText(std::ostream& out, std::span<const RecordRepair> repairs) {
  for (const RecordRepair& r : repairs) {
    out << r.line << '\t' << r.name << '\t' << ActionName(r.action) << '\t' << RepairDetail(r)
        << '\n';
  }
}

void WriteRepairsCsv(std::ostream& out, std::span<const RecordRepair> repairs) {
  out << "line,name,action,dcp_max,dh_max,ds_max\n";
  for (const RecordRepair& r : repairs) {
    out << r.line << ',' << CsvField(r.name) << ',' << ActionName(r.action);
    if (r.action == RepairAction::Skipped) {
      out << ",,,\n";
    } else {
      out << ',' << ShortestNumber(r.cost.dcp_max) << ',' << ShortestNumber(r.cost.dh_max) << ','
          << ShortestNumber(r.cost.ds_max) << '\n';
    }
  }
}

}  // namespace tabulon
