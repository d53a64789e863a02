#include "app/qt/list_box_widget.h"

#include <QMouseEvent>

namespace tabulon::gui {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Every row has the same height, so Qt lays out a list of tens of thousands of names at once.
  setUniformItemSizes(true);
  // A press on another row, or a key that moves the current row, changes the current row.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit rowChosen(row);
  });
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
  const int current = currentRow();
  QListWidget::mousePressEvent(event);
  // A press on the current row changes nothing in Qt, but it is a click all the same.
  const int pressed = indexAt(event->position().toPoint()).row();
  if (event->button() == Qt::LeftButton && pressed >= 0 && pressed == current &&
      currentRow() == current) {
    emit rowChosen(pressed);
  }
}

}  // namespace tabulon::gui
