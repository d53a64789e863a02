// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/gui/gui_fixture.h"

namespace {

// Ends what a test left waiting, before the next test starts.
class StopPollersAfterEachTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo& /*test*/) override {
    tabulon::gui::testing::StopModalPollers();
  }
};

}  // namespace

// The widgets need an application object for the whole run; without a display they are drawn
// on Qt's offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The window keeps recent files in the user's settings; the tests keep theirs in a folder of
  // their own, never in the settings of the user who runs them.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new StopPollersAfterEachTest);
  return RUN_ALL_TESTS();
}
