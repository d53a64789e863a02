// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_line.h"

#include <algorithm>
#include <ostream>

#include "batch/command_table.h"
#include "batch/commands.h"
#include "common/version.h"

namespace tabulon::batch {

namespace {

constexpr std::string_view kProgram = "tabulon-batch";

bool IsHelp(std::string_view arg) {
  return arg == "--help" || arg == "-h";
}

void PrintCommandUsage(const BatchCommand& command, std::ostream& to) {
  to << "usage: " << kProgram << ' ' << command.name << ' ' << command.arguments << '\n';
}

void PrintUsage(std::ostream& to) {
  to << "usage: " << kProgram << " COMMAND ARGUMENTS\n";
  for (const BatchCommand& command : BatchCommands()) {
    to << "       " << kProgram << ' ' << command.name << ' ' << command.arguments << '\n';
  }
}

void PrintHelp(std::ostream& to) {
  PrintUsage(to);
  to << "       " << kProgram << " [COMMAND] --help | --version\n"
     << "\nTabulon's window logic without a window: loads NASA seven-coefficient thermo\n"
        "databases, shows species and compares two databases, for scripts and checks.\n"
     << "\nCommands:\n";
  for (const BatchCommand& command : BatchCommands()) {
    const std::string name(command.name);
    to << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ')
       << command.summary << '\n';
  }
  to << "\nOptions:\n"
        "  -h, --help  print this help; after a command, that command's help\n"
        "  --version   print the version\n"
        "\nExit status: 0 success, 1 the work failed (the reason is on stderr), 2 wrong usage.\n";
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    PrintUsage(err);
    return 2;
  }
  const std::string& first = args.front();
  if (IsHelp(first)) {
    PrintHelp(out);
    return 0;
  }
  if (first == "--version") {
    out << kProgram << ' ' << kVersion << '\n';
    return 0;
  }
  const BatchCommand* command = FindBatchCommand(first);
  if (!command) {
    err << kProgram << ": unknown " << (first.starts_with("-") ? "option" : "command") << " '"
        << first << "'\n";
    PrintUsage(err);
    return 2;
  }

  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (std::ranges::any_of(rest, IsHelp)) {
    PrintCommandUsage(*command, out);
    out << '\n' << command->details;
    return 0;
  }
  for (const std::string& arg : rest) {
    if (arg.starts_with("--") &&
        std::ranges::find(command->options, arg) == command->options.end()) {
      err << kProgram << ' ' << command->name << ": unknown option '" << arg << "'\n";
      PrintCommandUsage(*command, err);
      return 2;
    }
  }
  const int status = command->run(rest, out, err);
  if (status == kCheckNotLoaded) return 2;
  if (status == kWrongUsage) PrintCommandUsage(*command, err);
  return status;
}

}  // namespace tabulon::batch
