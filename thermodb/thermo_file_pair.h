// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>

#include "thermodb/thermo_file.h"

namespace tabulon {

// Reads two databases for one command, the second on a thread of its own: reading parses
// every record, so on two cores a pair takes the time of its larger file.
std::pair<ThermoFile, ThermoFile> ReadThermoFilePair(const std::string& first,
                                                     const std::string& second);

}  // namespace tabulon
