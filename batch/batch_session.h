// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"

namespace tabulon::batch {

// The main window model with scripted platform services, as tabulon-batch drives it: message
// boxes go to `err` (the title on one line, then each text line after two blanks).
class BatchSession {
 public:
  explicit BatchSession(std::ostream& err);

  MainWindowModel& Window() { return window_; }
  ScriptedPlatform& Platform() { return platform_; }

  // Loads `path` as CMD1 or CMD2 does with that file chosen. True when the load
  // succeeded; when it failed, its error message (file and reason) has been written to `err`.
  bool Load(Db db, const std::string& path);
  // Loads DB #1 from `path1`, then DB #2 from `path2`, as Load does each; the two files are
  // read at the same time (ReadDatabase), each on a thread of its own. True when both loads
  // succeeded.
  bool LoadBoth(const std::string& path1, const std::string& path2);

 private:
  std::ostream& err_;
  ScriptedPlatform platform_;
  MainWindowModel window_{platform_};
};

// Writes a message box as tabulon-batch shows it.
void PrintMessage(std::ostream& out, const Message& message);

}  // namespace tabulon::batch
