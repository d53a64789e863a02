// SPDX-License-Identifier: GPL-3.0-or-later
// qt_results DIR [N [DATABASE]]: times the results windows of the Qt window (offscreen) on N
// results (default 100,000), writing its databases into DIR:
//  - findings: a database of N / 5 records with five findings each (a high set of zeros gives
//    cp-jump, h-jump, s-jump and cp-negative, an Hf/R field of 1E+06 hf-mismatch), loaded as
//    DB #1; from the key press on its Check button to the findings table painted, N rows sorted
//    by line;
//  - differences: two databases of the same N species whose ranges overlap in eleven kelvins, so
//    the scan is cheap and the window's share is what is timed; from the scan's start to the
//    table painted, N rows sorted by dCp.
// With DATABASE, the findings window checks that file instead (whatever its findings), and the
// differences window is not timed.
// For each it prints the time in ms and the longest the window's thread was busy at a stretch
// (Cancel and the main window wait at most that long). Then it checks the findings again and
// presses Cancel 5, 20 and 50 ms into the run (reading, scanning or sorting), and prints how
// long the run took to stop after the press. Exits 0 when every time stays under 1 s and every
// stretch and every stop under 100 ms.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "app/qt/deviations_window.h"
#include "app/qt/findings_window.h"
#include "app/qt/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kTargetMs = 1000;
constexpr double kLongestStallMs = 100;

std::string Field(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%15.8E", value);
  return text;
}

// A record in the usual columns: name, limits at columns 46 to 73, four coefficient lines.
std::string Record(const std::string& name, double t_low, double t_high, double t_mid,
                   const double (&high)[7], const double (&low)[7], double hf) {
  char line1[96];
  std::snprintf(line1, sizeof line1, "%-18s%-26s%10.3f%10.3f%8.2f      1\n", name.c_str(), "",
                t_low, t_high, t_mid);
  std::string text = line1;
  text += Field(high[0]) + Field(high[1]) + Field(high[2]) + Field(high[3]) + Field(high[4]) +
          "    2\n";
  text +=
      Field(high[5]) + Field(high[6]) + Field(low[0]) + Field(low[1]) + Field(low[2]) + "    3\n";
  text += Field(low[3]) + Field(low[4]) + Field(low[5]) + Field(low[6]) + Field(hf) + "    4\n";
  return text;
}

// H2O of the examples: a smooth, positive Cp.
constexpr double kWater[7] = {4.23979901E+00, -2.41687479E-03, 7.69627470E-06, -6.93658763E-09,
                              2.37717577E-12, -3.02970662E+04, -1.01005261E+00};
constexpr double kZeros[7] = {};

void WriteDatabase(const std::string& path, int records,
                   const std::function<std::string(const std::string& name)>& record) {
  std::ofstream out(path, std::ios::binary);
  out << "THERMO\n   200.000  1000.000  5000.000\n";
  for (int i = 0; i < records; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "S%06d", i);
    out << record(name);
  }
  out << "END\n";
}

// The longest time the window's thread went without running its timers, while it runs.
class StallWatch : public QObject {
 public:
  StallWatch() {
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const Clock::time_point now = Clock::now();
      longest_ = std::max(longest_, std::chrono::duration<double, std::milli>(now - last_).count());
      last_ = now;
    });
    last_ = Clock::now();
    timer_.start();
  }
  double LongestMs() const { return longest_; }

 private:
  QTimer timer_;
  Clock::time_point last_;
  double longest_ = 0;
};

struct Timing {
  double total_ms;
  double longest_stall_ms;
};

// Runs the event loop until `done`, then paints the table; the time since `start`.
Timing UntilPainted(Clock::time_point start, const StallWatch& watch, QTableView& table,
                    const std::function<bool()>& done) {
  while (!done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QApplication::processEvents();  // the view's delayed layout
  table.viewport()->repaint();
  return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
          watch.LongestMs()};
}

bool Report(const char* what, int rows, const Timing& timing) {
  const bool pass = timing.total_ms < kTargetMs && timing.longest_stall_ms < kLongestStallMs;
  std::printf(
      "%s %s, %d rows: %.0f ms (target < %.0f ms), window busy at most %.0f ms "
      "(target < %.0f ms)\n",
      pass ? "PASS " : "FAIL ", what, rows, timing.total_ms, kTargetMs, timing.longest_stall_ms,
      kLongestStallMs);
  return pass;
}

// Presses the window's Cancel `after_ms` into a new run of its check; the time from the press
// until the run has stopped and the window is idle again.
double StopAfterCancel(tabulon::gui::FindingsWindow& findings, int after_ms) {
  auto* cancel = findings.findChild<QPushButton*>("cancel");
  bool stopped = false;
  const QMetaObject::Connection watch = QObject::connect(
      &findings.Job(), &tabulon::gui::BackgroundJob::finished, [&stopped] { stopped = true; });
  const Clock::time_point start = Clock::now();
  findings.Run();
  while (Clock::now() - start < std::chrono::milliseconds(after_ms)) {
    QApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  const Clock::time_point pressed = Clock::now();
  cancel->click();
  while (!stopped) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
  const double stop_ms = std::chrono::duration<double, std::milli>(Clock::now() - pressed).count();
  QObject::disconnect(watch);
  return stop_ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: qt_results DIR [N]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::string dir = argv[1];
  const int count = argc > 2 ? std::atoi(argv[2]) : 100000;

  const bool given = argc > 3;
  const std::string findings_db = given ? argv[3] : dir + "/findings.dat";
  if (!given) {
    WriteDatabase(findings_db, count / 5, [](const std::string& name) {
      return Record(name, 200, 5000, 1000, kZeros, kWater, 1e6);
    });
  }
  const std::string first = dir + "/first.dat", second = dir + "/second.dat";
  WriteDatabase(first, count, [](const std::string& name) {
    return Record(name, 200, 1000, 500, kWater, kWater, 0);
  });
  WriteDatabase(second, count, [](const std::string& name) {
    return Record(name, 990, 5000, 2000, kWater, kWater, 0);
  });

  tabulon::ScriptedPlatform platform;
  tabulon::MainWindowModel model(platform);
  model.Load();
  tabulon::gui::MainWindow view(model);
  view.show();
  platform.file_answers.push_back(findings_db);
  model.CMD1.Click();
  view.Refresh();
  QApplication::processEvents();

  bool passed = true;
  {
    QPushButton& check = view.Tools().Check(tabulon::Db::One);
    check.setFocus();
    const StallWatch watch;
    const Clock::time_point start = Clock::now();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&check, &press);
    auto* findings = view.findChild<tabulon::gui::FindingsWindow*>();
    if (findings == nullptr) return 1;
    const Timing timing = UntilPainted(start, watch, findings->Table(), [&] {
      return !findings->Job().Running() && findings->StatusText().contains(" in ");
    });
    const int rows = findings->Table().model()->rowCount();
    passed = (given || rows == count) && Report("findings window", rows, timing) && passed;
    for (int after_ms : {5, 20, 50}) {
      const double stop_ms = StopAfterCancel(*findings, after_ms);
      const bool stopped_in_time = stop_ms < kLongestStallMs;
      std::printf("%s Cancel %d ms into the check: stopped after %.0f ms (target < %.0f ms)\n",
                  stopped_in_time ? "PASS " : "FAIL ", after_ms, stop_ms, kLongestStallMs);
      passed = stopped_in_time && passed;
    }
    findings->close();
  }
  if (!given) {
    const StallWatch watch;
    const Clock::time_point start = Clock::now();
    auto* differences = new tabulon::gui::DeviationsWindow(view, first, second, &view);
    differences->show();
    differences->Run();
    const Timing timing = UntilPainted(start, watch, differences->Table(), [&] {
      return !differences->Job().Running() && differences->Table().model()->rowCount() == count;
    });
    passed = Report("differences window", count, timing) && passed;
    differences->close();
  }
  return passed ? 0 : 1;
}
