// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"

namespace tabulon::testing {

// What a run of tabulon-batch printed and returned.
struct BatchRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Exit status of a run that was stopped because it took longer than its time limit.
inline constexpr int kBatchTimedOut = 124;

// Runs tabulon-batch with `args`, its output caught in files of `scratch`. A run that takes
// longer than `time_limit_seconds` is stopped and returns kBatchTimedOut, so no test can hang.
inline BatchRun RunBatch(const std::vector<std::string>& args, const TempDir& scratch,
                         int time_limit_seconds = 120) {
  auto quoted = [](const std::string& text) {
    std::string q = "'";
    for (char c : text) q += (c == '\'' ? std::string("'\\''") : std::string(1, c));
    return q + "'";
  };
  std::string command =
      "timeout -k 5 " + std::to_string(time_limit_seconds) + " " + quoted(TABULON_BATCH_EXE);
  for (const std::string& arg : args) command += " " + quoted(arg);
  const std::string out = scratch.File("batch.out"), err = scratch.File("batch.err");
  command += " >" + quoted(out) + " 2>" + quoted(err);
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
}

}  // namespace tabulon::testing
