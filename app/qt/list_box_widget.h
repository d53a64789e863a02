#pragma once

#include <QListWidget>

namespace tabulon::gui {

// A list widget that reports each choice of a row by the user: a click, also on the row that is
// already chosen (the model runs its click reaction every time), and a move of the current row
// with the keyboard. Selections made by the view itself happen with signals blocked.
//
// A filter hides the rows that do not contain its text (whatever the case) and nothing else:
// row i is still item i of the model's list, so a choice in a filtered list is the very choice
// it would be in the full list. Rows added later are filtered as they come.
class ListBoxWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBoxWidget(QWidget* parent = nullptr);

  void SetFilter(const QString& text);
  const QString& Filter() const { return filter_; }
  // The number of rows the filter lets through (all rows without a filter).
  int ShownCount() const { return count() - hidden_; }
  // The first row the filter lets through; -1 when there is none.
  int FirstShownRow() const;
  // Chooses the row as a click on it does.
  void ChooseRow(int row) { emit rowChosen(row); }

 signals:
  void rowChosen(int row);
  void shownCountChanged(int shown);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // Tabbing into the list keeps its selection: Qt would make the first row current, which
  // would choose it.
  void focusInEvent(QFocusEvent* event) override;

 private:
  void FilterRows(int first, int last);

  QString filter_;
  int hidden_ = 0;
  bool quiet_ = false;  // the current row moves without it being the user's choice
};

}  // namespace tabulon::gui
