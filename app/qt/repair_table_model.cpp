// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/repair_table_model.h"

#include <QBrush>

#include "app/model/controls.h"
#include "app/qt/latin1.h"

namespace tabulon::gui {

void RepairTableModel::SetRepairs(std::vector<RecordRepair> repairs) {
  // A plan has a row per record considered, few enough to sort on the window's thread.
  const std::size_t count = repairs.size();
  Reset([this, &repairs] { repairs_ = std::move(repairs); },
        SortedOrder(count, SortKey{}, [](int, int, int) { return 0; }), SortKey{});
}

int RepairTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

std::optional<double> RepairTableModel::Number(const RecordRepair& r, int column) const {
  if (r.action == RepairAction::Skipped) return std::nullopt;
  switch (column) {
    case kDcp:
      return r.cost.dcp_max;
    case kDh:
      return r.cost.dh_max;
    case kDs:
      return r.cost.ds_max;
    case kJumpCp:
      return r.jumps_after.cp;
    case kJumpH:
      return r.jumps_after.h;
    case kJumpS:
      return r.jumps_after.s;
  }
  return std::nullopt;
}

QVariant RepairTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const RecordRepair& r = repairs_[static_cast<std::size_t>(ResultAt(index.row()))];
  if (role == Qt::ForegroundRole && !r.Applied()) return QBrush(Qt::darkRed);
  if (role == Qt::ToolTipRole && index.column() == kNote) return ShownLatin1(r.reason);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kLine:
      return r.line;
    case kName:
      return ShownLatin1(r.name);
    case kAction:
      return Latin1(ActionName(r.action));
    case kNote:
      return ShownLatin1(r.reason);
  }
  const std::optional<double> value = Number(r, index.column());
  return value ? QVariant(QString::number(*value, 'g', 4)) : QVariant();
}

QVariant RepairTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kTitles[] = {"Line",
                                        "Name",
                                        "Action",
                                        "dCp max\n(cal/mol/K)",
                                        "dH max\n(kcal/mol)",
                                        "dS max\n(cal/mol/K)",
                                        "cp jump\nafter",
                                        "h jump\nafter",
                                        "s jump\nafter",
                                        "Note"};
  return section >= 0 && section < kColumns ? tr(kTitles[section]) : QVariant();
}

int RepairTableModel::Compare(int a, int b, int column) const {
  const RecordRepair& x = repairs_[static_cast<std::size_t>(a)];
  const RecordRepair& y = repairs_[static_cast<std::size_t>(b)];
  switch (column) {
    case kLine:
      return x.line - y.line;
    case kName:
      return x.name == y.name ? 0 : ListOrderLess(x.name, y.name) ? -1 : 1;
    case kAction:
      return static_cast<int>(x.action) - static_cast<int>(y.action);
    case kNote:
      return x.reason.compare(y.reason);
  }
  // Skipped records (no numbers) come last in ascending order.
  const std::optional<double> p = Number(x, column), q = Number(y, column);
  if (!p || !q) return p ? -1 : q ? 1 : 0;
  return *p < *q ? -1 : *q < *p ? 1 : 0;
}

}  // namespace tabulon::gui
