// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace tabulon::gui {

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png or .svg, any case); false for others.
bool PictureFormatOf(const QString& path, PictureFormat& format);

// Draws the widget as it is laid out now into a picture of its size: a PNG (pixels) or an SVG
// (vector paths). The file is replaced only once the whole picture is ready. False with a
// reason in `error` when it cannot be written.
bool ExportPicture(QWidget& widget, const QString& path, PictureFormat format, QString* error);

}  // namespace tabulon::gui
