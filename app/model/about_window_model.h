// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "app/model/controls.h"

namespace tabulon {

class MainWindowModel;

// A text box of the About window that also reacts to a click: the two link boxes.
class LinkTextBox : public TextBox {
 public:
  using TextBox::TextBox;
  void OnClick(std::function<void()> reaction) { on_click_ = std::move(reaction); }
  // A user's click anywhere in the box, also one that only places the text cursor.
  void Click();

 private:
  std::function<void()> on_click_;
};

// A separator line of the About window; it only stands there.
class Line : public Control {
 public:
  using Control::Control;
};

// The About window as a model: the controls of Frame1, named as in the window. It keeps no state
// of its own: Load sets every text again each time the window opens, so typed text is lost on
// closing. A click on a link box hands its link to the main window's platform.
class AboutWindowModel {
 public:
  explicit AboutWindowModel(MainWindowModel& window);
  AboutWindowModel(const AboutWindowModel&) = delete;
  AboutWindowModel& operator=(const AboutWindowModel&) = delete;

  // The load steps, run every time the window is shown. The view draws aboutxt(0) in bold
  // 12-point type, which the load of the original window set here.
  void Load();

  Label Frame1{"Frame1", "About Sorbex"};
  // 0: version, 1: authors, 2: group, department and institution, country, fax.
  ControlArray<TextBox> aboutxt{"aboutxt", 3};
  LinkTextBox aboutxt3{"aboutxt3"};  // the two e-mail addresses; a click writes to both
  LinkTextBox aboutxt4{"aboutxt4"};  // the web page; a click opens it
  ControlArray<Line> Line1{"Line1", 2};

 private:
  MainWindowModel& window_;
};

}  // namespace tabulon
