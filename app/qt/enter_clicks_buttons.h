// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace tabulon::gui {

// Return and Enter click the command button that has the focus, as Space does (outside dialogs
// Qt's buttons take only Space and pass Return on to their window).
class EnterClicksButtons : public QObject {
 public:
  // Watches the keys that reach `window`: a button added later is served as well.
  explicit EnterClicksButtons(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
};

}  // namespace tabulon::gui
