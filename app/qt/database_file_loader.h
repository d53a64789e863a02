// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "app/model/database_side.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

// Loads `path` as DB #1 or DB #2 through the model's load entry, as a click of that side's load
// button with the file chosen in its dialog would. The command line, a drop on the window and
// the recent files all load this way, so a database has one road into the program.
void LoadDatabaseFile(MainWindow& window, Db db, const QString& path);

// One path loads DB #1; two load DB #1 and DB #2 in that order. More than two load nothing and
// return false.
bool LoadDatabaseFiles(MainWindow& window, const QStringList& paths);

}  // namespace tabulon::gui
