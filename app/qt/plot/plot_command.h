// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tabulon::gui {

// tabulon --plot DB NAME [--db2 DB2] --out FILE.svg|FILE.png [--size WxH] [--si] [--per-mass]
// (tabulon-batch plot hands its arguments over to it): the four charts of the plot window,
// drawn headless on Qt's offscreen platform into the file. Gets the arguments after --plot and
// makes its own QApplication, so it runs before any window exists. Returns 0 written, 1 a
// species that cannot be drawn or a file that cannot be written (the reason on `err`), 2 wrong
// usage.
int RunPlotCommand(const std::vector<std::string>& args, std::ostream& err);

}  // namespace tabulon::gui
