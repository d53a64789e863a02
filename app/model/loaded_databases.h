// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/model/database_side.h"
#include "thermodb/thermo_file.h"

namespace tabulon {

class MainWindowModel;

// What each database's load read, kept for every later command (a click in a list, a copy, a
// plot, a report). A kept file answers while the file on disk is still the version it was read
// from (the same device, inode, size, modification and status-change times); otherwise the file
// is read afresh and that read is kept in its place. So every lookup reflects the file as it is
// on disk, and a file that does not change is read once in all.
class LoadedDatabases {
 public:
  // Keeps what the load of side `db` read.
  void Keep(Db db, std::shared_ptr<const ThermoFile> file);
  // Side `db`'s file at `path` as it is now; while a CommandFiles lives, the file it took,
  // without looking at the disk again.
  std::shared_ptr<const ThermoFile> Current(Db db, const std::string& path);

 private:
  friend class CommandFiles;

  std::array<std::shared_ptr<const ThermoFile>, 2> files_;
  int commands_ = 0;  // CommandFiles alive
};

// Both databases for one command that looks up many records (Compare, Compare Common Species):
// each file checked once at the command's start (and read only if it changed since its load),
// then every lookup of the command, the detail views' included, answered from those bytes
// until the command ends.
class CommandFiles {
 public:
  explicit CommandFiles(MainWindowModel& window);
  ~CommandFiles();
  CommandFiles(const CommandFiles&) = delete;
  CommandFiles& operator=(const CommandFiles&) = delete;

  const ThermoFile& One() const { return *one_; }
  const ThermoFile& Two() const { return *two_; }

 private:
  LoadedDatabases& databases_;
  std::shared_ptr<const ThermoFile> one_, two_;
};

}  // namespace tabulon
