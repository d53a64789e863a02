// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/enter_clicks_buttons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tabulon::gui {

EnterClicksButtons::EnterClicksButtons(QWidget& window) : QObject(&window), window_(window) {
  window.installEventFilter(this);
}

bool EnterClicksButtons::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(window_.focusWidget());
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && button != nullptr) {
      button->click();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tabulon::gui
