// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "app/qt/main_window.h"

// Readable texts in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tabulon::gui::testing {

// The window model on a scripted platform, with its Qt view shown.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    model.Load();
    view = std::make_unique<MainWindow>(model);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }

  // The widget that shows the model control of this name.
  template <typename WidgetType = QWidget>
  WidgetType* Find(const std::string& name) {
    auto* widget = view->findChild<WidgetType*>(QString::fromStdString(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  ScriptedPlatform platform;
  MainWindowModel model{platform};
  std::unique_ptr<MainWindow> view;
};

// The pollers of WhenModalShows that have not yet met their modal window.
inline std::vector<QPointer<QTimer>>& ModalPollers() {
  static std::vector<QPointer<QTimer>> pollers;
  return pollers;
}

// Calls `act` with the modal window (message box, dialog) as soon as one is shown; for tests of
// code that waits in a modal window. A poller that has met no modal window when its test ends is
// stopped then (StopModalPollers), so it can never act on a later test's window: a test that
// expects the window says so with an assertion of what `act` saw.
inline void WhenModalShows(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    }
  });
  poll->start(10);
  ModalPollers().emplace_back(poll);
}

// Stops every poller still waiting; gui_test_main runs it after each test.
inline void StopModalPollers() {
  for (const QPointer<QTimer>& poll : ModalPollers()) delete poll.data();
  ModalPollers().clear();
}

// Runs the application's event loop and returns its exit code: 0 when the code under test
// ended the program, 1 when it was still running after ten seconds.
inline int RunUntilTheProgramEnds() {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  guard.start(10000);
  return QApplication::exec();
}

}  // namespace tabulon::gui::testing
