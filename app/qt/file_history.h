// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tabulon::gui {

// The database files the user opened lately and the folder of the last one, kept in the user's
// settings (QSettings, organisation "Tabulon", application "tabulon") so that they survive a
// restart. Every function reads or writes the settings at once; nothing is cached.
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

}  // namespace file_history

}  // namespace tabulon::gui
