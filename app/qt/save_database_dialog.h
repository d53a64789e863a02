// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "thermodb/database_save.h"

class QWidget;

namespace tabulon::gui {

// Asks where to write a new database: a save dialog (Qt's own, so it looks the same
// everywhere) that never lists the files in `in_use` (the loaded databases, the source) and
// asks before an existing file is replaced. A file in use chosen all the same (typed in, by
// another path) is refused with a message. None when the user cancelled.
std::optional<std::string> AskNewDatabasePath(QWidget* parent, const QString& title,
                                              const QString& suggested_name,
                                              const std::vector<std::string>& in_use);

// Tells the user how a save ended: where the file went, or why nothing was written.
void ShowSaveOutcome(QWidget* parent, const QString& title, const std::string& target,
                     const SaveOutcome& outcome, const QString& done);

}  // namespace tabulon::gui
