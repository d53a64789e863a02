// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "app/qt/report_link.h"
#include "app/qt/species_filter_bar.h"

#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

using WindowGrowthTest = WindowTest;

// The frames and every widget placed in one of them.
std::vector<QWidget*> PlacedWidgets(QWidget& window) {
  std::vector<QWidget*> placed;
  for (QWidget* frame : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!frame->objectName().startsWith("Frm")) continue;
    placed.push_back(frame);
    for (QWidget* widget : frame->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      placed.push_back(widget);
    }
  }
  return placed;
}

std::string NameOf(const QWidget* widget) {
  return widget->objectName().toStdString();
}

TEST_F(WindowGrowthTest, TheDesignedSizeIsTheSmallestAndTheListsTakeTheGrowth) {
  const QSize designed = view->size();
  EXPECT_EQ(view->minimumSize(), designed);
  std::map<std::string, QRect> at_design;
  for (QWidget* widget : PlacedWidgets(*view)) at_design[NameOf(widget)] = widget->geometry();

  view->resize(2 * designed);
  for (const char* name : {"LOS1", "LOS2", "LOS3", "LOS4", "LOS5"}) {
    const QRect before = at_design.at(name);
    const QRect after = Find(name)->geometry();
    EXPECT_GT(after.height(), 3 * before.height()) << name;
    EXPECT_GT(after.width(), before.width() * 5 / 4) << name;
  }
  // The three comparison lists share the width evenly.
  EXPECT_EQ(Find("LOS3")->width(), Find("LOS4")->width());
  EXPECT_EQ(Find("LOS4")->width(), Find("LOS5")->width());
  // What stood at a frame's top stays there; what stood at its bottom or right edge follows.
  EXPECT_EQ(Find("Lbl3")->pos(), at_design.at("Lbl3").topLeft());
  EXPECT_EQ(Find("CMD1")->y(), at_design.at("CMD1").y());
  EXPECT_EQ(Find("Frm1")->height() - Find("TXT1S")->geometry().bottom(),
            at_design.at("Frm1").height() - at_design.at("TXT1S").bottom());
  EXPECT_EQ(Find("Frm3")->width() - Find("QuitCMD")->geometry().right(),
            at_design.at("Frm3").width() - at_design.at("QuitCMD").right());

  // Back at the designed size, everything is where it was designed.
  view->resize(designed);
  for (QWidget* widget : PlacedWidgets(*view)) {
    EXPECT_EQ(widget->geometry(), at_design.at(NameOf(widget))) << NameOf(widget);
  }
}

TEST_F(WindowGrowthTest, AtAnySizeNothingLeavesItsFrameOrRunsIntoAnother) {
  const QSize designed = view->size();
  std::vector<QWidget*> placed = PlacedWidgets(*view);
  // Pairs of widgets that share a parent and stand clear of each other at the designed size.
  std::vector<std::pair<QWidget*, QWidget*>> apart;
  for (QWidget* a : placed) {
    for (QWidget* b : placed) {
      if (a < b && a->parentWidget() == b->parentWidget() &&
          !a->geometry().intersects(b->geometry())) {
        apart.emplace_back(a, b);
      }
    }
  }
  ASSERT_GT(apart.size(), 1000u);

  for (const QSize size : {designed + QSize(1, 1), QSize(designed.width() * 2, designed.height()),
                           QSize(designed.width(), designed.height() * 2), designed * 2,
                           designed * 3, QSize(designed.width() + 37, designed.height() + 413)}) {
    view->resize(size);
    ASSERT_EQ(view->size(), size);
    for (QWidget* widget : placed) {
      const QRect room = widget->parentWidget()->rect();
      EXPECT_TRUE(room.contains(widget->geometry()))
          << NameOf(widget) << " at " << size.width() << "x" << size.height();
    }
    for (const auto& [a, b] : apart) {
      EXPECT_FALSE(a->geometry().intersects(b->geometry()))
          << NameOf(a) << " and " << NameOf(b) << " at " << size.width() << "x" << size.height();
    }
  }

  // Smaller than designed is refused: nothing is ever squeezed.
  view->resize(designed - QSize(100, 100));
  EXPECT_EQ(view->size(), designed);
}

TEST_F(WindowGrowthTest, AddedWidgetsStayBesideTheControlsTheyBelongWith) {
  const MainWindow& w = *view;
  const struct {
    QWidget* added;
    QWidget* beside;
  } cases[] = {
      {&w.Tools().Check(Db::One), &w.LabelOf(model.Lbl8)},  // the limits, at the right edge
      {&w.Tools().Check(Db::Two), &w.LabelOf(model.Lbl9)},
      {w.Tools().differences, &w.ButtonOf(model.QuitCMD)},  // the bottom right corner
      {&w.PlotLaunchers().Plot(PlotSource::Db1), &w.TextBoxOf(model.TXT1CP)},
      {&w.PlotLaunchers().Table(PlotSource::Db2), &w.TextBoxOf(model.TXT2CP)},
      {&w.PlotLaunchers().Plot(PlotSource::Common), &w.ButtonOf(model.CMD3)},
      {w.Additions().report_link, &w.ButtonOf(model.CMD3)},
      {&w.Additions().Recent(Db::One), &w.ButtonOf(model.CMD1)},
      {&w.Additions().Filter(Db::Two), &w.LabelOf(model.List2Nbr)},
  };
  std::vector<QPoint> designed_offsets;
  for (const auto& c : cases) designed_offsets.push_back(c.added->pos() - c.beside->pos());
  for (const QSize size : {view->size() * 2, view->size() + QSize(37, 413)}) {
    view->resize(size);
    for (std::size_t k = 0; k < std::size(cases); ++k) {
      EXPECT_EQ(cases[k].added->pos() - cases[k].beside->pos(), designed_offsets[k])
          << NameOf(cases[k].added) << " at " << size.width() << "x" << size.height();
    }
  }
  EXPECT_EQ(designed_offsets.size(), 9u);
}

}  // namespace
}  // namespace tabulon::gui::testing
