// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/loaded_databases.h"

#include "app/model/main_window_model.h"

namespace tabulon {
namespace {

std::size_t IndexOf(Db db) {
  return db == Db::One ? 0 : 1;
}

}  // namespace

void LoadedDatabases::Keep(Db db, std::shared_ptr<const ThermoFile> file) {
  files_[IndexOf(db)] = std::move(file);
}

std::shared_ptr<const ThermoFile> LoadedDatabases::Current(Db db, const std::string& path) {
  std::shared_ptr<const ThermoFile>& kept = files_[IndexOf(db)];
  if (kept && kept->Path() == path && (commands_ > 0 || kept->Snapshot().StillCurrent())) {
    return kept;
  }
  kept = std::make_shared<const ThermoFile>(ThermoFile::Read(path));
  return kept;
}

CommandFiles::CommandFiles(MainWindowModel& window)
    : databases_(window.databases),
      one_(databases_.Current(Db::One, window.common.DB1Path)),
      two_(databases_.Current(Db::Two, window.common.DB2Path)) {
  ++databases_.commands_;
}

CommandFiles::~CommandFiles() {
  --databases_.commands_;
}

}  // namespace tabulon
