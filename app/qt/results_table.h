// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

class QTableView;
class QWidget;

namespace tabulon::gui {

// The column and direction a results table is sorted by; column -1: the results' own order.
struct SortKey {
  int column = -1;
  Qt::SortOrder order = Qt::AscendingOrder;
  bool operator==(const SortKey&) const = default;
};

// The indices 0 .. count - 1 of results sorted by `key`, where `compare(a, b, column)` orders
// results a and b by a column (negative: a first in ascending order; 0: they tie). Results that
// tie keep their own order whichever the direction, so findings of one code stay in line order.
std::vector<int> SortedOrder(std::size_t count, SortKey key,
                             const std::function<int(int a, int b, int column)>& compare);

// The rows of a results table (findings, differences, a report's table) for a table view: a
// plain table over results held once and replaced in one reset. The model sorts its rows
// itself, as a permutation of the results: a window sorts 100,000 new results off its thread
// (SortedOrder) and hands them over with their order, so the window's thread only swaps them
// in. A header click sorts here, by the typed order of the subclass (no text or QVariant per
// comparison).
class ResultsTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  void sort(int column, Qt::SortOrder order) override;
  SortKey Sorting() const { return sorting_; }
  // The index of the result shown in `row`.
  int ResultAt(int row) const { return order_[static_cast<std::size_t>(row)]; }

 protected:
  // Replaces the results in one reset: `replace` swaps the new results in, `order` lists their
  // indices as sorted by `sorted_by`; when the table was sorted otherwise meanwhile, they are
  // sorted again here.
  void Reset(const std::function<void()>& replace, std::vector<int> order, SortKey sorted_by);
  // The order of results a and b by `column`, as SortedOrder takes it.
  virtual int Compare(int a, int b, int column) const = 0;

 private:
  std::vector<int> order_;
  SortKey sorting_;
};

// Filters the rows of a ResultsTableModel by a row test set by the window (none: every row is
// shown); sorting is the model's own.
class ResultsProxyModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  ResultsProxyModel(ResultsTableModel& rows, QObject* parent);

  // Shows only the rows whose result index passes `accepts`; filters once.
  void SetRowFilter(std::function<bool(int result)> accepts);
  // The index of the result a row of this proxy shows.
  int ResultAt(const QModelIndex& index) const;

  void sort(int column, Qt::SortOrder order) override;

 protected:
  bool filterAcceptsRow(int source_row, const QModelIndex& parent) const override;

 private:
  ResultsTableModel& rows_;
  std::function<bool(int)> accepts_;
};

// A read-only table of results: sortable, whole rows selected, no row numbers, rows of one
// fixed height and columns sized from their first rows (so a table of 100,000 rows is laid out
// at once).
QTableView* NewResultsTable(const char* name, QAbstractItemModel* model, QWidget* parent);

}  // namespace tabulon::gui
