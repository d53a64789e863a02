// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/link_cursor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace tabulon::gui {

namespace {

constexpr int kSide = 32;
constexpr QPoint kTip(2, 9);

// A white arrow with a black outline: the shaft rises from the lower right in a quarter bend
// and ends in a head pointing left, at the tip.
void DrawCurvedArrow(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath shaft;
  shaft.moveTo(25, 29);
  shaft.quadTo(25, 9, 9, 9);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(shaft);
  painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(shaft);

  const QPolygonF head({QPointF(kTip), QPointF(11, 1.5), QPointF(11, 16.5)});
  painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  painter.setBrush(Qt::white);
  painter.drawPolygon(head);
}

}  // namespace

QPixmap CurvedArrowPicture(qreal device_pixel_ratio) {
  QPixmap picture(QSize(kSide, kSide) * device_pixel_ratio);
  picture.setDevicePixelRatio(device_pixel_ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  DrawCurvedArrow(painter);
  return picture;
}

QCursor CurvedArrowCursor() {
  return QCursor(CurvedArrowPicture(qGuiApp->devicePixelRatio()), kTip.x(), kTip.y());
}

}  // namespace tabulon::gui
