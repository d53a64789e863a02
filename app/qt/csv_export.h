// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class QWidget;

namespace tabulon::gui {

// Asks for a file name, proposing `suggested` (a path: the dialog opens in its folder), and
// writes a CSV table there with `write`. A name that is one of the
// `databases` (the same file, whatever the path) is refused with a message: nothing is ever
// written over a database. A file that cannot be written is told in a message too.
void ExportCsv(QWidget* parent, const std::string& suggested,
               const std::vector<std::string>& databases,
               const std::function<void(std::ostream&)>& write);

// Whether `path` names one of `databases` (an existing file reached by another path counts).
bool IsOneOf(const std::string& path, const std::vector<std::string>& databases);

}  // namespace tabulon::gui
