// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/list_box_widget.h"

#include <QMouseEvent>

#include "app/qt/filtered_list_view.h"

namespace tabulon::gui {

ListBoxWidget::ListBoxWidget(QWidget* parent)
    : QListWidget(parent),
      filtered_rows_(new FilteredRows(*this, this)),
      filtered_view_(new FilteredListView(*this, *filtered_rows_)) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row has the same height, so Qt lays out a list of tens of thousands of names at once.
  setUniformItemSizes(true);
  // A press on another row, or a key that moves the current row, changes the current row.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && !quiet_) emit rowChosen(row);
  });
  filtered_view_->hide();
  connect(this, &QObject::objectNameChanged, filtered_view_,
          [this](const QString& name) { filtered_view_->setObjectName(name + "Filtered"); });
  connect(filtered_view_, &FilteredListView::sourceRowChosen, this, &ListBoxWidget::rowChosen);
  // The view shows the model's selection with this list's signals blocked; the filtered rows
  // follow it all the same.
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!filter_.isEmpty()) filtered_view_->ShowSourceRow(current.row());
          });
  for (auto refilled : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
    connect(model(), refilled, this, [this] { Refilter(); });
  }
  connect(model(), &QAbstractItemModel::modelReset, this, [this] { Refilter(); });
}

ListBoxWidget::~ListBoxWidget() {
  // QListWidget's destructor removes the rows, and the refilter connections would then call
  // into this object when only its QWidget part is left.
  disconnect(model(), nullptr, this, nullptr);
  disconnect(selectionModel(), nullptr, this, nullptr);
  // Whoever else follows the rows (the filter bar's count) would be called the same way, on a
  // list that is no longer one: the rows' removal at teardown is nobody's news.
  model()->blockSignals(true);
}

int ListBoxWidget::ShownCount() const {
  return filter_.isEmpty() ? count() : static_cast<int>(filtered_rows_->Rows().size());
}

bool ListBoxWidget::ShowsRow(int row) const {
  return filter_.isEmpty() || filtered_rows_->Contains(row);
}

int ListBoxWidget::FirstShownRow() const {
  if (filter_.isEmpty()) return count() > 0 ? 0 : -1;
  return filtered_rows_->Rows().empty() ? -1 : filtered_rows_->Rows().front();
}

void ListBoxWidget::SetFilter(const QString& text) {
  if (text == filter_) return;
  const bool was_filtered = !filter_.isEmpty();
  filter_ = text;
  if (filter_.isEmpty()) {
    const bool had_focus = filtered_view_->hasFocus();
    setFocusProxy(nullptr);
    filtered_view_->hide();
    if (had_focus) setFocus(Qt::OtherFocusReason);
    // Back to the full list, the chosen row is brought into sight again.
    if (currentItem() != nullptr) scrollToItem(currentItem());
  } else {
    if (was_filtered) {
      filtered_rows_->Filter(filter_);
    } else {
      filtered_rows_->Refill(filter_);
    }
    filtered_view_->ShowSourceRow(currentRow());
    if (!was_filtered) {
      const bool had_focus = hasFocus();
      filtered_view_->setGeometry(rect());
      filtered_view_->show();
      // The list's own scroll bars would stand over the filtered rows.
      setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      filtered_view_->raise();
      // Tab leaves the filtered rows for the control after the list.
      QWidget::setTabOrder(this, filtered_view_);
      setFocusProxy(filtered_view_);
      if (had_focus) filtered_view_->setFocus(Qt::OtherFocusReason);
    }
  }
}

void ListBoxWidget::Refilter() {
  if (filter_.isEmpty()) return;
  filtered_rows_->Refill(filter_);
  filtered_view_->ShowSourceRow(currentRow());
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
  const int current = currentRow();
  QListWidget::mousePressEvent(event);
  // A press on the current row changes nothing in Qt, but it is a click all the same.
  const int pressed = indexAt(event->position().toPoint()).row();
  if (event->button() == Qt::LeftButton && pressed >= 0 && pressed == current &&
      currentRow() == current) {
    emit rowChosen(pressed);
  }
}

void ListBoxWidget::focusInEvent(QFocusEvent* event) {
  const QModelIndex before = currentIndex();
  quiet_ = true;
  QListWidget::focusInEvent(event);
  if (currentIndex() != before) {
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
  }
  quiet_ = false;
}

void ListBoxWidget::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  filtered_view_->setGeometry(rect());
}

}  // namespace tabulon::gui
