// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/file_history.h"

#include <QFileInfo>
#include <QSettings>

namespace tabulon::gui::file_history {

namespace {

constexpr char kRecentFilesKey[] = "files/recent";
constexpr char kLastFolderKey[] = "files/lastFolder";
constexpr char kReportsFolderKey[] = "files/reportsFolder";

constexpr char kOrganisation[] = "Tabulon";
constexpr char kApplication[] = "tabulon";

}  // namespace

void Remember(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  QStringList recent = settings.value(kRecentFilesKey).toStringList();
  recent.removeAll(absolute);
  recent.prepend(absolute);
  while (recent.size() > kMostRecentFiles) recent.removeLast();
  settings.setValue(kRecentFilesKey, recent);
  settings.setValue(kLastFolderKey, QFileInfo(absolute).absolutePath());
}

QStringList RecentFiles() {
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  return settings.value(kRecentFilesKey).toStringList();
}

void ClearRecentFiles() {
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  settings.remove(kRecentFilesKey);
}

QString LastFolder() {
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  return settings.value(kLastFolderKey).toString();
}

QString ReportsFolder() {
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  return settings.value(kReportsFolderKey).toString();
}

void RememberReportsFolder(const QString& folder) {
  QSettings settings(QSettings::UserScope, kOrganisation, kApplication);
  if (folder.isEmpty()) {
    settings.remove(kReportsFolderKey);
  } else {
    settings.setValue(kReportsFolderKey, folder);
  }
}

}  // namespace tabulon::gui::file_history
