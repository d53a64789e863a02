// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch records DB [--csv]: every record of a database in file order, with the fields
// of its line 1, its molecular weight and its limits.
#include <optional>
#include <ostream>

#include "batch/commands.h"
#include "batch/thermo_file_load.h"
#include "compare/record_listing.h"

namespace tabulon::batch {

int RunRecords(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::string> path;
  bool csv = false;
  for (const std::string& arg : args) {
    if (arg == "--csv") {
      csv = true;
    } else if (arg.starts_with("--") || path) {
      err << "tabulon-batch records: unexpected argument '" << arg << "'\n";
      return 2;
    } else {
      path = arg;
    }
  }
  if (!path) return 2;
  const std::optional<ThermoFile> file = LoadForCommand(*path, "records", err);
  if (!file) return 1;
  if (csv) {
    WriteRecordsCsv(out, file->Records());
  } else {
    WriteRecordsTable(out, file->Records());
  }
  return 0;
}

}  // namespace tabulon::batch
