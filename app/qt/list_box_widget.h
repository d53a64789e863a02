// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace tabulon::gui {

class FilteredListView;
class FilteredRows;

// A list widget that reports each choice of a row by the user: a click, also on the row that is
// already chosen (the model runs its click reaction every time), and a move of the current row
// with the keyboard. Selections made by the view itself happen with signals blocked.
//
// A filter shows, in the list's place, only the rows that contain its text (whatever the case);
// a choice there is reported as the choice of that row of the full list, so it reaches the
// model exactly as the same choice in the full list would. The list's own rows stay as the
// model's items; rows added while a filter is set are filtered as they come.
class ListBoxWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBoxWidget(QWidget* parent = nullptr);
  // Leaves the model's signals before the list's items are destroyed with its base class.
  ~ListBoxWidget() override;

  void SetFilter(const QString& text);
  const QString& Filter() const { return filter_; }
  // The rows the filter lets through (all rows without a filter), as rows of the full list.
  int ShownCount() const;
  bool ShowsRow(int row) const;
  int FirstShownRow() const;  // -1 when none is shown
  // Chooses the row as a click on it does.
  void ChooseRow(int row) { emit rowChosen(row); }

 signals:
  void rowChosen(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // Tabbing into the list keeps its selection: Qt would make the first row current, which
  // would choose it.
  void focusInEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Refilter();

  QString filter_;
  FilteredRows* filtered_rows_;
  FilteredListView* filtered_view_;
  bool quiet_ = false;  // the current row moves without it being the user's choice
};

}  // namespace tabulon::gui
