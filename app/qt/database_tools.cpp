// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/database_tools.h"

#include <QPushButton>

#include "app/qt/deviations_window.h"
#include "app/qt/findings_window.h"
#include "app/qt/fonts.h"
#include "app/qt/main_window.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

namespace {

// Places in twips inside their frames, where the window's own controls leave room: the top
// right corner of each database frame (beside the limits, which follow the frame's right edge),
// and above Quit in the comparison frame (following its bottom right corner, as Quit does).
constexpr TwipsRect kCheckPlace{11760, 360, 1455, 375};
constexpr TwipsRect kDifferencesPlace{11760, 1440, 1455, 375};

QPushButton* AddButton(MainWindow& window, const Label& frame, const char* name,
                       const QString& caption, const QString& what, const TwipsRect& place,
                       Growth growth) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  SetToolTip(*button, what);
  button->setFont(CommandButtonFont());
  window.Place(*button, frame, place, growth);
  return button;
}

}  // namespace

DatabaseTools AddDatabaseTools(MainWindow& window) {
  MainWindowModel& model = window.Model();
  const DatabaseTools tools{
      .check1 = AddButton(window, model.Frm1, "CheckDB1", QObject::tr("Check..."),
                          QObject::tr("Checks every record of database #1: limits, jumps at the "
                                      "common temperature, Cp, Hf/R, repeated names"),
                          kCheckPlace, kFollowsRight),
      .check2 = AddButton(window, model.Frm2, "CheckDB2", QObject::tr("Check..."),
                          QObject::tr("Checks every record of database #2: limits, jumps at the "
                                      "common temperature, Cp, Hf/R, repeated names"),
                          kCheckPlace, kFollowsRight),
      .differences = AddButton(window, model.Frm3, "Differences", QObject::tr("Differences..."),
                               QObject::tr("Lists the largest differences of Cp, H and S of "
                                           "every species in both databases"),
                               kDifferencesPlace, kFollowsBottomRight),
  };
  QObject::connect(tools.check1, &QPushButton::clicked, &window,
                   [&window] { OpenFindingsWindow(window, Db::One); });
  QObject::connect(tools.check2, &QPushButton::clicked, &window,
                   [&window] { OpenFindingsWindow(window, Db::Two); });
  QObject::connect(tools.differences, &QPushButton::clicked, &window,
                   [&window] { OpenDeviationsWindow(window); });
  // After the window's own controls in tab order, whose last stop is About.
  QWidget* last = &window.ButtonOf(model.AboutCmd);
  for (QWidget* button : {tools.check1, tools.check2, tools.differences}) {
    QWidget::setTabOrder(last, button);
    last = button;
  }
  return tools;
}

}  // namespace tabulon::gui
