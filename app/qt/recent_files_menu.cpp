// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/recent_files_menu.h"

#include <QDir>
#include <QFileInfo>

#include "app/qt/database_file_loader.h"
#include "app/qt/file_history.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

namespace {
constexpr int kWidestEntry = 480;  // pixels; a longer path is shortened in its middle
}  // namespace

RecentFilesMenu::RecentFilesMenu(MainWindow& window, Db db, QWidget* parent)
    : QMenu(parent), window_(window), db_(db) {
  setObjectName(db == Db::One ? "CMD1RecentMenu" : "CMD2RecentMenu");
  connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Fill);
  Fill();
}

void RecentFilesMenu::Fill() {
  clear();
  const QStringList recent = file_history::RecentFiles();
  for (const QString& path : recent) {
    const QString shown =
        fontMetrics().elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, kWidestEntry);
    QAction* entry = addAction(shown);
    entry->setData(path);
    entry->setToolTip(path);
    entry->setEnabled(QFileInfo(path).isFile());
    connect(entry, &QAction::triggered, this,
            [this, path] { LoadDatabaseFile(window_, db_, path); });
  }
  if (recent.isEmpty()) {
    addAction(tr("No recent files"))->setEnabled(false);
    return;
  }
  addSeparator();
  connect(addAction(tr("Clear recent files")), &QAction::triggered, this,
          [] { file_history::ClearRecentFiles(); });
}

}  // namespace tabulon::gui
