// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tabulon::batch {

// One command of tabulon-batch: what its usage line, its --help and the option check need,
// and the function that runs it. A new command is one more row in command_table.cpp.
struct BatchCommand {
  std::string_view name;       // "compare"
  std::string_view arguments;  // what follows the name in the usage line
  std::string_view summary;    // one line for the program's --help
  std::string_view details;    // the rest of the command's --help, lines ending in '\n'
  // Every option the command accepts ("--hf"); any other argument starting with "--" is
  // refused as an unknown option before the command runs.
  std::vector<std::string_view> options;
  // Gets the arguments after the name; returns 0 success, 1 failure of the work, 2 wrong usage.
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

std::span<const BatchCommand> BatchCommands();

// The command called `name`, or nullptr.
const BatchCommand* FindBatchCommand(std::string_view name);

}  // namespace tabulon::batch
