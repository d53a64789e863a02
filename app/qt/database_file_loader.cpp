// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/database_file_loader.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

namespace tabulon::gui {

void LoadDatabaseFile(MainWindow& window, Db db, const QString& path) {
  const MainWindowModel& model = window.Model();
  QPushButton& button = window.ButtonOf(db == Db::One ? model.CMD1 : model.CMD2);
  // The dialog gives full paths; so does this road, whatever the folder the program runs in.
  window.Model().platform.AnswerNextFileChoice(
      QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
  button.click();
}

bool LoadDatabaseFiles(MainWindow& window, const QStringList& paths) {
  if (paths.size() > 2) return false;
  if (paths.size() >= 1) LoadDatabaseFile(window, Db::One, paths[0]);
  if (paths.size() == 2) LoadDatabaseFile(window, Db::Two, paths[1]);
  return true;
}

}  // namespace tabulon::gui
