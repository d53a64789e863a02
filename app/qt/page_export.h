// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include <QToolButton>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tabulon::gui {

class BackgroundJob;
class JobProgress;
class MainWindow;

// The writing of one comparison page (compare/comparison_page_file.h) of two database files,
// in a small window of its own: what is written where, a progress bar with Cancel while the
// files are read and compared, then how it ended, with a button that opens the written page in
// the browser. The work runs off the window's thread; the window is deleted when closed.
class PageExportWindow : public QWidget {
  Q_OBJECT

 public:
  PageExportWindow(std::array<std::string, 2> files, std::string page, QWidget* parent);

  QString StatusText() const;
  BackgroundJob& Job() const { return *job_; }

 private:
  void Start();

  std::array<std::string, 2> files_;
  std::string page_;
  BackgroundJob* job_;
  JobProgress* progress_;
  QLabel* status_;
  QPushButton* open_;
};

// Export HTML report...: asks where to write the comparison page of `files` (first in
// `folder`, as comparison.html) and opens a PageExportWindow that writes it.
void ExportComparisonPage(QWidget* parent, const std::array<std::string, 2>& files,
                          const QString& folder);

// Export HTML report... in the comparison frame's title row, a link as the reports folder
// beside it: once Compare has filled the comparison lists of the two loaded databases, it
// exports their page, first offered in the reports folder. Until then (and after another
// load) it is disabled.
class PageExportButton : public QToolButton {
  Q_OBJECT

 public:
  explicit PageExportButton(MainWindow& window);

 private:
  void ShowState();

  MainWindow& window_;
};

}  // namespace tabulon::gui
