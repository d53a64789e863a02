// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/thermo_file_load.h"

#include <ostream>

namespace tabulon::batch {

std::optional<ThermoFile> LoadForCommand(const std::string& path, std::string_view command,
                                         std::ostream& err) {
  ThermoFile file = ThermoFile::Read(path);
  if (!ReportIfNotLoaded(file, command, err)) return std::nullopt;
  return file;
}

bool ReportIfNotLoaded(const ThermoFile& file, std::string_view command, std::ostream& err) {
  if (file.Outcome().Succeeded()) return true;
  err << "tabulon-batch " << command << ": cannot load " << file.Path() << ": "
      << file.Outcome().problem << '\n';
  return false;
}

}  // namespace tabulon::batch
