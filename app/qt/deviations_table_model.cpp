// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/deviations_table_model.h"

#include <limits>
#include <optional>

#include <QBrush>
#include <QColor>

#include "app/model/controls.h"
#include "app/qt/latin1.h"

namespace tabulon::gui {

namespace {

const QColor kAboveTolerance(255, 205, 205);

// A cell's number; none for a species without a scan.
std::optional<double> Number(const DeviationRow& row, int column) {
  if (!row.deviation) return std::nullopt;
  const Deviation& d = *row.deviation;
  using Model = DeviationsTableModel;
  switch (column) {
    case Model::kFrom:
      return d.t_from;
    case Model::kTo:
      return d.t_to;
    case Model::kCp:
      return d.cp.max;
    case Model::kCpT:
      return d.cp.t;
    case Model::kH:
      return d.h.max;
    case Model::kHT:
      return d.h.t;
    case Model::kS:
      return d.s.max;
    case Model::kST:
      return d.s.t;
  }
  return std::nullopt;
}

}  // namespace

int DeviationsTableModel::CompareRows(std::span<const DeviationRow> rows, int a, int b,
                                      int column) {
  const DeviationRow& x = rows[static_cast<std::size_t>(a)];
  const DeviationRow& y = rows[static_cast<std::size_t>(b)];
  if (column == kName) return x.name == y.name ? 0 : ListOrderLess(x.name, y.name) ? -1 : 1;
  const std::optional<double> u = Number(x, column), v = Number(y, column);
  if (!u || !v) return int(u.has_value()) - int(v.has_value());  // empty cells below numbers
  return *u < *v ? -1 : *v < *u ? 1 : 0;
}

std::vector<int> DeviationsTableModel::Order(std::span<const DeviationRow> rows, SortKey key) {
  return SortedOrder(rows.size(), key,
                     [rows](int a, int b, int column) { return CompareRows(rows, a, b, column); });
}

int DeviationsTableModel::Compare(int a, int b, int column) const {
  return CompareRows(rows_, a, b, column);
}

void DeviationsTableModel::SetRows(std::vector<DeviationRow> rows, std::vector<int> order,
                                   SortKey sorted_by) {
  Reset([&] { rows_ = std::move(rows); }, std::move(order), sorted_by);
}

void DeviationsTableModel::SetTolerances(const std::array<double, 3>& tolerances) {
  if (tolerances == tolerances_) return;
  tolerances_ = tolerances;
  if (!rows_.empty()) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1), {Qt::BackgroundRole});
  }
}

bool DeviationsTableModel::AboveTolerance(int row) const {
  const DeviationRow& r = rows_[static_cast<std::size_t>(row)];
  if (!r.deviation) return false;
  const Deviation& d = *r.deviation;
  return d.cp.max > tolerances_[0] || d.h.max > tolerances_[1] || d.s.max > tolerances_[2];
}

int DeviationsTableModel::AboveToleranceCount() const {
  int above = 0;
  for (int row = 0; row < static_cast<int>(rows_.size()); ++row) above += AboveTolerance(row);
  return above;
}

int DeviationsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant DeviationsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int result = ResultAt(index.row());
  const DeviationRow& row = rows_[static_cast<std::size_t>(result)];
  if (role == Qt::BackgroundRole) {
    return AboveTolerance(result) ? QBrush(kAboveTolerance) : QVariant();
  }
  if (role != Qt::DisplayRole) return {};
  if (index.column() == kName) return ShownLatin1(row.name);
  const std::optional<double> number = Number(row, index.column());
  return number ? QVariant(*number) : QVariant();
}

QVariant DeviationsTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kTitles[] = {"Species", "T from", "T to",   "dCp max", "at T",
                                        "dH max",  "at T",   "dS max", "at T"};
  return section >= 0 && section < kColumns ? tr(kTitles[section]) : QVariant();
}

}  // namespace tabulon::gui
