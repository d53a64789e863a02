// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QKeySequence>
#include <QString>

namespace tabulon::gui {

// "Ends the program (Alt+Q)": what a button does, then its shortcut when it has one, as the
// desktop writes it.
inline QString ToolTipText(const QString& what, const QKeySequence& shortcut) {
  if (shortcut.isEmpty()) return what;
  return QStringLiteral("%1 (%2)").arg(what, shortcut.toString(QKeySequence::NativeText));
}

// Every button of every window says what it does and how to reach it from the keyboard. Give
// the button its shortcut (or its caption with an access key) first.
inline void SetToolTip(QAbstractButton& button, const QString& what) {
  button.setToolTip(ToolTipText(what, button.shortcut()));
}
inline void SetToolTip(QAction& action, const QString& what) {
  action.setToolTip(ToolTipText(what, action.shortcut()));
}

}  // namespace tabulon::gui
