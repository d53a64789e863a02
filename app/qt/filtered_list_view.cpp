// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/filtered_list_view.h"

#include <algorithm>

#include <QListWidget>
#include <QMouseEvent>

namespace tabulon::gui {

FilteredRows::FilteredRows(const QListWidget& source, QObject* parent)
    : QAbstractListModel(parent), source_(source) {}

void FilteredRows::Refill(const QString& text) {
  texts_.clear();
  texts_.reserve(source_.count());
  for (int row = 0; row < source_.count(); ++row) texts_.append(source_.item(row)->text());
  text_.clear();
  Filter(text);
}

void FilteredRows::Filter(const QString& text) {
  beginResetModel();
  text_ = text;
  rows_.clear();
  for (int row = 0; row < texts_.size(); ++row) {
    if (texts_[row].contains(text_, Qt::CaseInsensitive)) rows_.push_back(row);
  }
  endResetModel();
}

bool FilteredRows::Contains(int source_row) const {
  return std::binary_search(rows_.begin(), rows_.end(), source_row);
}

int FilteredRows::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FilteredRows::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
  return texts_[rows_[static_cast<std::size_t>(index.row())]];
}

FilteredListView::FilteredListView(QListWidget& source, FilteredRows& rows)
    : QListView(&source), rows_(rows) {
  setModel(&rows_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setFont(source.font());
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid() && !quiet_) {
              emit sourceRowChosen(rows_.Rows()[static_cast<std::size_t>(current.row())]);
            }
          });
}

void FilteredListView::ShowSourceRow(int source_row) {
  const std::vector<int>& rows = rows_.Rows();
  const auto at = std::lower_bound(rows.begin(), rows.end(), source_row);
  quiet_ = true;
  if (at != rows.end() && *at == source_row) {
    const QModelIndex index = rows_.index(static_cast<int>(at - rows.begin()));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
  } else {
    selectionModel()->clear();
  }
  quiet_ = false;
}

void FilteredListView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex current = currentIndex();
  QListView::mousePressEvent(event);
  // A press on the current row changes nothing in Qt, but it is a click all the same.
  const QModelIndex pressed = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && pressed.isValid() && pressed == current &&
      currentIndex() == current) {
    emit sourceRowChosen(rows_.Rows()[static_cast<std::size_t>(pressed.row())]);
  }
}

void FilteredListView::focusInEvent(QFocusEvent* event) {
  // Qt makes the first row current on focus, which would choose it.
  const QModelIndex before = currentIndex();
  quiet_ = true;
  QListView::focusInEvent(event);
  if (currentIndex() != before) {
    selectionModel()->setCurrentIndex(before, QItemSelectionModel::NoUpdate);
  }
  quiet_ = false;
}

}  // namespace tabulon::gui
