// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include <QFileDialog>
#include <QStringList>

#include "app/model/platform_services.h"

namespace tabulon::gui {

// Qt name filters from a filter list in the form "Caption|pattern|Caption|pattern|...": each
// entry becomes "Caption (pattern)", patterns separated by ";" become blank-separated. The
// dialog shows the captions alone.
QStringList NameFilters(std::string_view filter);

// Qt's own open-file dialog (not the desktop's), set up as the request asks: title, filters with
// the requested one preselected, and the initial folder when it exists, else the user's home
// folder. Extensions match whatever their case (THERM.DAT matches *.dat).
std::unique_ptr<QFileDialog> MakeOpenFileDialog(const OpenFileRequest& request, QWidget* parent);

}  // namespace tabulon::gui
