// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include <QColor>
#include <QString>

#include "app/model/controls.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tabulon::gui {

// Copy one model control's state onto its widget. Each sets only what differs from what the
// widget shows, so showing an unchanged control is cheap and a line edit whose text is unchanged
// keeps its cursor. The caller blocks the widget's signals, so nothing goes back to the model.
void ShowVisibility(QWidget& widget, const Control& control);
void ShowFrame(QGroupBox& widget, const Label& frame);
void ShowLabel(QLabel& widget, const Label& label, bool symbol_font);
// The captions were laid out for "MS Sans Serif"; in a slightly wider stand-in font a caption
// may overrun its box by a few pixels. Such a caption is drawn a little condensed (down to 90%)
// rather than cut off; a much longer one (a long path) is cut off as before.
void FitCaption(QLabel& widget);
void ShowTextBox(QLineEdit& widget, const TextBox& box);
void ShowListBox(QListWidget& widget, const ListBox& list);
void ShowCheckBox(QCheckBox& widget, const CheckBox& check);
void ShowButton(QPushButton& widget, const Button& button);

// The model's colours on this desktop: the named ones from the application palette.
QColor ColourOf(Colour colour);

// A caption as the Symbol font draws it: Latin letters stand for Greek ones ("D" is the capital
// delta); other bytes are Latin-1.
QString SymbolFontText(std::string_view caption);

}  // namespace tabulon::gui
