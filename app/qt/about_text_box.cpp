// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/about_text_box.h"

#include <QMouseEvent>

#include "app/qt/latin1.h"

namespace tabulon::gui {

namespace {

const QString kModelLineBreak = QStringLiteral("\r\n");
const QString kLineBreak = QStringLiteral("\n");

}  // namespace

AboutTextBox::AboutTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Not a tab stop; a click still puts the cursor into it.
  setFocusPolicy(Qt::ClickFocus);
  setTabChangesFocus(true);
}

std::string AboutTextBox::ModelText() const {
  QString text = toPlainText();
  text.replace(kLineBreak, kModelLineBreak);
  return Bytes(text);
}

void AboutTextBox::ShowModelText(std::string_view text) {
  if (ModelText() == text) return;
  QString shown = Latin1(text);
  shown.replace(kModelLineBreak, kLineBreak);
  setPlainText(shown);
}

void AboutTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
  in_double_click_ = true;
  QPlainTextEdit::mouseDoubleClickEvent(event);
}

void AboutTextBox::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  const bool second_of_double = std::exchange(in_double_click_, false);
  if (event->button() == Qt::LeftButton && !second_of_double &&
      viewport()->rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace tabulon::gui
