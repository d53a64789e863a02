// SPDX-License-Identifier: GPL-3.0-or-later
// The view with names as long as a line of a file can be: a row shows the first thousand
// characters and an ellipsis, the model keeps the whole name, and clicks reach the right entry.
#include <string>

#include <QListWidget>
#include <QTest>

#include "tests/gui/gui_fixture.h"

namespace tabulon::gui::testing {
namespace {

using HostileViewTest = WindowTest;

TEST_F(HostileViewTest, AListRowShowsTheStartOfAHugeNameAndSelectsTheWholeOne) {
  const std::string huge(10 * 1024 * 1024, 'H');
  const std::string exactly_shown = "G" + std::string(999, 'x');
  std::string clicked;
  model.LOS1.OnClick([&] { clicked = model.LOS1.SelectedText(); });
  model.LOS1.AddItem(huge);
  model.LOS1.AddItem(exactly_shown);
  model.LOS1.AddItem("AR");
  view->Refresh();

  auto* list = Find<QListWidget>("LOS1");
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "AR");
  EXPECT_EQ(list->item(1)->text(), QString::fromStdString(exactly_shown));
  EXPECT_EQ(list->item(2)->text(), QString(1000, QChar('H')) + QChar(0x2026));

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(2)).center());
  EXPECT_TRUE(clicked == huge);
  // A refresh finds the rows as they are and leaves them alone.
  QListWidgetItem* row = list->item(2);
  view->Refresh();
  EXPECT_EQ(list->item(2), row);
}

}  // namespace
}  // namespace tabulon::gui::testing
