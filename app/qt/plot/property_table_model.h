// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include "properties/property_table.h"

namespace tabulon::gui {

// A property table for a table view: every number in its shortest round-trip text, so the
// view shows the full precision; empty cells stay empty.
class PropertyTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetTable(PropertyTable table);
  const PropertyTable& Table() const { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  PropertyTable table_;
};

}  // namespace tabulon::gui
