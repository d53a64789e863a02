// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <type_traits>
#include <variant>
#include <vector>

#include "app/model/main_window_model.h"

namespace tabulon::gui {

// Positions are given in twips, as the window was designed; 15 twips make one pixel at 96 dpi.
// Qt's high-DPI scaling takes the pixels on to the screen's device pixel ratio.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int Pixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// The size of the main window's client area.
inline constexpr TwipsRect kClientArea{0, 0, 13545, 10440};

// A frame of the window: a group box whose caption is the model label of the same name.
struct Frame {
  Label* caption;
};

// The model control that a widget shows; its type decides the widget's kind.
using ModelControl = std::variant<Frame, Label*, TextBox*, ListBox*, Button*, CheckBox*, Image*>;

const Control& ControlOf(const ModelControl& control);

// What a widget shows beyond its model control's state.
struct Style {
  bool read_only = false;
  bool disabled = false;     // greyed: takes no input, text drawn in the disabled colour
  bool symbol_font = false;  // the caption is drawn as the Symbol font would ("D" is a delta)
};

inline constexpr int kNoTabIndex = -1;

struct ControlPlace {
  ModelControl control;
  const Label* frame;  // the frame holding the control; nullptr for a frame (in the client area)
  TwipsRect place;     // relative to the frame, or to the client area for a frame
  int tab_index;
  Style style = {};
};

// Every control of the main window with its place, tab index and style; frames come first.
std::vector<ControlPlace> MainWindowLayout(MainWindowModel& window);

}  // namespace tabulon::gui
