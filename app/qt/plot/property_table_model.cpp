// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot/property_table_model.h"

namespace tabulon::gui {

void PropertyTableModel::SetTable(PropertyTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int PropertyTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.cells.size());
}

int PropertyTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.header.size());
}

QVariant PropertyTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  const std::optional<double>& cell = table_.cells[index.row()][index.column()];
  return cell ? QString::fromStdString(ShortestText(*cell)) : QString();
}

QVariant PropertyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return QString::fromStdString(table_.header[section]);
}

}  // namespace tabulon::gui
