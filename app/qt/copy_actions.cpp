// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/copy_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/model/copy_text.h"
#include "app/qt/latin1.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

namespace {

// The model's text box that a line edit of the window shows.
const TextBox* BoxOf(MainWindowModel& model, const QObject& widget) {
  const std::string name = widget.objectName().toStdString();
  for (int i = 0; i < model.PropTxt.Size(); ++i) {
    if (model.PropTxt[i].Name() == name) return &model.PropTxt[i];
  }
  for (const Db db : {Db::One, Db::Two}) {
    const DatabaseSide side = SideOf(model, db);
    for (const TextBox* box : {&side.cp_result, &side.h_result, &side.s_result, &side.cp_second,
                               &side.h_second, &side.s_second}) {
      if (box->Name() == name) return box;
    }
  }
  return nullptr;
}

void AddCopySpecies(MainWindow& window, Db db) {
  auto* list = window.findChild<QWidget*>(db == Db::One ? "LOS1" : "LOS2");
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
  for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
    if (BoxOf(window.Model(), *box) != nullptr) box->installEventFilter(this);
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
        if (const auto text = FullPrecisionText(window_.Model(), *BoxOf(window_.Model(), *box))) {
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
