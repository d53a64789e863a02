// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include <QWidget>

#include "app/model/main_window_model.h"
#include "app/qt/main_window_layout.h"

namespace tabulon::gui {

// The main window as a view of the window model. Each widget shows one model control and is
// found by that control's name (its object name). The user's input goes into the model; after
// each such event the view shows every control whose revision changed. The view computes
// nothing and keeps nothing but the revision it last showed of each control.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowModel& model, QWidget* parent = nullptr);

  // Shows every model control whose revision changed since it was last shown.
  void Refresh();

  MainWindowModel& Model() const { return model_; }

 signals:
  // A user's event has run in the model and the window shows its outcome.
  void eventHandled(const Control& control);

 private:
  struct Binding {
    const Control* control;
    QWidget* widget;
    std::function<void()> show;  // copies the control's state onto the widget
    std::optional<std::uint64_t> shown_revision;
  };

  QWidget* Build(const ControlPlace& place, QWidget* parent);
  QWidget* BuildFrame(Label& frame, QWidget* parent);
  QWidget* BuildLabel(Label& label, const Style& style, QWidget* parent);
  QWidget* BuildTextBox(TextBox& box, const Style& style, QWidget* parent);
  QWidget* BuildListBox(ListBox& list, QWidget* parent);
  QWidget* BuildButton(Button& button, QWidget* parent);
  QWidget* BuildCheckBox(CheckBox& check, QWidget* parent);
  QWidget* BuildImage(Image& image, QWidget* parent);

  // Registers the widget as the view of the control; returns the binding's index.
  std::size_t Bind(const Control& control, QWidget* widget, std::function<void()> show);
  // Runs a user's event in the model, then refreshes. The widget the event came from is shown
  // again even when its control did not change, so it cannot drift from the model.
  void Forward(std::size_t source, const std::function<void()>& event);
  // The error message for an exception that escaped a reaction.
  void ShowUnexpectedError(std::string_view what);
  void SetTabOrder(std::vector<std::pair<int, QWidget*>> widgets_by_tab_index);

  MainWindowModel& model_;
  std::vector<Binding> bindings_;
};

}  // namespace tabulon::gui
