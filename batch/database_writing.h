// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thermodb/database_edit.h"

namespace tabulon::batch {

// Writes a new database for a command: never over one of `inputs`, over an existing file only
// with `force`. False when nothing was written; the reason is then on `err` as
// "tabulon-batch COMMAND: ...".
bool SaveForCommand(const DatabaseOutput& output, const std::string& target, bool force,
                    const std::vector<std::string>& inputs, std::string_view command,
                    std::ostream& err);

// The same refusals before any work is done, so that a wrong --out costs nothing.
bool TargetAllowed(const std::string& target, bool force, const std::vector<std::string>& inputs,
                   std::string_view command, std::ostream& err);

// The text of a names file (--species, --take-file); none when it cannot be read, said on
// `err`.
std::optional<std::string> ReadNamesFile(const std::string& path, std::string_view command,
                                         std::ostream& err);

}  // namespace tabulon::batch
