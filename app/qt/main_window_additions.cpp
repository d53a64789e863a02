// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window_additions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/qt/copy_actions.h"
#include "app/qt/enter_clicks_buttons.h"
#include "app/qt/file_drop_target.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/main_window_growth.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/merge_commands.h"
#include "app/qt/page_export.h"
#include "app/qt/recent_files_menu.h"
#include "app/qt/report_link.h"
#include "app/qt/reports_folder_button.h"
#include "app/qt/species_filter_bar.h"
#include "app/qt/tool_tip.h"

namespace tabulon::gui {

namespace {

// Moves `widget` in the focus chain to just before `next`.
void FocusBefore(QWidget& widget, QWidget& next) {
  QWidget* previous = next.previousInFocusChain();
  while (previous != &widget && !(previous->focusPolicy() & Qt::TabFocus)) {
    previous = previous->previousInFocusChain();
  }
  QWidget::setTabOrder(previous, &widget);
  QWidget::setTabOrder(&widget, &next);
}

// The filter sits in the title row of its list, right of the count, where the frame is free.
SpeciesFilterBar* AddFilter(MainWindow& window, Db db, TwipsRect place) {
  const DatabaseSide side = SideOf(window.Model(), db);
  ListBoxWidget& list = window.ListOf(side.list);
  auto* bar = new SpeciesFilterBar(list);
  window.Place(*bar, db == Db::One ? window.Model().Frm1 : window.Model().Frm2, place,
               kRightOfList);
  FocusBefore(bar->Field(), list);
  // A click in a comparison list chooses the species in both species lists.
  const MainWindowModel& model = window.Model();
  QObject::connect(&window, &MainWindow::eventHandled, bar, [&model, bar](const Control& control) {
    if (&control == &model.LOS3 || &control == &model.LOS4 || &control == &model.LOS5) {
      bar->RevealSelection();
    }
  });
  return bar;
}

// The recent files of a load button: its context menu, and a small arrow right of it.
QToolButton* AddRecentFiles(MainWindow& window, Db db, TwipsRect arrow_place) {
  MainWindowModel& model = window.Model();
  QPushButton& button = window.ButtonOf(db == Db::One ? model.CMD1 : model.CMD2);
  auto* menu = new RecentFilesMenu(window, db, &button);
  button.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&button, &QWidget::customContextMenuRequested, menu,
                   [menu, &button](QPoint at) { menu->popup(button.mapToGlobal(at)); });

  auto* arrow = new QToolButton;
  arrow->setObjectName(button.objectName() + "Recent");
  arrow->setArrowType(Qt::DownArrow);
  SetToolTip(*arrow, QObject::tr("Loads a recent file as database #%1 (also a right click on the "
                                 "load button)")
                         .arg(db == Db::One ? 1 : 2));
  arrow->setPopupMode(QToolButton::InstantPopup);
  arrow->setStyleSheet("QToolButton::menu-indicator { image: none; }");  // the arrow says it
  arrow->setMenu(menu);
  // The button's context-menu key reaches the same menu from the keyboard.
  arrow->setFocusPolicy(Qt::NoFocus);
  window.Place(*arrow, db == Db::One ? model.Frm1 : model.Frm2, arrow_place, kRightOfList);
  return arrow;
}

}  // namespace

WindowAdditions AddWindowAdditions(MainWindow& window) {
  MainWindowModel& model = window.Model();
  WindowAdditions added{
      .filter1 = AddFilter(window, Db::One, {4080, 180, 4695, 300}),
      .filter2 = AddFilter(window, Db::Two, {4200, 180, 4575, 300}),
      .recent1 = AddRecentFiles(window, Db::One, {8775, 960, 300, 375}),
      .recent2 = AddRecentFiles(window, Db::Two, {8775, 960, 300, 375}),
      .report_link = new ReportLink(window),
      .merge = new MergeCommands(window),
      .reports_folder = new ReportsFolderButton(window),
      .page_export = new PageExportButton(window),
  };
  // On the frame's top edge at its right end, as a second caption, above the lists' headings.
  window.Place(*added.reports_folder, model.Frm3, {9840, 0, 3375, 255}, kFollowsRight);
  // Left of it, in the same row.
  window.Place(*added.page_export, model.Frm3, {7920, 0, 1920, 240}, kFollowsRight);
  // In the status lines' row, right of the plot and table buttons, above About.
  window.Place(*added.report_link, model.Frm3, {10320, 1560, 1800, 300}, kFollowsBottom);
  new FileDropTarget(window);
  new EnterClicksButtons(window);
  new CopyActions(window);
  return added;
}

}  // namespace tabulon::gui
