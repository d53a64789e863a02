// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>

namespace tabulon::gui {

// The picture of the mouse pointer over the About window's link boxes: a curved arrow pointing
// up and to the left, 32 by 32 pixels, drawn sharp at the given device pixel ratio.
QPixmap CurvedArrowPicture(qreal device_pixel_ratio);

// That pointer, with its hot spot at the arrow's tip.
QCursor CurvedArrowCursor();

}  // namespace tabulon::gui
