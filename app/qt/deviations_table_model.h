// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <vector>

#include "app/qt/results_table.h"
#include "compare/deviation_scan.h"

namespace tabulon::gui {

// The rows of a deviation scan as table rows: the species, the kelvins scanned, and the largest
// difference of Cp, H and S with where it occurs. A row whose difference of Cp, H or S is above
// its tolerance is highlighted. A species without a scan (no usable limits, no overlap) has
// empty cells, which sort below every number. The rows keep the scan's order (by name).
class DeviationsTableModel : public ResultsTableModel {
  Q_OBJECT

 public:
  enum Column { kName, kFrom, kTo, kCp, kCpT, kH, kHT, kS, kST, kColumns };

  using ResultsTableModel::ResultsTableModel;

  // The order of rows a and b by a column (negative: a first in ascending order).
  static int CompareRows(std::span<const DeviationRow> rows, int a, int b, int column);
  // The rows' indices sorted by `key`; for a job off the window's thread.
  static std::vector<int> Order(std::span<const DeviationRow> rows, SortKey key);

  // Replaces every row in one reset; `order` is Order(rows, sorted_by).
  void SetRows(std::vector<DeviationRow> rows, std::vector<int> order, SortKey sorted_by);
  const std::vector<DeviationRow>& Rows() const { return rows_; }
  // The tolerances of Cp, H and S (infinity: none); the highlight follows at once.
  void SetTolerances(const std::array<double, 3>& tolerances);
  // Whether the result `row` (an index of Rows()) is above a tolerance.
  bool AboveTolerance(int row) const;
  int AboveToleranceCount() const;

  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  int Compare(int a, int b, int column) const override;

  std::vector<DeviationRow> rows_;
  std::array<double, 3> tolerances_{};
};

}  // namespace tabulon::gui
