// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

namespace tabulon::gui {

// A frame drawn as the window was designed: the border runs through the middle of the caption
// line, so the controls placed just below the caption stay clear of it. (Qt's own group boxes
// draw the border below the caption, where those controls stand.)
class FrameBox : public QGroupBox {
  Q_OBJECT

 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tabulon::gui
