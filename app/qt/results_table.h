// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTableView>

namespace tabulon::gui {

// A read-only table of results (findings, differences): sortable, whole rows selected, no row
// numbers.
inline QTableView* NewResultsTable(const char* name, QAbstractItemModel* model, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(name);
  table->setModel(model);
  table->setSortingEnabled(true);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  return table;
}

}  // namespace tabulon::gui
