// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_export.h"

#include <sstream>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>

#include "app/qt/latin1.h"

namespace tabulon::gui {

bool PictureFormatOf(const QString& path, PictureFormat& format) {
  if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    format = PictureFormat::Png;
    return true;
  }
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    format = PictureFormat::Svg;
    return true;
  }
  return false;
}

QByteArray PngOf(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    widget.render(&painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray SvgOf(const std::vector<PlottedRecord>& records, const Units& units,
                 const std::string& species, QSize size,
                 const std::array<std::optional<ChartWindow>, 4>& windows) {
  std::vector<ChartRecord> drawn;
  drawn.reserve(records.size());
  for (const PlottedRecord& record : records) {
    drawn.push_back(
        {Bytes(record.label), record.colour.name().toStdString(), record.ranges, record.units});
  }
  ChartDrawing drawing;
  drawing.width = size.width();
  drawing.height = size.height();
  drawing.species = species;
  drawing.windows = windows;
  std::ostringstream svg;
  WritePropertyChartsSvg(svg, drawn, units, drawing);
  return QByteArray::fromStdString(svg.str());
}

bool SavePicture(const QByteArray& bytes, const QString& path, QString* error) {
  QSaveFile file(path);
  if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
      !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace tabulon::gui
