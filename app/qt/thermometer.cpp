// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/thermometer.h"

#include <QPainter>
#include <QPainterPath>

namespace tabulon::gui {

namespace {

constexpr QSize kPictureSize(27, 62);

// Draws the thermometer into a 27 x 62 box: a glass tube with a bulb, red liquid up to two
// thirds of the tube, and a scale of ticks on its right.
void DrawThermometer(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor glass(235, 240, 245);
  const QColor outline(70, 70, 80);
  const QColor liquid(220, 30, 30);

  const QRectF bulb(6.5, 44.5, 15, 15);
  const QRectF tube(10.5, 2.5, 7, 46);
  QPainterPath body;
  body.addRoundedRect(tube, 3.5, 3.5);
  body.addEllipse(bulb);
  body = body.simplified();

  painter.setPen(QPen(outline, 1.2));
  painter.setBrush(glass);
  painter.drawPath(body);

  painter.setPen(Qt::NoPen);
  painter.setBrush(liquid);
  painter.drawEllipse(bulb.adjusted(2.5, 2.5, -2.5, -2.5));
  painter.drawRect(QRectF(12.5, 17, 3, 32));

  painter.setPen(QPen(outline, 1));
  for (int i = 0; i < 8; ++i) {
    const qreal y = 8.5 + 5 * i;
    const qreal length = i % 2 == 0 ? 5 : 3;
    painter.drawLine(QPointF(19.5, y), QPointF(19.5 + length, y));
  }
}

}  // namespace

QPixmap ThermometerPicture(qreal device_pixel_ratio) {
  QPixmap picture(kPictureSize * device_pixel_ratio);
  picture.setDevicePixelRatio(device_pixel_ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  DrawThermometer(painter);
  return picture;
}

QIcon ThermometerIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 128}) {
    // The icon is square: the thermometer stands in the middle of a 62 x 62 field.
    QPixmap square(side, side);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.scale(side / 62.0, side / 62.0);
    painter.translate((62 - kPictureSize.width()) / 2.0, 0);
    DrawThermometer(painter);
    painter.end();
    icon.addPixmap(square);
  }
  return icon;
}

}  // namespace tabulon::gui
