// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/database_file_loader.h"

#include <QFile>
#include <QFileInfo>

#include "app/model/database_loader.h"

namespace tabulon::gui {

void LoadDatabaseFile(MainWindow& window, Db db, const QString& path) {
  MainWindowModel& model = window.Model();
  // Full paths, as the dialog gives, whatever the folder the program runs in; in the file
  // system's own encoding, so the model opens the very file named.
  std::string full = QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
  window.RunAs(db == Db::One ? model.CMD1 : model.CMD2,
               [&model, db, &full] { LoadDatabase(model, db, std::move(full)); });
}

bool LoadDatabaseFiles(MainWindow& window, const QStringList& paths) {
  if (paths.size() > 2) return false;
  if (paths.size() >= 1) LoadDatabaseFile(window, Db::One, paths[0]);
  if (paths.size() == 2) LoadDatabaseFile(window, Db::Two, paths[1]);
  return true;
}

}  // namespace tabulon::gui
