// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/frame_box.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QStyle>

namespace tabulon::gui {

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
  constexpr int kCaptionLeft = 6;
  constexpr int kCaptionPadding = 2;
  QPainter painter(this);
  const QFontMetrics metrics(font());

  // An etched line: a shadow line with a light line beside it.
  qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(),
                 /*sunken=*/true, /*lineWidth=*/1);

  if (title().isEmpty()) return;
  const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding,
                      metrics.height());
  painter.fillRect(caption, palette().window());
  style()->drawItemText(&painter, caption, Qt::AlignCenter, palette(), isEnabled(), title(),
                        QPalette::WindowText);
}

}  // namespace tabulon::gui
