// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_window_additions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "app/qt/copy_actions.h"
#include "app/qt/enter_clicks_buttons.h"
#include "app/qt/file_drop_target.h"
#include "app/qt/growing_layout.h"
#include "app/qt/list_box_widget.h"
#include "app/qt/main_window.h"
#include "app/qt/main_window_growth.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/recent_files_menu.h"
#include "app/qt/report_link.h"
#include "app/qt/species_filter_bar.h"

namespace tabulon::gui {

namespace {

QRect PixelRect(const TwipsRect& twips) {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

template <typename WidgetType = QWidget>
WidgetType& Named(MainWindow& window, const char* name) {
  return *window.findChild<WidgetType*>(name);
}

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
void AddFilter(MainWindow& window, GrowingLayout& layout, const char* frame, const char* list,
               TwipsRect place) {
  auto& list_widget = Named<ListBoxWidget>(window, list);
  auto* bar = new SpeciesFilterBar(list_widget, &Named(window, frame));
  layout.Add(bar, PixelRect(place), {.move_x = kSpeciesListWidthShare});
  FocusBefore(bar->Field(), list_widget);
}

// The recent files of a load button: its context menu, and a small arrow right of it.
void AddRecentFiles(MainWindow& window, GrowingLayout& layout, Db db, TwipsRect arrow_place) {
  auto& button = Named<QPushButton>(window, db == Db::One ? "CMD1" : "CMD2");
  auto* menu = new RecentFilesMenu(window, db, &button);
  button.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&button, &QWidget::customContextMenuRequested, menu,
                   [menu, &button](QPoint at) { menu->popup(button.mapToGlobal(at)); });

  auto* arrow = new QToolButton(button.parentWidget());
  arrow->setObjectName(button.objectName() + "Recent");
  arrow->setArrowType(Qt::DownArrow);
  arrow->setToolTip(QObject::tr("Recent files"));
  arrow->setPopupMode(QToolButton::InstantPopup);
  arrow->setStyleSheet("QToolButton::menu-indicator { image: none; }");  // the arrow says it
  arrow->setMenu(menu);
  // The button's context-menu key reaches the same menu from the keyboard.
  arrow->setFocusPolicy(Qt::NoFocus);
  layout.Add(arrow, PixelRect(arrow_place), {.move_x = kSpeciesListWidthShare});
}

}  // namespace

void AddWindowAdditions(MainWindow& window, GrowingLayout& layout) {
  AddFilter(window, layout, "Frm1", "LOS1", {4080, 180, 4695, 300});
  AddFilter(window, layout, "Frm2", "LOS2", {4200, 180, 4575, 300});
  AddRecentFiles(window, layout, Db::One, {8775, 960, 300, 375});
  AddRecentFiles(window, layout, Db::Two, {8775, 960, 300, 375});
  // In the status lines' row, right of the plot and table buttons, above About.
  auto* link = new ReportLink(window, &Named(window, "Frm3"));
  layout.Add(link, PixelRect({10320, 1560, 1800, 300}), kFollowsBottom);
  new FileDropTarget(window);
  new EnterClicksButtons(window);
  new CopyActions(window);
}

}  // namespace tabulon::gui
