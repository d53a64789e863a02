// SPDX-License-Identifier: GPL-3.0-or-later
#include <clocale>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>

#include "app/model/main_window_model.h"
#include "app/qt/database_file_loader.h"
#include "app/qt/main_window.h"
#include "app/qt/plot/plot_command.h"
#include "app/qt/qt_platform.h"
#include "app/qt/window_command_line.h"

int main(int argc, char* argv[]) {
  // tabulon --plot ...: the plot window's charts into a file, without a window (tabulon-batch
  // plot hands over to it).
  if (argc > 1 && std::string_view(argv[1]) == "--plot") {
    return tabulon::gui::RunPlotCommand(std::vector<std::string>(argv + 2, argv + argc), std::cerr);
  }
  // --help and --version answer without opening a window, so they work without a display too.
  if (const auto status = tabulon::gui::AnswerInformationOption(argc, argv, std::cout)) {
    return *status;
  }
  QApplication app(argc, argv);
  // QApplication adopts the user's locale; numbers are read and written with a decimal point
  // whatever it is.
  std::setlocale(LC_NUMERIC, "C");
  // Ties the windows to the installed tabulon.desktop, whose icon desktops show for them.
  QGuiApplication::setDesktopFileName(QStringLiteral("tabulon"));

  // The model needs the platform, and the platform shows the view: platform, model, view.
  tabulon::gui::QtPlatform platform;
  tabulon::MainWindowModel model(platform);
  model.Load();
  tabulon::gui::MainWindow window(model);
  platform.AttachView(&window);

  window.show();
  // Database files named on the command line load as DB #1 and DB #2, as through the dialog.
  if (!tabulon::gui::LoadDatabaseFiles(window, QApplication::arguments().mid(1))) {
    std::cerr << "tabulon: at most two database files, DB #1 and DB #2\n";
    return 2;
  }
  return app.exec();
}
