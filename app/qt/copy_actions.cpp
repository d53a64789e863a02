// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/copy_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/model/copy_text.h"
#include "app/qt/latin1.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

namespace {

// The boxes whose values are copied in full precision: the coefficient boxes and the result
// boxes with their second boxes.
std::vector<const TextBox*> ValueBoxes(MainWindowModel& model) {
  std::vector<const TextBox*> boxes;
  for (int i = 0; i < model.PropTxt.Size(); ++i) boxes.push_back(&model.PropTxt[i]);
  for (const Db db : {Db::One, Db::Two}) {
    const DatabaseSide side = SideOf(model, db);
    for (const TextBox* box : {&side.cp_result, &side.h_result, &side.s_result, &side.cp_second,
                               &side.h_second, &side.s_second}) {
      boxes.push_back(box);
    }
  }
  return boxes;
}

void AddCopySpecies(MainWindow& window, Db db) {
  QWidget* list = &window.ListOf(SideOf(window.Model(), db).list);
  auto* action = new QAction(QObject::tr("Copy species"), list);
  action->setObjectName(list->objectName() + "CopySpecies");
  action->setShortcut(QKeySequence::Copy);
  action->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // the filtered rows too
  QObject::connect(action, &QAction::triggered, list, [&window, db] {
    if (const auto text = SpeciesRecordText(window.Model(), db)) {
      QApplication::clipboard()->setText(Latin1(*text));
    }
  });
  list->addAction(action);
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace

CopyActions::CopyActions(MainWindow& window) : QObject(&window), window_(window) {
  for (const TextBox* box : ValueBoxes(window.Model())) {
    QLineEdit& widget = window.TextBoxOf(*box);
    boxes_[&widget] = box;
    widget.installEventFilter(this);
  }
  AddCopySpecies(window, Db::One);
  AddCopySpecies(window, Db::Two);
}

bool CopyActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    auto* box = static_cast<QLineEdit*>(watched);
    const bool part_selected = box->hasSelectedText() && box->selectedText() != box->text();
    if (key->matches(QKeySequence::Copy) && !part_selected) {
      if (event->type() == QEvent::KeyPress) {
        if (const auto text = FullPrecisionText(window_.Model(), *boxes_.at(box))) {
          QApplication::clipboard()->setText(Latin1(*text));
        }
      }
      event->accept();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tabulon::gui
