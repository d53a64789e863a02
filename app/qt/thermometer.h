// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tabulon::gui {

// The picture of THERMIMG: a thermometer of 27 by 62 pixels, drawn sharp at the given device
// pixel ratio.
QPixmap ThermometerPicture(qreal device_pixel_ratio);

// The icon of the tool's windows: the same thermometer.
QIcon ThermometerIcon();

}  // namespace tabulon::gui
