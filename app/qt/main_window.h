// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include <QWidget>

#include "app/model/main_window_model.h"
#include "app/qt/database_tools.h"
#include "app/qt/growing_layout.h"
#include "app/qt/main_window_additions.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/plot_buttons.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tabulon::gui {

class FrameBox;
class ListBoxWidget;

// The main window as a view of the window model. Each widget shows one model control (its object
// name is the control's name, for people and tests); code reaches it through the typed accessors
// below, by the model control it shows. The user's input goes into the model; after each such
// event the view shows every control whose revision changed. The view computes nothing and
// keeps nothing but the revision it last showed of each control.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowModel& model, QWidget* parent = nullptr);

  // Shows every model control whose revision changed since it was last shown.
  void Refresh();

  MainWindowModel& Model() const { return model_; }

  // Runs a model entry on the user's behalf as an event of `control` (a file given on the
  // command line, dropped or taken from the recent files stands for a click of its load
  // button): failures end it as they end a user's event, and the window shows its outcome.
  void RunAs(const Control& control, const std::function<void()>& entry);

  // The widget that shows a model control. The control must be one of this window's model.
  FrameBox& FrameOf(const Label& frame) const;
  QLabel& LabelOf(const Label& label) const;
  QLineEdit& TextBoxOf(const TextBox& box) const;
  ListBoxWidget& ListOf(const ListBox& list) const;
  QPushButton& ButtonOf(const Button& button) const;

  // Places a widget added beside the designed controls into `frame`, at `place` in twips as the
  // designed ones, following `growth` of the frame's growth when the window grows (the lines of
  // main_window_growth.h say how the controls around it move). The widget is shown.
  void Place(QWidget& widget, const Label& frame, const TwipsRect& place, Growth growth);

  // The widgets added beside the designed controls.
  const DatabaseTools& Tools() const { return tools_; }
  const PlotButtons& PlotLaunchers() const { return plot_buttons_; }
  const WindowAdditions& Additions() const { return additions_; }

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

  // The widget bound to a control.
  QWidget& WidgetOf(const Control& control) const;
  void AddDesignedToolTips();

  MainWindowModel& model_;
  std::vector<Binding> bindings_;
  std::map<const Control*, QWidget*> widgets_;
  GrowingLayout* layout_;
  DatabaseTools tools_;
  PlotButtons plot_buttons_;
  WindowAdditions additions_;
};

}  // namespace tabulon::gui
