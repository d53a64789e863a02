// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabulon::batch {

// tabulon-batch's whole command line after the program name: the program's own options
// (--help, -h, --version), then a command with its arguments or its --help. Returns the exit
// status: 0 success, 1 failure of the work, 2 wrong usage (the usage then goes to `err`).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tabulon::batch
