// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "app/qt/plot/plot_launcher.h"

class QPushButton;

namespace tabulon::gui {

class MainWindow;

// The Plot and Table buttons of the three frames (DB #1, DB #2, and the comparison frame for
// the common species selected in LOS3).
struct PlotButtons {
  std::array<QPushButton*, 3> plot{};
  std::array<QPushButton*, 3> table{};

  QPushButton& Plot(PlotSource source) const { return *plot[static_cast<int>(source)]; }
  QPushButton& Table(PlotSource source) const { return *table[static_cast<int>(source)]; }
};

// Adds the Plot and Table buttons to the main window, and opens a plot on a double click in a
// species list (LOS1, LOS4: DB #1; LOS2, LOS5: DB #2; LOS3: both).
PlotButtons AddPlotButtons(MainWindow& window);

}  // namespace tabulon::gui
