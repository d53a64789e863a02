// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace tabulon::gui {

class ListBoxWidget;

// The filter of a species list: a field whose text the list's rows must contain (whatever the
// case), updated at each keystroke, and a small label with the number of rows shown while a
// filter is set, which follows the list when it is filled again. The list's count label keeps
// the database's count. In the field, Down moves into the list and Enter chooses the first row
// shown, as a click on it does.
class SpeciesFilterBar : public QWidget {
  Q_OBJECT

 public:
  // The field is named after the list with "Filter" appended, the label with "Shown".
  explicit SpeciesFilterBar(ListBoxWidget& list, QWidget* parent = nullptr);

  QLineEdit& Field() const { return *field_; }
  // A species chosen from elsewhere (a finding, a difference, a comparison list) that the
  // filter hides clears the filter, so the list shows it.
  void RevealSelection();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowCount();

  ListBoxWidget& list_;
  QLineEdit* field_;
  QLabel* shown_;
};

}  // namespace tabulon::gui
