#pragma once

#include <QListWidget>

namespace tabulon::gui {

// A list widget that reports each choice of a row by the user: a click, also on the row that is
// already chosen (the model runs its click reaction every time), and a move of the current row
// with the keyboard. Selections made by the view itself happen with signals blocked.
class ListBoxWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBoxWidget(QWidget* parent = nullptr);

 signals:
  void rowChosen(int row);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace tabulon::gui
