// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/qt/results_table.h"
#include "compare/record_repair.h"

namespace tabulon::gui {

// A repair plan as table rows: line, name, action, the largest changes of Cp, H and S, the jump
// measures after the repair, and the reason of a refusal or a skip. The plan's (file) order is
// also the order of rows that tie in a column.
class RepairTableModel : public ResultsTableModel {
  Q_OBJECT

 public:
  enum Column { kLine, kName, kAction, kDcp, kDh, kDs, kJumpCp, kJumpH, kJumpS, kNote, kColumns };

  using ResultsTableModel::ResultsTableModel;

  // Replaces every row in one reset.
  void SetRepairs(std::vector<RecordRepair> repairs);
  const std::vector<RecordRepair>& Repairs() const { return repairs_; }

  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  int Compare(int a, int b, int column) const override;
  // The number in a numeric column; none for a record that was skipped.
  std::optional<double> Number(const RecordRepair& repair, int column) const;

  std::vector<RecordRepair> repairs_;
};

}  // namespace tabulon::gui
