// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tabulon::gui {

// The database files the user opened lately, the folder of the last one and the folder chosen
// for the reports, kept in the user's settings (QSettings, organisation "Tabulon", application
// "tabulon") so that they survive a restart. Every function reads or writes the settings at once;
// nothing is cached.
namespace file_history {

inline constexpr int kMostRecentFiles = 10;

// Records a database file that was chosen: it becomes the first recent file (an earlier entry
// of the same path moves up) and its folder the last folder.
void Remember(const QString& path);

// The recent files, most recent first.
QStringList RecentFiles();
void ClearRecentFiles();

// The folder of the file chosen last; empty when none was.
QString LastFolder();

// The folder the user chose for the reports; empty when none was (they go beside DB #1).
QString ReportsFolder();
// Keeps the folder chosen for the reports; the empty text forgets it.
void RememberReportsFolder(const QString& folder);

}  // namespace file_history

}  // namespace tabulon::gui
