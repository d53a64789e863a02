// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QByteArray>
#include <QSize>
#include <QString>

#include "app/qt/plot/plot_charts.h"

class QWidget;

namespace tabulon::gui {

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (.png or .svg, any case); false for others.
bool PictureFormatOf(const QString& path, PictureFormat& format);

// The widget drawn as it is laid out now, as a PNG of its size.
QByteArray PngOf(QWidget& widget);

// The four charts of `records` as the domain draws them (WritePropertyChartsSvg): each piece of
// a curve one path. `species` goes before each chart's title; `windows` are the parts zoomed
// charts show (none: the whole of every curve).
QByteArray SvgOf(const std::vector<PlottedRecord>& records, const Units& units,
                 const std::string& species, QSize size,
                 const std::array<std::optional<ChartWindow>, 4>& windows = {});

// Writes a picture's bytes; the file is replaced only once all of them are written. False with
// a reason in `error` when it cannot be written.
bool SavePicture(const QByteArray& bytes, const QString& path, QString* error);

}  // namespace tabulon::gui
