// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/findings_table_model.h"

#include "app/model/controls.h"
#include "app/qt/latin1.h"

namespace tabulon::gui {

void FindingsTableModel::SetFindings(std::vector<CheckFinding> findings) {
  beginResetModel();
  findings_ = std::move(findings);
  endResetModel();
}

int FindingsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

int FindingsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant FindingsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const CheckFinding& f = findings_[static_cast<std::size_t>(index.row())];
  if (role == Qt::ToolTipRole && index.column() == kDetail) return ShownLatin1(f.detail);
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kLine:
      return f.line;
    case kName:
      return ShownLatin1(f.name);
    case kCode:
      return Latin1(CodeName(f.code));
    case kDetail:
      return ShownLatin1(f.detail);
  }
  return {};
}

QVariant FindingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kTitles[] = {"Line", "Name", "Code", "Detail"};
  return section >= 0 && section < kColumns ? tr(kTitles[section]) : QVariant();
}

int FindingsTableModel::Compare(int a, int b, int column) const {
  const CheckFinding& x = findings_[static_cast<std::size_t>(a)];
  const CheckFinding& y = findings_[static_cast<std::size_t>(b)];
  switch (column) {
    case kLine:
      return x.line - y.line;
    case kName:
      return x.name == y.name ? 0 : ListOrderLess(x.name, y.name) ? -1 : 1;
    case kCode:
      return static_cast<int>(x.code) - static_cast<int>(y.code);
    case kDetail:
      return x.detail.compare(y.detail);
  }
  return 0;
}

}  // namespace tabulon::gui
