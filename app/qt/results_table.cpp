// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/results_table.h"

#include <algorithm>
#include <numeric>

#include <QHeaderView>
#include <QTableView>

namespace tabulon::gui {

std::vector<int> SortedOrder(std::size_t count, SortKey key,
                             const std::function<int(int a, int b, int column)>& compare) {
  std::vector<int> order(count);
  std::iota(order.begin(), order.end(), 0);
  if (key.column < 0) return order;
  const bool ascending = key.order == Qt::AscendingOrder;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = compare(a, b, key.column);
    return ascending ? c < 0 : c > 0;
  });
  return order;
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

void ResultsTableModel::sort(int column, Qt::SortOrder order) {
  const SortKey key{column, order};
  if (key == sorting_) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  // The selection and current row stay on their results.
  const QModelIndexList before = persistentIndexList();
  std::vector<int> results(static_cast<std::size_t>(before.size()));
  for (qsizetype k = 0; k < before.size(); ++k) results[k] = ResultAt(before[k].row());
  sorting_ = key;
  order_ =
      SortedOrder(order_.size(), key, [this](int a, int b, int c) { return Compare(a, b, c); });
  std::vector<int> rows_of_results(order_.size());
  for (std::size_t row = 0; row < order_.size(); ++row) {
    rows_of_results[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
  }
  QModelIndexList after;
  for (qsizetype k = 0; k < before.size(); ++k) {
    after.append(index(rows_of_results[static_cast<std::size_t>(results[k])], before[k].column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ResultsTableModel::Reset(const std::function<void()>& replace, std::vector<int> order,
                              SortKey sorted_by) {
  beginResetModel();
  replace();
  order_ = std::move(order);
  if (sorted_by != sorting_) {
    order_ = SortedOrder(order_.size(), sorting_,
                         [this](int a, int b, int c) { return Compare(a, b, c); });
  }
  endResetModel();
}

ResultsProxyModel::ResultsProxyModel(ResultsTableModel& rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
  setSourceModel(&rows);
}

void ResultsProxyModel::SetRowFilter(std::function<bool(int result)> accepts) {
  accepts_ = std::move(accepts);
  invalidateRowsFilter();
}

int ResultsProxyModel::ResultAt(const QModelIndex& index) const {
  return rows_.ResultAt(mapToSource(index).row());
}

void ResultsProxyModel::sort(int column, Qt::SortOrder order) {
  rows_.sort(column, order);
}

bool ResultsProxyModel::filterAcceptsRow(int source_row, const QModelIndex& /*parent*/) const {
  return !accepts_ || accepts_(rows_.ResultAt(source_row));
}

QTableView* NewResultsTable(const char* name, QAbstractItemModel* model, QWidget* parent) {
  constexpr int kRowsMeasured = 100;  // columns fit the first rows shown
  auto* table = new QTableView(parent);
  table->setObjectName(name);
  table->setModel(model);
  // The results' own order until the window or the user sorts by a column.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
  return table;
}

}  // namespace tabulon::gui
