// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include <QObject>

class QLineEdit;

namespace tabulon {
class TextBox;
}

namespace tabulon::gui {

class MainWindow;

// Copying from the detail views. Ctrl+C (the desktop's Copy key) on a coefficient or result box
// puts the full-precision value behind its text on the clipboard (a part of the text that the
// user selected is copied as it is). "Copy species", on the species lists' context menu and
// their Copy key, puts the selected species' record on the clipboard, its lines as in the file.
class CopyActions : public QObject {
 public:
  explicit CopyActions(MainWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
  std::map<const QObject*, const TextBox*> boxes_;  // the model's box each watched widget shows
};

}  // namespace tabulon::gui
