// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window.h"

#include <algorithm>
#include <exception>
#include <map>
#include <string_view>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/model/credits.h"
#include "app/qt/fonts.h"
#include "app/qt/frame_box.h"
#include "app/qt/latin1.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window_growth.h"
#include "app/qt/thermometer.h"
#include "app/qt/tool_tip.h"
#include "app/qt/widget_state.h"
#include "common/failure.h"
#include "common/message_text.h"

namespace tabulon::gui {

namespace {

QRect PixelRect(const TwipsRect& twips) {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

}  // namespace

MainWindow::MainWindow(MainWindowModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName("MainWindowModel");
  setWindowTitle(Latin1(credits::MainWindowTitle()));
  setWindowIcon(ThermometerIcon());
  setFont(WindowFont());
  resize(Pixels(kClientArea.width), Pixels(kClientArea.height));
  layout_ = new GrowingLayout(this);
  const std::map<const Control*, Growth> growth = MainWindowGrowth(model_);

  std::map<const Label*, QWidget*> frames;
  std::vector<std::pair<int, QWidget*>> tab_stops;
  for (const ControlPlace& place : MainWindowLayout(model_)) {
    QWidget* parent_widget = place.frame ? frames.at(place.frame) : this;
    QWidget* widget = Build(place, parent_widget);
    widget->setObjectName(QString::fromStdString(ControlOf(place.control).Name()));
    const auto rule = growth.find(&ControlOf(place.control));
    layout_->Add(widget, PixelRect(place.place), rule == growth.end() ? kStays : rule->second);
    if (const Frame* frame = std::get_if<Frame>(&place.control)) frames[frame->caption] = widget;
    if (place.tab_index != kNoTabIndex && (widget->focusPolicy() & Qt::TabFocus)) {
      tab_stops.emplace_back(place.tab_index, widget);
    }
  }
  SetTabOrder(std::move(tab_stops));
  tools_ = AddDatabaseTools(*this);
  plot_buttons_ = AddPlotButtons(*this);
  additions_ = AddWindowAdditions(*this);
  Refresh();
  // After the first refresh, which gives the buttons their captions and access keys.
  AddDesignedToolTips();
}

void MainWindow::AddDesignedToolTips() {
  MainWindowModel& m = model_;
  const std::pair<const Button*, QString> buttons[] = {
      {&m.CMD1, tr("Loads database #1 from a thermo file (right click: recent files)")},
      {&m.CMD2, tr("Loads database #2 from a thermo file (right click: recent files)")},
      {&m.CMD3, tr("Lists the species in both databases and in one only, and writes what "
                   "differs into Comp.txt beside database #1")},
      {&m.CMD4, tr("Writes Cp, H and S of every common species at the three temperatures "
                   "into Comp2.txt")},
      {&m.AboutCmd, tr("Shows who made Tabulon and where to find it")},
      {&m.QuitCMD, tr("Ends the program")},
  };
  for (const auto& [button, what] : buttons) SetToolTip(ButtonOf(*button), what);
  for (const auto& [box, db] : {std::pair{&m.Ck1, 1}, std::pair{&m.Ck2, 2}}) {
    SetToolTip(
        *static_cast<QCheckBox*>(&WidgetOf(*box)),
        tr("Shows the Hf/R field of the database #%1 species (line 4 of its record)").arg(db));
  }
}

QWidget& MainWindow::WidgetOf(const Control& control) const {
  return *widgets_.at(&control);
}

FrameBox& MainWindow::FrameOf(const Label& frame) const {
  return *static_cast<FrameBox*>(&WidgetOf(frame));
}

QLabel& MainWindow::LabelOf(const Label& label) const {
  return *static_cast<QLabel*>(&WidgetOf(label));
}

QLineEdit& MainWindow::TextBoxOf(const TextBox& box) const {
  return *static_cast<QLineEdit*>(&WidgetOf(box));
}

ListBoxWidget& MainWindow::ListOf(const ListBox& list) const {
  return *static_cast<ListBoxWidget*>(&WidgetOf(list));
}

QPushButton& MainWindow::ButtonOf(const Button& button) const {
  return *static_cast<QPushButton*>(&WidgetOf(button));
}

void MainWindow::Place(QWidget& widget, const Label& frame, const TwipsRect& place, Growth growth) {
  const bool hidden_on_purpose =
      widget.testAttribute(Qt::WA_WState_ExplicitShowHide) && widget.isHidden();
  widget.setParent(&FrameOf(frame));
  layout_->Add(&widget, PixelRect(place), growth);
  widget.setVisible(!hidden_on_purpose);
}

void MainWindow::Refresh() {
  for (Binding& binding : bindings_) {
    const std::uint64_t revision = binding.control->Revision();
    if (binding.shown_revision == revision) continue;
    const QSignalBlocker quiet(binding.widget);
    binding.show();
    binding.shown_revision = revision;
  }
}

void MainWindow::Forward(std::size_t source, const std::function<void()>& event) {
  try {
    event();
  } catch (const Failure& failure) {
    // A failure that escapes its reaction ends it silently, as every unreported failure does.
    model_.platform.NoteSilentFailure(bindings_[source].control->Name(), failure);
  } catch (const std::exception& error) {
    // Anything else (memory exhausted, a fault of the program) ends this reaction only: the
    // user is told and the window stays, with what the reaction wrote before.
    ShowUnexpectedError(error.what());
  } catch (...) {
    ShowUnexpectedError("unknown error");
  }
  bindings_[source].shown_revision.reset();
  Refresh();
  emit eventHandled(*bindings_[source].control);
}

void MainWindow::RunAs(const Control& control, const std::function<void()>& entry) {
  const auto binding = std::ranges::find(bindings_, &control, &Binding::control);
  Forward(static_cast<std::size_t>(binding - bindings_.begin()), entry);
}

void MainWindow::ShowUnexpectedError(std::string_view what) {
  try {
    model_.platform.ShowMessage(
        {ErrorMessageText("", {"This action stopped on an unexpected error:", what},
                          model_.common.NewLine),
         "TABULON", MessageIcon::Error});
  } catch (...) {
    // Not even the message could be shown; the window still stays.
  }
}

std::size_t MainWindow::Bind(const Control& control, QWidget* widget, std::function<void()> show) {
  bindings_.push_back({&control, widget, std::move(show), std::nullopt});
  widgets_[&control] = widget;
  return bindings_.size() - 1;
}

QWidget* MainWindow::Build(const ControlPlace& place, QWidget* parent) {
  return std::visit(
      [&](auto control) -> QWidget* {
        using Kind = decltype(control);
        if constexpr (std::is_same_v<Kind, Frame>) {
          return BuildFrame(*control.caption, parent);
        } else if constexpr (std::is_same_v<Kind, Label*>) {
          return BuildLabel(*control, place.style, parent);
        } else if constexpr (std::is_same_v<Kind, TextBox*>) {
          return BuildTextBox(*control, place.style, parent);
        } else if constexpr (std::is_same_v<Kind, ListBox*>) {
          return BuildListBox(*control, parent);
        } else if constexpr (std::is_same_v<Kind, Button*>) {
          return BuildButton(*control, parent);
        } else if constexpr (std::is_same_v<Kind, CheckBox*>) {
          return BuildCheckBox(*control, parent);
        } else {
          static_assert(std::is_same_v<Kind, Image*>);
          return BuildImage(*control, parent);
        }
      },
      place.control);
}

QWidget* MainWindow::BuildFrame(Label& frame, QWidget* parent) {
  auto* widget = new FrameBox(parent);
  Bind(frame, widget, [widget, &frame] { ShowFrame(*widget, frame); });
  return widget;
}

QWidget* MainWindow::BuildLabel(Label& label, const Style& style, QWidget* parent) {
  auto* widget = new QLabel(parent);
  // Captions are shown as they are: never as rich text, and "&" is no access key.
  widget->setTextFormat(Qt::PlainText);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const bool symbol_font = style.symbol_font;
  Bind(label, widget, [widget, &label, symbol_font] { ShowLabel(*widget, label, symbol_font); });
  return widget;
}

QWidget* MainWindow::BuildTextBox(TextBox& box, const Style& style, QWidget* parent) {
  auto* widget = new QLineEdit(parent);
  widget->setAlignment(Qt::AlignCenter);
  widget->setReadOnly(style.read_only);
  widget->setEnabled(!style.disabled);
  const std::size_t binding = Bind(box, widget, [widget, &box] { ShowTextBox(*widget, box); });
  // textEdited fires for the user's edits only, never for the text the view sets.
  connect(widget, &QLineEdit::textEdited, this, [this, binding, &box](const QString& text) {
    Forward(binding, [&box, &text] { box.SetText(Bytes(text)); });
  });
  return widget;
}

QWidget* MainWindow::BuildListBox(ListBox& list, QWidget* parent) {
  auto* widget = new ListBoxWidget(parent);
  const std::size_t binding = Bind(list, widget, [widget, &list] { ShowListBox(*widget, list); });
  connect(widget, &ListBoxWidget::rowChosen, this, [this, binding, &list](int row) {
    Forward(binding, [&list, row] { list.ClickAt(row); });
  });
  return widget;
}

QWidget* MainWindow::BuildButton(Button& button, QWidget* parent) {
  auto* widget = new QPushButton(parent);
  widget->setFont(CommandButtonFont());
  const std::size_t binding =
      Bind(button, widget, [widget, &button] { ShowButton(*widget, button); });
  connect(widget, &QPushButton::clicked, this,
          [this, binding, &button] { Forward(binding, [&button] { button.Click(); }); });
  return widget;
}

QWidget* MainWindow::BuildCheckBox(CheckBox& check, QWidget* parent) {
  auto* widget = new QCheckBox(parent);
  const std::size_t binding =
      Bind(check, widget, [widget, &check] { ShowCheckBox(*widget, check); });
  // clicked fires for the user's toggles only.
  connect(widget, &QCheckBox::clicked, this, [this, binding, &check](bool checked) {
    Forward(binding, [&check, checked] { check.SetChecked(checked); });
  });
  return widget;
}

QWidget* MainWindow::BuildImage(Image& image, QWidget* parent) {
  auto* widget = new QLabel(parent);
  widget->setPixmap(ThermometerPicture(qApp->devicePixelRatio()));
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Bind(image, widget, [widget, &image] { ShowVisibility(*widget, image); });
  return widget;
}

void MainWindow::SetTabOrder(std::vector<std::pair<int, QWidget*>> widgets_by_tab_index) {
  std::sort(widgets_by_tab_index.begin(), widgets_by_tab_index.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < widgets_by_tab_index.size(); ++i) {
    setTabOrder(widgets_by_tab_index[i - 1].second, widgets_by_tab_index[i].second);
  }
  // As at the window's start, the first control in tab order has the focus.
  if (!widgets_by_tab_index.empty()) widgets_by_tab_index.front().second->setFocus();
}

}  // namespace tabulon::gui
