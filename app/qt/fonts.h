// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tabulon::gui {

// The windows were drawn in "MS Sans Serif"; where the desktop lacks it, the nearest sans serif
// of similar width stands in.
inline QFont SansSerifFont(qreal point_size, bool bold) {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                    "Nimbus Sans", "Helvetica"});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setBold(bold);
  return font;
}

// The default font of both windows' controls.
inline QFont WindowFont() {
  return SansSerifFont(8.25, false);
}

inline QFont CommandButtonFont() {
  return SansSerifFont(9.75, true);
}

}  // namespace tabulon::gui
