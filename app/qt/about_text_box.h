// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace tabulon::gui {

// A multi-line text box of the About window. It reports each click of the user inside it: a
// press and a release of the left button over its text area, also one that only places the
// cursor. The second click of a double click is not a click of its own.
class AboutTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit AboutTextBox(QWidget* parent = nullptr);

  // The box's text with its line breaks as CR LF, as the window model keeps it.
  std::string ModelText() const;
  // Shows the model's text (CR LF as line breaks) unless the box shows it already, so the cursor
  // of an unchanged text stays where it is.
  void ShowModelText(std::string_view text);

 signals:
  void clicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool in_double_click_ = false;
};

}  // namespace tabulon::gui
