// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/widget_state.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using BindingTest = WindowTest;

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
  return items;
}

void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
}

TEST_F(BindingTest, TypingReachesTheModelAndRunsTheChangeReactionOncePerKeystroke) {
  std::vector<std::string> seen;
  model.TXT1K.OnChange([&] { seen.push_back(model.TXT1K.Text()); });
  auto* box = Find<QLineEdit>("TXT1K");

  QTest::keyClicks(box, "1000");
  QTest::keyClick(box, Qt::Key_Backspace);
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "10", "100", "1000", "100"}));
  EXPECT_EQ(box->text(), "100");

  // Typed text goes to the model as Latin-1 bytes.
  QKeyEvent e_acute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral(u"é"));
  QApplication::sendEvent(box, &e_acute);
  EXPECT_EQ(model.TXT1K.Text(), "100\xE9");

  QTest::keyClicks(Find<QLineEdit>("PropTxt(20)"), "2.5");
  EXPECT_EQ(model.PropTxt[20].Text(), "2.5");
  QTest::keyClicks(Find<QLineEdit>("PropTxt(6)"), "2.5");  // read-only
  EXPECT_EQ(model.PropTxt[6].Text(), "");
}

TEST_F(BindingTest, ModelChangesShowInTheWidgetsWithoutFeedingBack) {
  int changes = 0;
  int clicks = 0;
  model.TXT1KH.OnChange([&] { ++changes; });
  model.LOS2.OnClick([&] { ++clicks; });

  model.TXT1KH.SetText("500");
  model.LOS2.AddItem("O2");
  model.LOS2.AddItem("CH4");
  model.LOS2.AddItem("\xC4R");
  model.LOS2.SelectByName("O2");
  model.Ck2.SetChecked(true);
  model.TXT2CPBis.SetVisible(true);
  model.TXT2CPBis.SetForeColour(Colour::Red);
  model.PropTxt[3].SetBackColour(Colour::Yellow);
  model.Lbl2.SetCaption("DB2: /data/<b>therm</b>.dat");
  ASSERT_EQ(changes, 1);
  ASSERT_EQ(clicks, 1);
  view->Refresh();

  EXPECT_EQ(Find<QLineEdit>("TXT1KH")->text(), "500");
  auto* list = Find<QListWidget>("LOS2");
  EXPECT_EQ(Items(list), (QStringList{"CH4", "O2", QStringLiteral(u"ÄR")}));
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(list->item(1)->isSelected());
  EXPECT_TRUE(Find<QCheckBox>("Ck2")->isChecked());
  EXPECT_TRUE(Find("TXT2CPBis")->isVisible());
  EXPECT_EQ(Find("TXT2CPBis")->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(Find("PropTxt(3)")->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(Find<QLabel>("Lbl2")->text(), "DB2: /data/<b>therm</b>.dat");
  EXPECT_EQ(Find<QLabel>("Lbl2")->textFormat(), Qt::PlainText);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 1);

  // Taking the items away shows an empty list with no selection.
  model.LOS2.Clear();
  view->Refresh();
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(list->currentRow(), -1);
  EXPECT_EQ(clicks, 1);
}

TEST_F(BindingTest, ARefreshKeepsTheCursorOfAnUnchangedText) {
  auto* box = Find<QLineEdit>("TXT2K");
  QTest::keyClicks(box, "12345");
  box->setCursorPosition(2);
  model.Lbl1.SetCaption("DB1: therm.dat");
  view->Refresh();
  EXPECT_EQ(box->cursorPosition(), 2);

  // The box the user types in is shown again after each keystroke; its text stays as typed.
  QTest::keyClicks(box, "9");
  EXPECT_EQ(box->text(), "129345");
  EXPECT_EQ(box->cursorPosition(), 3);
}

TEST_F(BindingTest, AClickInAListRunsTheClickReactionOnceAlsoOnTheChosenRow) {
  std::vector<std::string> chosen;
  model.LOS3.OnClick([&] { chosen.push_back(model.LOS3.SelectedText()); });
  for (const char* name : {"N2", "AR", "CH4"}) model.LOS3.AddItem(name);
  view->Refresh();
  auto* list = Find<QListWidget>("LOS3");

  ClickRow(list, 1);
  ClickRow(list, 1);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    QPoint(5, list->viewport()->height() - 2));  // below the last item
  EXPECT_EQ(chosen, (std::vector<std::string>{"CH4", "CH4", "N2"}));
  EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(BindingTest, AButtonClickRunsItsReactionAndTheWindowShowsTheResult) {
  int clicks = 0;
  model.CMD3.OnClick([&] {
    ++clicks;
    model.LOS3.AddItem("N2");
    model.List3Nbr.SetCaption("(1)");
    model.msglbl1.SetCaption("Output copied to: Comp.txt");
  });
  QTest::mouseClick(Find("CMD3"), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Items(Find<QListWidget>("LOS3")), QStringList{"N2"});
  EXPECT_EQ(Find<QLabel>("List3Nbr")->text(), "(1)");
  EXPECT_EQ(Find<QLabel>("msglbl1")->text(), "Output copied to: Comp.txt");
}

TEST_F(BindingTest, ACheckBoxToggledByTheUserReachesTheModel) {
  QTest::mouseClick(Find("Ck1"), Qt::LeftButton);
  EXPECT_TRUE(model.Ck1.Checked());
  QTest::mouseClick(Find("Ck1"), Qt::LeftButton);
  EXPECT_FALSE(model.Ck1.Checked());
}

TEST_F(BindingTest, Cmd1ListsTheSpeciesOfTheChosenFile) {
  const tabulon::testing::TempDir dir;
  const std::string path = dir.Write(
      "therm.dat",
      "THERMO\r\n"
      "   300.000  1000.000  5000.000\r\n"
      "O2                      O   2          G   300.000  5000.000 1000.000    1\r\n"
      " 3.69757800E+00 6.13519700E-04-1.25884200E-07 1.77528100E-11-1.13643500E-15    2\r\n"
      "-1.23393000E+03 3.18916600E+00 3.21293600E+00 1.12748600E-03-5.75615000E-07    3\r\n"
      " 1.31387700E-09-8.76855400E-13-1.00524900E+03 6.03473800E+00                   4\r\n"
      "CH4                     C   1H   4     G   300.000  5000.000 1000.000    1\r\n"
      " 1.68347900E+00 1.02372400E-02-3.87512900E-06 6.78558500E-10-4.50342300E-14    2\r\n"
      "-1.00807900E+04 9.62339500E+00 7.78741500E-01 1.74766800E-02-2.78340900E-05    3\r\n"
      " 3.04970800E-08-1.22393100E-11-9.82522900E+03 1.37221900E+01                   4\r\n"
      "END\r\n");
  platform.file_answers.push_back(path);
  QTest::mouseClick(Find("CMD1"), Qt::LeftButton);
  EXPECT_EQ(Items(Find<QListWidget>("LOS1")), (QStringList{"CH4", "O2"}));
  EXPECT_EQ(Find<QLabel>("List1Nbr")->text(), "(2)");
  const QString caption = Find<QLabel>("Lbl1")->text();
  EXPECT_TRUE(caption.startsWith("DB1: ") && caption.endsWith("/therm.dat"))
      << caption.toStdString();

  // The nested reactions of a click and of typing all show once the event has run.
  ClickRow(Find<QListWidget>("LOS1"), 0);
  EXPECT_EQ(Find<QLineEdit>("PropTxt(0)")->text(), "1.68347900E+00");
  QTest::keyClicks(Find<QLineEdit>("TXT1K"), "1000");
  for (const TextBox* result : {&model.TXT1CP, &model.TXT1KH, &model.TXT1H, &model.TXT1S}) {
    EXPECT_FALSE(result->Text().empty()) << result->Name();
    EXPECT_EQ(Find<QLineEdit>(result->Name())->text().toStdString(), result->Text());
  }
  EXPECT_EQ(Find("TXT1CPBis")->isVisible(), model.TXT1CPBis.Visible());
}

}  // namespace
}  // namespace tabulon::gui::testing
