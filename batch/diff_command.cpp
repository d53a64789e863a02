// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch diff DB1 DB2 [--csv]: the largest Cp, H and S differences of every species in
// both databases over the kelvins both records cover.
#include <optional>
#include <ostream>

#include "batch/commands.h"
#include "batch/thermo_file_load.h"
#include "compare/deviation_report.h"
#include "compare/deviation_scan.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::batch {

int RunDiff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> paths;
  bool csv = false;
  for (const std::string& arg : args) {
    if (arg == "--csv") {
      csv = true;
    } else if (arg.starts_with("--")) {
      err << "tabulon-batch diff: unexpected argument '" << arg << "'\n";
      return 2;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) return 2;
  const auto [first, second] = ReadThermoFilePair(paths[0], paths[1]);
  if (!ReportIfNotLoaded(first, "diff", err) || !ReportIfNotLoaded(second, "diff", err)) return 1;
  const DeviationRun run = ScanDeviations(first.Records(), second.Records());
  if (csv) {
    WriteDeviationsCsv(out, run.rows);
  } else {
    WriteDeviationsTable(out, run.rows);
  }
  return 0;
}

}  // namespace tabulon::batch
