// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

#include "app/qt/results_table.h"
#include "compare/database_check.h"

namespace tabulon::gui {

// The findings of a database check as table rows: line, name, code and detail. A detail is
// shown on one line (the view elides it) with the whole text as its tooltip. The findings keep
// the check's order (by line, then code), which is also the order of rows that tie in a column.
class FindingsTableModel : public ResultsTableModel {
  Q_OBJECT

 public:
  enum Column { kLine, kName, kCode, kDetail, kColumns };

  using ResultsTableModel::ResultsTableModel;

  // The order of findings a and b by a column (negative: a first in ascending order).
  static int CompareFindings(std::span<const CheckFinding> findings, int a, int b, int column);
  // The findings' indices sorted by `key`; for a job off the window's thread.
  static std::vector<int> Order(std::span<const CheckFinding> findings, SortKey key);

  // Replaces every row in one reset; `order` is Order(findings, sorted_by).
  void SetFindings(std::vector<CheckFinding> findings, std::vector<int> order, SortKey sorted_by);
  const std::vector<CheckFinding>& Findings() const { return findings_; }

  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  int Compare(int a, int b, int column) const override;

  std::vector<CheckFinding> findings_;
};

}  // namespace tabulon::gui
