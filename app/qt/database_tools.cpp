// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/database_tools.h"

#include <QEvent>
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

// Keeps a button at its distance from its frame's right edge (and, with `follows_bottom`,
// from its bottom edge) when the frame changes size, so it stays beside the controls that
// follow those edges in a grown window. At the designed size it stands at its designed place.
class EdgeAnchor : public QObject {
 public:
  EdgeAnchor(QWidget* button, bool follows_bottom)
      : QObject(button), button_(button), follows_bottom_(follows_bottom) {
    const QWidget* frame = button->parentWidget();
    right_ = frame->width() - button->x();
    bottom_ = frame->height() - button->y();
    button->parentWidget()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize && watched == button_->parentWidget()) {
      const QWidget* frame = button_->parentWidget();
      button_->move(frame->width() - right_,
                    follows_bottom_ ? frame->height() - bottom_ : button_->y());
    }
    return false;
  }

 private:
  QWidget* button_;
  bool follows_bottom_;
  int right_ = 0, bottom_ = 0;
};

QPushButton* AddButton(MainWindow& window, const char* frame, const char* name,
                       const QString& caption, const TwipsRect& place, bool follows_bottom) {
  auto* parent = window.findChild<QWidget*>(frame);
  auto* button = new QPushButton(caption, parent ? parent : &window);
  button->setObjectName(name);
  button->setFont(CommandButtonFont());
  button->setGeometry(Pixels(place.left), Pixels(place.top), Pixels(place.width),
                      Pixels(place.height));
  new EdgeAnchor(button, follows_bottom);
  button->show();
  return button;
}

}  // namespace

void AddDatabaseTools(MainWindow& window) {
  QPushButton* check1 =
      AddButton(window, "Frm1", "CheckDB1", QObject::tr("Check..."), kCheckPlace, false);
  QPushButton* check2 =
      AddButton(window, "Frm2", "CheckDB2", QObject::tr("Check..."), kCheckPlace, false);
  QPushButton* differences = AddButton(window, "Frm3", "Differences", QObject::tr("Differences..."),
                                       kDifferencesPlace, true);
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
