// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/thermo_file_load.h"

#include <ostream>

namespace tabulon::batch {

std::optional<ThermoFile> LoadForCommand(const std::string& path, std::string_view command,
                                         std::ostream& err) {
  ThermoFile file = ThermoFile::Read(path);
  if (!file.Outcome().Succeeded()) {
    err << "tabulon-batch " << command << ": cannot load " << path << ": " << file.Outcome().problem
        << '\n';
    return std::nullopt;
  }
  return file;
}

}  // namespace tabulon::batch
