// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "thermodb/thermo_file.h"

namespace tabulon::batch {

// Reads a database once for a command that works on its records. When the file cannot be
// loaded (unreadable, no header line, no end line), writes
// "tabulon-batch COMMAND: cannot load PATH: reason" to `err` and gives none.
std::optional<ThermoFile> LoadForCommand(const std::string& path, std::string_view command,
                                         std::ostream& err);

// Whether `file` was loaded; when it was not, writes the same line as LoadForCommand.
bool ReportIfNotLoaded(const ThermoFile& file, std::string_view command, std::ostream& err);

}  // namespace tabulon::batch
