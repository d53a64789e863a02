// SPDX-License-Identifier: GPL-3.0-or-later
// qt_filter [N]: types into the species filter of the Qt window (offscreen) while LOS1 holds N
// names (default 30,000) and prints the slowest keystroke: the time from the key event to the
// list laid out and painted with the rows that contain the text. Each keystroke of the sequence
// is timed over several rounds and its median taken. Exits 0 when the slowest median stays
// under 20 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/species_filter_bar.h"

namespace {

constexpr double kTargetMs = 20;
constexpr int kRounds = 7;

// Names of the shape real databases hold: formula cores with numbered variants.
std::vector<std::string> Names(int count) {
  const char* cores[] = {"CH4", "C2H5OH", "H2O", "NO2", "C3H8", "OH", "C6H5CH3", "N2O4"};
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    names.push_back(std::string(cores[i % 8]) + "-" + std::to_string(i / 8) + "X" +
                    std::to_string(i % 97));
  }
  return names;
}

double MillisecondsOf(QLineEdit& field, QListWidget& list, int key, const QString& text) {
  const auto start = std::chrono::steady_clock::now();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&field, &press);
  QApplication::processEvents();  // the list's delayed layout
  list.viewport()->repaint();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 30000;
  tabulon::ScriptedPlatform platform;
  tabulon::MainWindowModel model(platform);
  model.Load();
  for (std::string& name : Names(count)) model.LOS1.AddItem(std::move(name));
  tabulon::gui::MainWindow view(model);
  view.show();
  QApplication::processEvents();
  QLineEdit& field = view.Additions().Filter(tabulon::Db::One).Field();
  QListWidget& list = view.ListOf(model.LOS1);
  field.setFocus();

  // Narrowing down, a text that hides every row, then back to the full list key by key.
  const QString typed = "c2h5oh-1";
  const int keystrokes = static_cast<int>(typed.size()) * 2 + 2;
  std::vector<std::vector<double>> times(static_cast<std::size_t>(keystrokes));
  for (int round = 0; round < kRounds; ++round) {
    int k = 0;
    for (const QChar c : typed) {
      times[k++].push_back(MillisecondsOf(field, list, c.toUpper().unicode(), QString(c)));
    }
    times[k++].push_back(MillisecondsOf(field, list, Qt::Key_Q, "q"));
    times[k++].push_back(MillisecondsOf(field, list, Qt::Key_Backspace, ""));
    for (int i = 0; i < typed.size(); ++i) {
      times[k++].push_back(MillisecondsOf(field, list, Qt::Key_Backspace, ""));
    }
    if (!field.text().isEmpty() || list.count() != count) {
      std::fprintf(stderr, "the filter did not end empty\n");
      return 1;
    }
  }
  double slowest = 0;
  for (std::vector<double>& keystroke : times) {
    std::sort(keystroke.begin(), keystroke.end());
    slowest = std::max(slowest, keystroke[keystroke.size() / 2]);
  }
  std::printf("%.1f\n", slowest);
  return slowest < kTargetMs ? 0 : 1;
}
