// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/report_link.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/model/reports_folder.h"
#include "app/qt/link_button.h"
#include "app/qt/main_window.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/report_viewer.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

namespace {

QString ReportFolder(const MainWindowModel& model) {
  const QString folder = QFile::decodeName(QByteArray::fromStdString(ReportsFolder(model.common)));
  return folder.isEmpty() ? QDir::currentPath() : folder;
}

}  // namespace

ReportLink::ReportLink(MainWindow& window) : window_(window) {
  setObjectName("ViewReport");
  setText(tr("View report"));
  ShowAsLink(*this);
  setCursor(Qt::PointingHandCursor);
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  SetToolTip(*this, tr("Opens the reports of the last comparison in a viewer"));
  hide();
  connect(this, &QToolButton::clicked, this, &ReportLink::Open);
  connect(&window, &MainWindow::eventHandled, this, &ReportLink::Follow);
}

void ReportLink::Follow(const Control& control) {
  MainWindowModel& model = window_.Model();
  if (&control == &model.CMD1 || &control == &model.CMD2) {
    hide();
  } else if (&control == &model.CMD3 || &control == &model.CMD4) {
    const QDir folder(ReportFolder(model));
    second_last_ = &control == &model.CMD4;
    setVisible(QFileInfo(folder.filePath(second_last_ ? "Comp2.txt" : "Comp.txt")).isFile());
  }
}

void ReportLink::Open() {
  if (viewer_) viewer_->close();
  const CommonValue& common = window_.Model().common;
  viewer_ = new ReportViewer(ReportFolder(window_.Model()),
                             {DatabaseLabel(1, common.DB1Path), DatabaseLabel(2, common.DB2Path)},
                             second_last_, &window_);
  viewer_->setAttribute(Qt::WA_DeleteOnClose);
  viewer_->show();
}

}  // namespace tabulon::gui
