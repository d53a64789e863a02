// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QToolButton>

namespace tabulon::gui {

// A tool button that reads as a link in a frame's free space: its text only, in the link
// colour, with no button face until the mouse is over it.
inline void ShowAsLink(QToolButton& button) {
  button.setAutoRaise(true);
  button.setToolButtonStyle(Qt::ToolButtonTextOnly);
  QPalette link = button.palette();
  link.setColor(QPalette::ButtonText, link.color(QPalette::Link));
  button.setPalette(link);
}

}  // namespace tabulon::gui
