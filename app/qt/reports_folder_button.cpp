// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/reports_folder_button.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "app/model/reports_folder.h"
#include "app/qt/file_history.h"
#include "app/qt/link_button.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

namespace {

QString Shown(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

ReportsFolderButton::ReportsFolderButton(MainWindow& window) : window_(window) {
  setObjectName("ReportsFolder");
  ShowAsLink(*this);
  setPopupMode(QToolButton::InstantPopup);
  setStyleSheet("QToolButton::menu-indicator { image: none; }");
  setFocusPolicy(Qt::NoFocus);  // keeps the window's tab order as it is
  setAutoFillBackground(true);  // hides the frame's edge behind it, as the frame's caption does

  auto* menu = new QMenu(this);
  menu->addAction(tr("Choose a folder for the reports..."), this, &ReportsFolderButton::Choose);
  menu->addAction(tr("Write the reports beside DB #1"), this, &ReportsFolderButton::UseDb1Folder);
  setMenu(menu);

  // The folder chosen in an earlier session, while it still exists.
  const QString remembered = file_history::ReportsFolder();
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
    ChooseReportsFolder(window.Model(), QFile::encodeName(remembered).toStdString());
  }
  ShowFolder();
  // DB #1's folder changes with each load of DB #1.
  connect(&window, &MainWindow::eventHandled, this, &ReportsFolderButton::ShowFolder);
}

void ReportsFolderButton::resizeEvent(QResizeEvent* event) {
  QToolButton::resizeEvent(event);
  ShowFolder();  // the text is shortened to the width
}

void ReportsFolderButton::Choose() {
  MainWindowModel& model = window_.Model();
  if (!AskForReportsFolder(model)) return;
  file_history::RememberReportsFolder(Shown(model.common.ReportsDir));
  ShowFolder();
}

void ReportsFolderButton::UseDb1Folder() {
  ChooseReportsFolder(window_.Model(), "");
  file_history::RememberReportsFolder("");
  ShowFolder();
}

void ReportsFolderButton::ShowFolder() {
  const CommonValue& common = window_.Model().common;
  const QString folder = Shown(ReportsFolder(common));
  const QString text = common.ReportsDir.empty() ? tr("Reports folder: beside DB #1")
                                                 : tr("Reports folder: %1").arg(folder);
  setText(fontMetrics().elidedText(text, Qt::ElideMiddle, width() - 8));
  setToolTip(tr("Compare writes Comp.txt and Compare Common Species Comp2.txt into %1.\n"
                "Click to choose another folder for the reports.")
                 .arg(folder.isEmpty() ? tr("DB #1's folder") : folder));
}

}  // namespace tabulon::gui
