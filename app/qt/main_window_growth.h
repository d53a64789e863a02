// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "app/qt/growing_layout.h"

namespace tabulon::gui {

// Shares of the window's growth, so that the controls added beside the designed ones can follow
// the same lines.
// The three frames share the extra height: each database frame takes this much of it, the
// comparison frame the rest.
inline constexpr double kDatabaseFrameHeightShare = 0.375;
// A species list takes this much of its frame's extra width; what stands right of it in the
// upper part of the frame (path, load button, filter) moves right by as much.
inline constexpr double kSpeciesListWidthShare = 0.25;
// The path label takes this much more of its frame's extra width.
inline constexpr double kPathLabelWidthShare = 0.25;
// Things right of a species list in the upper part of its frame move with the list's edge.
inline constexpr Growth kRightOfList{.move_x = kSpeciesListWidthShare};

// How each control of the main window follows the window's growth (frames follow the window,
// the other controls their frame). The species and comparison lists take the extra height;
// what stands below them moves down, what stands right of them moves right. A control that is
// not named here keeps its designed place: a new control below a list or at a frame's right
// edge needs its line here.
std::map<const Control*, Growth> MainWindowGrowth(MainWindowModel& window);

}  // namespace tabulon::gui
