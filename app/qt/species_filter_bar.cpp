// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/species_filter_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "app/qt/list_box_widget.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

SpeciesFilterBar::SpeciesFilterBar(ListBoxWidget& list, QWidget* parent)
    : QWidget(parent), list_(list), field_(new QLineEdit(this)), shown_(new QLabel(this)) {
  setObjectName(list.objectName() + "FilterBar");
  field_->setObjectName(list.objectName() + "Filter");
  field_->setPlaceholderText(tr("Filter species"));
  field_->setClearButtonEnabled(true);
  field_->setToolTip(
      tr("Shows only the species whose names contain this text (Down: into the "
         "list, Enter: the first one)"));
  // The field's clear button is a button of the window as well.
  for (QAbstractButton* clear : field_->findChildren<QAbstractButton*>()) {
    SetToolTip(*clear, tr("Clears the filter: the list shows every species"));
  }
  field_->setAlignment(Qt::AlignCenter);  // as every text box of the window
  field_->installEventFilter(this);
  shown_->setObjectName(list.objectName() + "Shown");
  shown_->setTextFormat(Qt::PlainText);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  row->addWidget(field_, 3);
  row->addWidget(shown_, 1);

  connect(field_, &QLineEdit::textChanged, &list_, &ListBoxWidget::SetFilter);
  connect(field_, &QLineEdit::textChanged, this, &SpeciesFilterBar::ShowCount);
  // The list refilters on its model's signals, which reach it first (it connected first). The
  // list's own signals would not do: they are blocked while the window shows the model.
  for (auto refilled : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(list_.model(), refilled, this, &SpeciesFilterBar::ShowCount);
  }
  connect(list_.model(), &QAbstractItemModel::modelReset, this, &SpeciesFilterBar::ShowCount);
}

void SpeciesFilterBar::ShowCount() {
  shown_->setText(list_.Filter().isEmpty() ? QString() : tr("%1 shown").arg(list_.ShownCount()));
}

void SpeciesFilterBar::RevealSelection() {
  const int row = list_.currentRow();
  if (row >= 0 && !list_.ShowsRow(row)) field_->clear();
}

bool SpeciesFilterBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down) {
      list_.setFocus(Qt::TabFocusReason);
      return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      const int row = list_.FirstShownRow();
      if (row >= 0) list_.ChooseRow(row);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tabulon::gui
