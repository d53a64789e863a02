// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/database_tools.h"

#include <QPushButton>

#include "app/qt/deviations_window.h"
#include "app/qt/findings_window.h"
#include "app/qt/fonts.h"
#include "app/qt/main_window.h"
#include "app/qt/main_window_layout.h"

namespace tabulon::gui {

namespace {

// Places in twips inside their frames, where the window's own controls leave room: the top
// right corner of each database frame, and above Quit in the comparison frame.
constexpr TwipsRect kCheckPlace{11760, 360, 1455, 375};
constexpr TwipsRect kDifferencesPlace{11760, 1440, 1455, 375};

QPushButton* AddButton(MainWindow& window, const char* frame, const char* name,
                       const QString& caption, const TwipsRect& place) {
  auto* parent = window.findChild<QWidget*>(frame);
  auto* button = new QPushButton(caption, parent ? parent : &window);
  button->setObjectName(name);
  button->setFont(CommandButtonFont());
  button->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width),
                      Pixels(place.height));
  button->show();
  return button;
}

}  // namespace

void AddDatabaseTools(MainWindow& window) {
  QPushButton* check1 = AddButton(window, "Frm1", "CheckDB1", QObject::tr("Check..."), kCheckPlace);
  QPushButton* check2 = AddButton(window, "Frm2", "CheckDB2", QObject::tr("Check..."), kCheckPlace);
  QPushButton* differences =
      AddButton(window, "Frm3", "Differences", QObject::tr("Differences..."), kDifferencesPlace);
  QObject::connect(check1, &QPushButton::clicked, &window,
                   [&window] { OpenFindingsWindow(window, Db::One); });
  QObject::connect(check2, &QPushButton::clicked, &window,
                   [&window] { OpenFindingsWindow(window, Db::Two); });
  QObject::connect(differences, &QPushButton::clicked, &window,
                   [&window] { OpenDeviationsWindow(window); });
  // After the window's own controls in tab order, whose last stop is About.
  QWidget* last = window.findChild<QWidget*>("AboutCmd");
  for (QWidget* button : {check1, check2, differences}) {
    if (last) QWidget::setTabOrder(last, button);
    last = button;
  }
}

}  // namespace tabulon::gui
