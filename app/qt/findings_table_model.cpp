// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/findings_table_model.h"

#include "app/model/controls.h"
#include "app/qt/latin1.h"

namespace tabulon::gui {

int FindingsTableModel::CompareFindings(std::span<const CheckFinding> findings, int a, int b,
                                        int column) {
  const CheckFinding& x = findings[static_cast<std::size_t>(a)];
  const CheckFinding& y = findings[static_cast<std::size_t>(b)];
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

std::vector<int> FindingsTableModel::Order(std::span<const CheckFinding> findings, SortKey key) {
  return SortedOrder(findings.size(), key, [findings](int a, int b, int column) {
    return CompareFindings(findings, a, b, column);
  });
}

int FindingsTableModel::Compare(int a, int b, int column) const {
  return CompareFindings(findings_, a, b, column);
}

void FindingsTableModel::SetFindings(std::vector<CheckFinding> findings, std::vector<int> order,
                                     SortKey sorted_by) {
  Reset([&] { findings_ = std::move(findings); }, std::move(order), sorted_by);
}

int FindingsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant FindingsTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const CheckFinding& f = findings_[static_cast<std::size_t>(ResultAt(index.row()))];
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

}  // namespace tabulon::gui
