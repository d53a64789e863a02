// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
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

  // Replaces every row in one reset.
  void SetRows(std::vector<DeviationRow> rows);
  const std::vector<DeviationRow>& Rows() const { return rows_; }
  // The tolerances of Cp, H and S (infinity: none); the highlight follows at once.
  void SetTolerances(const std::array<double, 3>& tolerances);
  bool AboveTolerance(int row) const;
  int AboveToleranceCount() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  int Compare(int a, int b, int column) const override;

 private:
  std::vector<DeviationRow> rows_;
  std::array<double, 3> tolerances_{};
};

}  // namespace tabulon::gui
