// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

class QResizeEvent;

namespace tabulon::gui {

class MainWindow;

// Where Compare and Compare Common Species write their reports, in the comparison frame's title
// row: a link naming the folder (DB #1's unless the user chose another), whose menu chooses
// another folder or goes back to DB #1's. The choice is the model's (CommonValue::ReportsDir);
// it is kept in the user's settings and taken up again at the next start, while that folder
// exists.
class ReportsFolderButton : public QToolButton {
  Q_OBJECT

 public:
  explicit ReportsFolderButton(MainWindow& window);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Choose();
  void UseDb1Folder();
  // Names the present folder, in the text (shortened to fit) and the tooltip.
  void ShowFolder();

  MainWindow& window_;
};

}  // namespace tabulon::gui
