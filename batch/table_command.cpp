// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch table DB NAME [--db2 DB2] [--from A --to B --step C] [--si]: Cp, H, S and G of
// one species at A, A+C, ... up to B as CSV on stdout, from the records themselves.
#include <ostream>
#include <string>
#include <vector>

#include "app/model/species_args.h"
#include "batch/commands.h"
#include "common/leading_number.h"
#include "properties/property_table.h"

namespace tabulon::batch {

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SpeciesArgs parsed;
  if (!ParseSpeciesArgs(args, {"--from", "--to", "--step"}, parsed)) return 2;
  TableRange range;
  for (const auto& [option, text] : parsed.options) {
    const std::optional<double> value = StrictNumber(text);
    if (!value) {
      err << "tabulon-batch table: " << option << " needs a number, not \"" << text << "\"\n";
      return 2;
    }
    (option == "--from" ? range.from : option == "--to" ? range.to : range.step) = *value;
  }
  if (const std::string problem = TableRangeProblem(range); !problem.empty()) {
    err << "tabulon-batch table: " << problem << '\n';
    return 2;
  }

  std::vector<SpeciesSource> sources;
  if (!LoadSpeciesSources(parsed, "tabulon-batch table", sources, err)) return 1;
  std::vector<std::optional<TwoRangeNasa7>> records;
  std::vector<std::string> suffixes;
  std::vector<Units> units;
  for (const SpeciesSource& source : sources) {
    records.push_back(source.ranges);
    suffixes.push_back(std::to_string(records.size()));
    units.push_back(*source.UnitsIn({.si = parsed.si, .per_mass = parsed.per_mass}));
  }
  const PropertyTable table =
      BuildPropertyTable(records, suffixes, TableTemperatures(range), units);
  out << TableText(table, ',');
  return 0;
}

}  // namespace tabulon::batch
