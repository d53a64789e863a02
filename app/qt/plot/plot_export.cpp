// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/plot_export.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace tabulon::gui {
namespace {

QByteArray PngBytes(QWidget& widget) {
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

QByteArray SvgBytes(QWidget& widget) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(widget.size());
  generator.setViewBox(QRect(QPoint(0, 0), widget.size()));
  generator.setTitle(widget.windowTitle());
  {
    QPainter painter(&generator);
    widget.render(&painter);
  }
  return bytes;
}

}  // namespace

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

bool ExportPicture(QWidget& widget, const QString& path, PictureFormat format, QString* error) {
  const QByteArray bytes = format == PictureFormat::Png ? PngBytes(widget) : SvgBytes(widget);
  QSaveFile file(path);
  if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
      !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace tabulon::gui
