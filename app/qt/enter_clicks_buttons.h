// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace tabulon::gui {

// Return and Enter click the command button that has the focus, as Space does (outside dialogs
// Qt's buttons take only Space).
class EnterClicksButtons : public QObject {
 public:
  // Watches every push button in `window`.
  explicit EnterClicksButtons(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tabulon::gui
