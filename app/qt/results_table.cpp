// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/results_table.h"

#include <QHeaderView>
#include <QTableView>

namespace tabulon::gui {

ResultsProxyModel::ResultsProxyModel(ResultsTableModel& rows, QObject* parent)
    : QSortFilterProxyModel(parent), rows_(rows) {
  setSourceModel(&rows);
}

void ResultsProxyModel::SetRowFilter(std::function<bool(int source_row)> accepts) {
  accepts_ = std::move(accepts);
  invalidateRowsFilter();
}

bool ResultsProxyModel::lessThan(const QModelIndex& a, const QModelIndex& b) const {
  const int order = rows_.Compare(a.row(), b.row(), a.column());
  if (order != 0) return order < 0;
  // A descending sort asks lessThan(b, a) to put a first; ties keep the model's order anyway.
  return sortOrder() == Qt::AscendingOrder ? a.row() < b.row() : b.row() < a.row();
}

bool ResultsProxyModel::filterAcceptsRow(int source_row, const QModelIndex& /*parent*/) const {
  return !accepts_ || accepts_(source_row);
}

QTableView* NewResultsTable(const char* name, QAbstractItemModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(name);
  table->setModel(model);
  table->setSortingEnabled(true);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  return table;
}

}  // namespace tabulon::gui
