// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/window_command_line.h"

#include <ostream>
#include <string_view>

#include "common/version.h"

namespace tabulon::gui {

namespace {

constexpr std::string_view kUsage =
    "usage: tabulon [--help | --version] [QT OPTIONS] [DB1 [DB2]]\n"
    "       tabulon --plot DB NAME [--db2 DB2] --out FILE.svg|FILE.png [--size WxH] [--si]\n"
    "               [--per-mass]\n"
    "\n"
    "Tabulon: opens two NASA seven-coefficient thermo databases side by side, shows their\n"
    "species with Cp, H and S, and compares them (reports Comp.txt and Comp2.txt).\n"
    "\n"
    "DB1 and DB2, when given, are loaded as DB #1 and DB #2, as if chosen in the dialogs.\n"
    "--plot draws the plot window's four charts of species NAME into FILE, without a window\n"
    "(tabulon-batch plot --help says more).\n"
    "\n"
    "Options:\n"
    "  -h, --help  print this help\n"
    "  --version   print the version\n"
    "Qt's own options (for example -platform offscreen) are also accepted.\n"
    "tabulon-batch does the same from the command line: tabulon-batch --help.\n";

}  // namespace

std::optional<int> AnswerInformationOption(int argc, const char* const* argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
    if (arg == "--version") {
      out << "tabulon " << kVersion << '\n';
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace tabulon::gui
