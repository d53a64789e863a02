#include "app/qt/list_box_widget.h"

#include <QMouseEvent>

namespace tabulon::gui {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row has the same height, so Qt lays out a list of tens of thousands of names at once.
  setUniformItemSizes(true);
  // A press on another row, or a key that moves the current row, changes the current row.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && !quiet_) emit rowChosen(row);
  });
  connect(model(), &QAbstractItemModel::rowsInserted, this,
          [this](const QModelIndex&, int first, int last) { FilterRows(first, last); });
  // A list emptied at once forgets which rows were hidden.
  connect(model(), &QAbstractItemModel::modelReset, this, [this] {
    hidden_ = 0;
    emit shownCountChanged(ShownCount());
  });
  connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] {
    hidden_ = 0;
    for (int row = 0; row < count(); ++row) hidden_ += isRowHidden(row) ? 1 : 0;
    emit shownCountChanged(ShownCount());
  });
}

void ListBoxWidget::SetFilter(const QString& text) {
  if (text == filter_) return;
  filter_ = text;
  FilterRows(0, count() - 1);
  // Back to the full list, the chosen row is brought into sight again.
  if (filter_.isEmpty() && currentItem() != nullptr) scrollToItem(currentItem());
}

int ListBoxWidget::FirstShownRow() const {
  for (int row = 0; row < count(); ++row) {
    if (!isRowHidden(row)) return row;
  }
  return -1;
}

void ListBoxWidget::FilterRows(int first, int last) {
  if (filter_.isEmpty() && hidden_ == 0) {
    emit shownCountChanged(ShownCount());
    return;
  }
  for (int row = first; row <= last; ++row) {
    const bool hide =
        !filter_.isEmpty() && !item(row)->text().contains(filter_, Qt::CaseInsensitive);
    if (hide != isRowHidden(row)) {
      setRowHidden(row, hide);
      hidden_ += hide ? 1 : -1;
    }
  }
  emit shownCountChanged(ShownCount());
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
  if (currentIndex() != before)
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
  quiet_ = false;
}

}  // namespace tabulon::gui
