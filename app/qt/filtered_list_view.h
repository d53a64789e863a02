// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

class QListWidget;

namespace tabulon::gui {

// The rows of a list widget that contain a text, whatever the case: a view of the list's own
// items, which it neither copies into items of its own nor changes. Row r shows source row
// Rows()[r].
class FilteredRows : public QAbstractListModel {
 public:
  explicit FilteredRows(const QListWidget& source, QObject* parent);

  // Takes the source's rows anew (after it was refilled) and filters them by `text`.
  void Refill(const QString& text);
  void Filter(const QString& text);
  const std::vector<int>& Rows() const { return rows_; }
  // Whether the source row passes the filter.
  bool Contains(int source_row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const QListWidget& source_;
  QStringList texts_;  // the source rows' texts, taken once per refill
  QString text_;
  std::vector<int> rows_;
};

// Shown over a list widget while its filter is set, in its place and size: the rows that pass
// the filter, with the list's current row when it is one of them. A choice here (a click, also
// on the current row, or a key that moves the current row) is reported as the choice of the
// source row, so it reaches the model as the same choice in the full list would.
class FilteredListView : public QListView {
  Q_OBJECT

 public:
  FilteredListView(QListWidget& source, FilteredRows& rows);

  // Shows the source's current row, or none when the filter hides it; chooses nothing.
  void ShowSourceRow(int source_row);

 signals:
  void sourceRowChosen(int source_row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  FilteredRows& rows_;
  bool quiet_ = false;
};

}  // namespace tabulon::gui
