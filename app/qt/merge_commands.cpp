// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/merge_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "app/qt/latin1.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/plot/database_species.h"
#include "app/qt/save_database_dialog.h"

namespace tabulon::gui {
namespace {

QAction* AddListAction(ListBoxWidget& list, const QString& text, const char* name,
                       const QString& tip) {
  auto* action = new QAction(text, &list);
  action->setObjectName(list.objectName() + name);
  action->setToolTip(tip);
  list.addAction(action);
  list.setContextMenuPolicy(Qt::ActionsContextMenu);
  return action;
}

// Shows a row as marked or not: in DB #2's colour and in italics, with a tooltip.
void PaintRow(QListWidgetItem& item, bool marked, const QString& tip) {
  QFont font = item.font();
  if (font.italic() == marked) return;
  font.setItalic(marked);
  item.setFont(font);
  item.setForeground(marked ? QBrush(SideColour(2)) : QBrush());
  item.setToolTip(marked ? tip : QString());
}

}  // namespace

MergeCommands::MergeCommands(MainWindow& window) : QObject(&window), window_(window) {
  MainWindowModel& model = window.Model();
  ListBoxWidget& common = window.ListOf(model.LOS3);
  ListBoxWidget& only2 = window.ListOf(model.LOS5);
  take_ = AddListAction(common, tr("Take from DB #2"), "Take",
                        tr("Mark (or unmark) the selected species: a merged database takes its "
                           "record from DB #2"));
  add_only_ = AddListAction(only2, tr("Add DB #2's only species"), "AddOnly",
                            tr("Mark (or unmark) every species only DB #2 holds: a merged "
                               "database adds them before END"));
  add_only_->setCheckable(true);
  for (ListBoxWidget* list : {&common, &only2}) {
    QAction* save = AddListAction(*list, tr("Save merged database as..."), "SaveMerged",
                                  tr("Write DB #1 with the marked species of DB #2 to a new file"));
    connect(save, &QAction::triggered, this, [this] { SaveMergedAs(&window_); });
  }
  connect(take_, &QAction::triggered, this, [this, &model] {
    const std::string name = model.LOS3.SelectedText();
    if (name.empty()) return;
    model.merge_marks.ToggleTake({name});
    ShowMarks();
  });
  connect(add_only_, &QAction::triggered, this, [this, &model](bool add) {
    model.merge_marks.SetAddOnly(add);
    ShowMarks();
  });
  connect(&window, &MainWindow::eventHandled, this, &MergeCommands::ShowMarks);
}

void MergeCommands::ShowMarks() {
  MainWindowModel& model = window_.Model();
  const MergeMarks& marks = model.merge_marks;
  ListBoxWidget& common = window_.ListOf(model.LOS3);
  ListBoxWidget& only2 = window_.ListOf(model.LOS5);
  add_only_->setChecked(marks.AddsOnly());
  if (shown_revision_ == marks.Revision() && shown_common_ == common.count() &&
      shown_only2_ == only2.count()) {
    return;
  }
  const QString take_tip = tr("Taken from DB #2 in a merged database");
  for (int row = 0; row < common.count(); ++row) {
    QListWidgetItem& item = *common.item(row);
    PaintRow(item, marks.Taken(Bytes(item.text())), take_tip);
  }
  const QString add_tip = tr("Added from DB #2 in a merged database");
  for (int row = 0; row < only2.count(); ++row) {
    PaintRow(*only2.item(row), marks.AddsOnly(), add_tip);
  }
  shown_revision_ = marks.Revision();
  shown_common_ = common.count();
  shown_only2_ = only2.count();
}

void MergeCommands::SaveMergedAs(QWidget* parent) {
  MainWindowModel& model = window_.Model();
  const CommonValue& common = model.common;
  const QString title = tr("Save merged database");
  if (!common.DB1Loaded || !common.DB2Loaded) {
    QMessageBox::information(parent, title, tr("Load both databases first."));
    return;
  }
  if (model.merge_marks.Empty()) {
    QMessageBox::information(parent, title,
                             tr("Mark species first: Take from DB #2 (common species) or Add DB "
                                "#2's only species."));
    return;
  }
  const QFileInfo first(Latin1(common.DB1Path));
  const QString suggested =
      first.dir().filePath(first.completeBaseName() + "-merged." + first.suffix());
  const std::optional<std::string> target =
      AskNewDatabasePath(parent, title, suggested, {common.DB1Path, common.DB2Path});
  if (!target) return;
  const MergedSave merged = SaveMergedDatabase(common, model.merge_marks, *target, true);
  QString done = tr("%1 species taken from DB #2, %2 added.")
                     .arg(merged.summary.taken.size())
                     .arg(merged.summary.added.size());
  for (const std::string& problem : merged.summary.problems) done += "\n" + Latin1(problem);
  ShowSaveOutcome(parent, title, *target, merged.saved, done);
}

}  // namespace tabulon::gui
