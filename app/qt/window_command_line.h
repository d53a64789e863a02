// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>

namespace tabulon::gui {

// The window's own information options, answered before any window or display is needed:
// --help / -h print the usage, --version the version, both on `out`. Returns the exit status
// when one of them was given, nothing otherwise (the window then starts; Qt's own options,
// such as -platform, are left to QApplication).
std::optional<int> AnswerInformationOption(int argc, const char* const* argv, std::ostream& out);

}  // namespace tabulon::gui
