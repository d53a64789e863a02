// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QDialog>

#include "app/model/about_window_model.h"

namespace tabulon::gui {

class AboutTextBox;

// The About window as a view of its model: a fixed-size modal dialog whose text boxes show the
// model's texts and hand what the user types and clicks to the model. Like the main window, it
// keeps nothing but the revision it last showed of each text box.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(AboutWindowModel& model, QWidget* parent = nullptr);

  // Shows every text box whose revision changed since it was last shown.
  void Refresh();

 private:
  struct Binding {
    const TextBox* box;
    AboutTextBox* widget;
    std::optional<std::uint64_t> shown_revision;
  };

  AboutTextBox* BuildTextBox(TextBox& box, QWidget* frame);

  std::vector<Binding> bindings_;
};

// Shows the About window of `model` modally over `owner` and returns when the user has closed
// it. The dialog lives only while it is shown.
void ShowAboutDialog(AboutWindowModel& model, QWidget* owner);

}  // namespace tabulon::gui
