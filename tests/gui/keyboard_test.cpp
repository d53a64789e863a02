// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, ReturnAndEnterClickTheFocusedButton) {
  int compares = 0;
  model.CMD3.OnClick([&] { ++compares; });
  auto* button = Find<QPushButton>("CMD3");
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Return);
  QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(compares, 3);
  // With a modifier, Return is no click.
  QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(compares, 3);
}

TEST_F(KeyboardTest, TabbingIntoAListKeepsItsSelection) {
  int clicks = 0;
  for (ListBox* list : {&model.LOS1, &model.LOS3}) {
    list->OnClick([&] { ++clicks; });
    for (const char* name : {"CH4", "AR", "N2"}) list->AddItem(name);
  }
  model.LOS3.SelectByName("N2");
  clicks = 0;
  view->Refresh();

  // Into a list with nothing selected, from the control before it in tab order.
  Find("PropTxt(0)")->setFocus();
  QTest::keyClick(Find("PropTxt(0)"), Qt::Key_Tab);
  ASSERT_TRUE(Find<QLineEdit>("LOS1Filter")->hasFocus()) << "the filter comes before its list";
  QTest::keyClick(Find("LOS1Filter"), Qt::Key_Tab);
  ASSERT_TRUE(Find("LOS1")->hasFocus());
  EXPECT_EQ(model.LOS1.SelectedIndex(), ListBox::kNoSelection);
  EXPECT_TRUE(Find<QListWidget>("LOS1")->selectedItems().isEmpty());

  // Into a list with a selection.
  Find("CMD3")->setFocus();
  QTest::keyClick(Find("CMD3"), Qt::Key_Tab);
  QTest::keyClick(Find("LOS5"), Qt::Key_Tab);
  QTest::keyClick(Find("LOS4"), Qt::Key_Tab);
  ASSERT_TRUE(Find("LOS3")->hasFocus());
  EXPECT_EQ(model.LOS3.SelectedText(), "N2");
  EXPECT_EQ(clicks, 0);

  // The keys still choose: Down in LOS1 chooses its first row.
  QTest::keyClick(Find("LOS1"), Qt::Key_Down);
  EXPECT_EQ(model.LOS1.SelectedText(), "AR");
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tabulon::gui::testing
