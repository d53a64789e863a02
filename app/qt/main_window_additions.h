// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tabulon::gui {

class GrowingLayout;
class MainWindow;

// What the main window offers beyond its designed controls: a filter above each species list,
// the recent files on the load buttons, files dropped on the window, the report viewer's link,
// copying full-precision values, and Enter on a focused button. Each part lives in its own file;
// this places the new widgets (in twips, as the designed ones) and hooks them into the window.
void AddWindowAdditions(MainWindow& window, GrowingLayout& layout);

}  // namespace tabulon::gui
