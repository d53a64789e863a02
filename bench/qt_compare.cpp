// SPDX-License-Identifier: GPL-3.0-or-later
// qt_compare DB1 DB2: the comparison of tabulon-batch compare, run through the Qt window on
// the offscreen platform: the real view with its list widgets, the Qt platform services (the
// open-file dialog answered with DB1 and DB2, messages written to stderr instead of waiting for
// a click), and clicks on the real buttons. Exits 0 when both reports were written in full
// and the view shows the common species.
#include <cstdio>
#include <deque>
#include <string>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "app/model/compare_databases.h"
#include "app/model/main_window_model.h"
#include "app/model/property_report.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/qt_platform.h"

namespace {

class BenchPlatform : public tabulon::gui::QtPlatform {
 public:
  std::deque<std::string> files;

  std::optional<std::string> ChooseOpenFile(const tabulon::OpenFileRequest&) override {
    if (files.empty()) return std::nullopt;
    std::string path = files.front();
    files.pop_front();
    return path;
  }
  void ShowMessage(const tabulon::Message& message) override {
    std::fprintf(stderr, "%s\n", message.title.c_str());
  }
};

void Click(tabulon::gui::MainWindow& view, const tabulon::Button& button) {
  view.ButtonOf(button).click();
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: qt_compare DB1 DB2\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BenchPlatform platform;
  platform.files = {argv[1], argv[2]};
  tabulon::MainWindowModel model(platform);
  model.Load();
  tabulon::gui::MainWindow view(model);
  platform.AttachView(&view);
  view.show();
  QApplication::processEvents();

  Click(view, model.CMD1);
  Click(view, model.CMD2);
  Click(view, model.CMD3);
  if (model.msglbl1.Caption() != tabulon::kCompReportDone) return 1;
  // The view must show the lists, or the benchmark measures less than the window does.
  if (view.ListOf(model.LOS3).count() != model.LOS3.Count()) return 1;
  if (model.CMD4.Visible()) {
    Click(view, model.CMD4);
    if (model.msglbl2.Caption() != tabulon::kPropertyReportDone) return 1;
  }
  return 0;
}
