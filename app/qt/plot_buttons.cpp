// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/plot_buttons.h"

#include <functional>

#include <QEvent>
#include <QPushButton>

#include "app/qt/fonts.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {
namespace {

// Places of the buttons in their frames, in twips like the rest of the window: in the free
// space right of the result boxes, and between the thermometer and the About button. They move
// down with the frame's bottom, as the result boxes and the Compare button beside them do.
constexpr TwipsRect kPlotButtonInSideFrame{5280, 2520, 1335, 375};
constexpr TwipsRect kTableButtonInSideFrame{6720, 2520, 1335, 375};
constexpr TwipsRect kPlotButtonInCompareFrame{8280, 1560, 915, 375};
constexpr TwipsRect kTableButtonInCompareFrame{9240, 1560, 915, 375};

// Runs `action` on each double click in a widget. The list view's own double-click signal is
// not used: the press before it runs the click reaction, whose refresh of the list makes Qt
// forget the pressed row.
class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) action_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

QPushButton* AddButton(MainWindow& window, const Label& frame, const QString& name,
                       const QString& text, const QString& what, const TwipsRect& place,
                       std::function<void()> action) {
  auto* button = new QPushButton(text);
  button->setObjectName(name);
  SetToolTip(*button, what);
  button->setFont(CommandButtonFont());    // as the window's own buttons
  button->setFocusPolicy(Qt::ClickFocus);  // keeps the window's tab order as it is
  QObject::connect(button, &QPushButton::clicked, &window, std::move(action));
  window.Place(*button, frame, place, kFollowsBottom);
  return button;
}

}  // namespace

PlotButtons AddPlotButtons(MainWindow& window) {
  MainWindowModel& model = window.Model();
  struct FrameButtons {
    const Label& frame;
    PlotSource source;
    const char* suffix;
    QString species;  // which species, of which databases
    TwipsRect plot, table;
  };
  const FrameButtons frames[] = {
      {model.Frm1, PlotSource::Db1, "1", QObject::tr("the species selected in database #1"),
       kPlotButtonInSideFrame, kTableButtonInSideFrame},
      {model.Frm2, PlotSource::Db2, "2", QObject::tr("the species selected in database #2"),
       kPlotButtonInSideFrame, kTableButtonInSideFrame},
      {model.Frm3, PlotSource::Common, "3",
       QObject::tr("the common species selected, from both databases"), kPlotButtonInCompareFrame,
       kTableButtonInCompareFrame},
  };
  PlotButtons buttons;
  QWidget* owner = &window;
  for (const FrameButtons& f : frames) {
    const PlotSource source = f.source;
    const int k = static_cast<int>(source);
    buttons.plot[k] = AddButton(
        window, f.frame, QStringLiteral("PlotCmd") + f.suffix, QStringLiteral("Plot"),
        QObject::tr("Plots Cp, H, S and G of %1").arg(f.species), f.plot,
        [owner, &model, source] { OpenPlotWindow(owner, SelectedSpecies(model, source)); });
    buttons.table[k] = AddButton(
        window, f.frame, QStringLiteral("TableCmd") + f.suffix, QStringLiteral("Table"),
        QObject::tr("Tabulates Cp, H, S and G of %1").arg(f.species), f.table,
        [owner, &model, source] { OpenTableWindow(owner, SelectedSpecies(model, source)); });
  }
  for (const ListBox* list : {&model.LOS1, &model.LOS2, &model.LOS3, &model.LOS4, &model.LOS5}) {
    ListBoxWidget& widget = window.ListOf(*list);
    widget.viewport()->installEventFilter(new DoubleClickFilter(
        &widget, [owner, &model, list] { OpenPlotWindow(owner, SelectedInList(model, *list)); }));
  }
  return buttons;
}

}  // namespace tabulon::gui
