// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QToolButton>

namespace tabulon {
class Control;
}

namespace tabulon::gui {

class MainWindow;
class ReportViewer;

// The "View report" link beside the comparison's status lines. It appears when Compare or the
// property report has left a report in the reports folder, and goes when a database is loaded
// (which empties the status lines). It opens the report viewer, Comp2.txt in front after the
// property report. It is drawn as a link: underlined, in the desktop's link colour.
class ReportLink : public QToolButton {
  Q_OBJECT

 public:
  // Hidden until a report is written; the window places it.
  explicit ReportLink(MainWindow& window);

 private:
  void Follow(const Control& control);
  void Open();

  MainWindow& window_;
  bool second_last_ = false;  // the last report written was Comp2.txt
  QPointer<ReportViewer> viewer_;
};

}  // namespace tabulon::gui
