// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

class QTableView;
class QWidget;

namespace tabulon::gui {

// The rows of a results table (findings, differences, a report's table) for a table view: a
// plain table over results held once, reset once when they change, with a typed order per
// column, so that sorting 100,000 rows builds no text or QVariant per comparison.
class ResultsTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The order of rows `a` and `b` by `column`: negative when a comes first in ascending order,
  // positive when b does, 0 when they tie there.
  virtual int Compare(int a, int b, int column) const = 0;
};

// Sorts and filters the rows of a ResultsTableModel by its own rules: the model's order per
// column, rows that tie in it in the model's own order whichever the direction (findings of one
// code stay in line order), and a row test set by the window (none: every row is shown).
class ResultsProxyModel : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  ResultsProxyModel(ResultsTableModel& rows, QObject* parent);

  // Shows only the source rows for which `accepts` holds; filters once.
  void SetRowFilter(std::function<bool(int source_row)> accepts);

 protected:
  bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;
  bool filterAcceptsRow(int source_row, const QModelIndex& parent) const override;

 private:
  ResultsTableModel& rows_;
  std::function<bool(int)> accepts_;
};

// A read-only table of results: sortable, whole rows selected, no row numbers, rows of one
// fixed height (so a table of 100,000 rows is laid out at once).
QTableView* NewResultsTable(const char* name, QAbstractItemModel* model, QWidget* parent);

}  // namespace tabulon::gui
