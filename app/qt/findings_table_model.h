// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/qt/results_table.h"
#include "compare/database_check.h"

namespace tabulon::gui {

// The findings of a database check as table rows: line, name, code and detail. A detail is
// shown on one line (the view elides it) with the whole text as its tooltip. The rows keep the
// check's order (by line, then code), which is also the order of rows that tie in a column.
class FindingsTableModel : public ResultsTableModel {
  Q_OBJECT

 public:
  enum Column { kLine, kName, kCode, kDetail, kColumns };

  using ResultsTableModel::ResultsTableModel;

  // Replaces every row in one reset.
  void SetFindings(std::vector<CheckFinding> findings);
  const std::vector<CheckFinding>& Findings() const { return findings_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  int Compare(int a, int b, int column) const override;

 private:
  std::vector<CheckFinding> findings_;
};

}  // namespace tabulon::gui
