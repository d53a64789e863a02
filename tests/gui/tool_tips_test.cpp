// SPDX-License-Identifier: GPL-3.0-or-later
// Every button of every window says what it does, and its shortcut when it has one.
#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>

#include "app/qt/tool_tip.h"
#include "tests/compare_fixture.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using tabulon::testing::ReadBytes;
using tabulon::testing::TempDir;

using ToolTipsTest = WindowTest;

// The shortcut a button answers to: its own, or that of the toolbar action it shows.
QKeySequence ShortcutOf(const QAbstractButton& button) {
  if (const auto* tool = qobject_cast<const QToolButton*>(&button); tool && tool->defaultAction()) {
    return tool->defaultAction()->shortcut();
  }
  return button.shortcut();
}

TEST_F(ToolTipsTest, EveryButtonOfEveryWindowSaysWhatItDoesAndItsShortcut) {
  const TempDir dir;
  for (const char* name : {"therm_a.dat", "therm_b.dat"}) {
    platform.file_answers.push_back(
        dir.Write(name, ReadBytes(std::string(TABULON_SOURCE_DIR) + "/examples/" + name)));
  }
  QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
  QTest::mouseClick(Find("CMD2"), Qt::LeftButton);
  QTest::mouseClick(Find("CMD3"), Qt::LeftButton);
  QTest::mouseClick(Find("CMD4"), Qt::LeftButton);
  model.LOS1.SelectByName("H2O");
  view->Refresh();
  for (const char* button : {"CheckDB1", "Differences", "PlotCmd1", "TableCmd1", "ViewReport"}) {
    QTest::mouseClick(Find(button), Qt::LeftButton);
  }
  QTest::mouseClick(Find<QWidget>("FindingsDB1")->findChild<QPushButton*>("repair"),
                    Qt::LeftButton);

  // Qt's own parts of a view, which are no buttons of Tabulon.
  const QStringList internal = {"QTableCornerButton", "QToolBarExtension"};
  const QStringList windows = {"MainWindowModel", "FindingsDB1",         "DifferencesView",
                               "PlotWindow",      "PropertyTableWindow", "ReportViewer",
                               "RepairPreview"};
  for (const QString& name : windows) {
    QWidget* window = name == "MainWindowModel" ? view.get() : Find<QWidget>(name.toStdString());
    ASSERT_NE(window, nullptr) << name.toStdString();
    int buttons = 0;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (internal.contains(button->metaObject()->className())) continue;
      if (button->parent()->inherits("QTabBar")) continue;  // the tab bar's scroll arrows
      ++buttons;
      const std::string what = name.toStdString() + ": " + button->text().toStdString() + " " +
                               button->objectName().toStdString();
      EXPECT_FALSE(button->toolTip().isEmpty()) << what;
      const QKeySequence shortcut = ShortcutOf(*button);
      if (!shortcut.isEmpty()) {
        EXPECT_TRUE(
            button->toolTip().endsWith("(" + shortcut.toString(QKeySequence::NativeText) + ")"))
            << what << ": " << button->toolTip().toStdString();
      }
    }
    EXPECT_GT(buttons, 1) << name.toStdString();
  }
  EXPECT_EQ(Find<QPushButton>("QuitCMD")->toolTip(), "Ends the program (Alt+Q)");
  EXPECT_EQ(Find<QWidget>("FindingsDB1")->findChild<QPushButton*>("run")->toolTip(),
            "Checks the database file again with these tolerances (F5)");
  EXPECT_EQ(ToolTipText("Saves", QKeySequence()), "Saves");
  QApplication::closeAllWindows();
}

}  // namespace
}  // namespace tabulon::gui::testing
