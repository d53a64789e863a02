// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/widget_state.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QStringList>

#include "app/qt/latin1.h"

namespace tabulon::gui {

namespace {

// The number of characters of a name that a list row shows.
constexpr std::size_t kMostShownCharacters = 1000;

QString ShownItem(std::string_view item) {
  return ShownLatin1(item, kMostShownCharacters);
}

// True when a row shows the item as ShownItem gives it; a usual short name is compared
// without building a QString.
bool RowShows(const QString& shown, const std::string& item) {
  if (item.size() > kMostShownCharacters) return shown == ShownItem(item);
  return shown == QLatin1String(item.data(), static_cast<qsizetype>(item.size()));
}

// True when the widget lists exactly these items, in this order.
bool ShowsItems(const QListWidget& widget, const std::vector<std::string>& items) {
  if (widget.count() != static_cast<int>(items.size())) return false;
  for (int i = 0; i < widget.count(); ++i) {
    if (!RowShows(widget.item(i)->text(), items[static_cast<std::size_t>(i)])) return false;
  }
  return true;
}

bool ShowsSelection(const QListWidget& widget, int selected) {
  if (widget.currentRow() != selected) return false;
  return selected == ListBox::kNoSelection ? widget.selectedItems().isEmpty()
                                           : widget.item(selected)->isSelected();
}

}  // namespace

void ShowVisibility(QWidget& widget, const Control& control) {
  widget.setVisible(control.Visible());
}

void ShowFrame(QGroupBox& widget, const Label& frame) {
  const QString title = Latin1(frame.Caption());
  if (widget.title() != title) widget.setTitle(title);
  ShowVisibility(widget, frame);
}

void ShowLabel(QLabel& widget, const Label& label, bool symbol_font) {
  const QString text = symbol_font ? SymbolFontText(label.Caption()) : Latin1(label.Caption());
  if (widget.text() != text) {
    widget.setText(text);
    FitCaption(widget);
  }
  ShowVisibility(widget, label);
}

void FitCaption(QLabel& widget) {
  constexpr int kMostCondensed = 90;  // percent of the normal width
  QFont font = widget.font();
  font.setStretch(QFont::Unstretched);
  QString visible = widget.text();
  while (visible.endsWith(QLatin1Char(' '))) visible.chop(1);  // trailing blanks may be cut
  const int needed = QFontMetrics(font).horizontalAdvance(visible);
  const int room = widget.contentsRect().width();
  if (needed > room && room * 100 >= needed * kMostCondensed) {
    font.setStretch(room * 100 / needed);
  }
  if (font.stretch() != widget.font().stretch()) widget.setFont(font);
}

void ShowTextBox(QLineEdit& widget, const TextBox& box) {
  const QString text = Latin1(box.Text());
  if (widget.text() != text) widget.setText(text);

  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ColourOf(box.BackColour()));
  // A disabled box keeps the desktop's greyed text colour.
  palette.setColor(QPalette::Active, QPalette::Text, ColourOf(box.ForeColour()));
  palette.setColor(QPalette::Inactive, QPalette::Text, ColourOf(box.ForeColour()));
  if (palette != widget.palette()) widget.setPalette(palette);

  ShowVisibility(widget, box);
}

void ShowListBox(QListWidget& widget, const ListBox& list) {
  const std::vector<std::string>& items = list.Items();
  if (!ShowsItems(widget, items)) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts.append(ShownItem(item));
    widget.clear();
    widget.addItems(texts);
  }
  const int selected = list.SelectedIndex();
  if (!ShowsSelection(widget, selected)) {
    widget.setCurrentRow(selected);  // row -1 clears the selection
    if (selected != ListBox::kNoSelection) widget.scrollToItem(widget.item(selected));
  }
  ShowVisibility(widget, list);
}

void ShowCheckBox(QCheckBox& widget, const CheckBox& check) {
  if (widget.isChecked() != check.Checked()) widget.setChecked(check.Checked());
  ShowVisibility(widget, check);
}

void ShowButton(QPushButton& widget, const Button& button) {
  const QString text = Latin1(button.Caption());
  if (widget.text() != text) widget.setText(text);
  ShowVisibility(widget, button);
}

QColor ColourOf(Colour colour) {
  const QPalette desktop = QGuiApplication::palette();
  switch (colour) {
    case Colour::Window:
      return desktop.color(QPalette::Active, QPalette::Base);
    case Colour::WindowText:
      return desktop.color(QPalette::Active, QPalette::Text);
    case Colour::ButtonText:
      return desktop.color(QPalette::Active, QPalette::ButtonText);
    case Colour::InactiveBorder:
      // The light grey of inactive window borders, which on the desktops the tool was made for
      // is the grey of the window face.
      return desktop.color(QPalette::Active, QPalette::Window);
    case Colour::Red:
      return QColor(255, 0, 0);
    case Colour::Yellow:
      return QColor(255, 255, 0);
  }
  return desktop.color(QPalette::Active, QPalette::Text);
}

QString SymbolFontText(std::string_view caption) {
  // The Greek letters that the Symbol font draws for A to Z and a to z.
  static const QString kUpper = QStringLiteral(u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
  static const QString kLower = QStringLiteral(u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
  QString text;
  text.reserve(static_cast<qsizetype>(caption.size()));
  for (char byte : caption) {
    if (byte >= 'A' && byte <= 'Z') {
      text.append(kUpper.at(byte - 'A'));
    } else if (byte >= 'a' && byte <= 'z') {
      text.append(kLower.at(byte - 'a'));
    } else {
      text.append(QChar(static_cast<unsigned char>(byte)));
    }
  }
  return text;
}

}  // namespace tabulon::gui
