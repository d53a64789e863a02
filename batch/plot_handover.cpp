// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch plot: the charts are drawn with Qt by the window program (tabulon --plot), so
// tabulon-batch itself loads no Qt. It finds tabulon beside itself (installed, both are in one
// folder) or in the build tree's app/ folder, runs it with the same arguments and gives back
// its exit status.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "batch/commands.h"

extern char** environ;

namespace tabulon::batch {
namespace {

// The folder of the running tabulon-batch.
std::filesystem::path OwnFolder() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

std::optional<std::filesystem::path> WindowProgram(const std::filesystem::path& folder) {
  for (const std::filesystem::path& candidate : {folder / "tabulon", folder / "app" / "tabulon"}) {
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return std::nullopt;
}

}  // namespace

int RunPlot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::filesystem::path folder = OwnFolder();
  const std::optional<std::filesystem::path> program = WindowProgram(folder);
  if (!program) {
    err << "tabulon-batch plot: the charts are drawn by the window program tabulon, which is "
           "not beside tabulon-batch in "
        << folder.string() << '\n';
    return 1;
  }
  std::vector<std::string> words = {program->string(), "--plot"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  // The window program writes to the same standard output and error: what is written so far
  // goes first.
  out.flush();
  err.flush();
  std::cout.flush();
  std::cerr.flush();
  pid_t child = 0;
  if (const int failed = ::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ)) {
    err << "tabulon-batch plot: cannot start " << words[0] << ": "
        << std::generic_category().message(failed) << '\n';
    return 1;
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return 1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

}  // namespace tabulon::batch
