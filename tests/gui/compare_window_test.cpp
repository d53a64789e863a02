// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "tests/compare_fixture.h"
#include "tests/gui/gui_fixture.h"
#include "tests/test_support.h"

namespace tabulon::gui::testing {
namespace {

using CompareWindowTest = WindowTest;
using tabulon::testing::DatabaseText;
using tabulon::testing::GasFields;
using tabulon::testing::GasRecord;
using tabulon::testing::ReadBytes;
using tabulon::testing::TempDir;

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
  return items;
}

TEST_F(CompareWindowTest, CompareButtonFillsTheListsAndWritesTheReport) {
  TempDir dir;
  std::vector<std::string> ch4 = GasFields();
  ch4[2] = "1.0E-06";
  platform.file_answers.push_back(dir.Write(
      "db1.dat", DatabaseText({GasRecord("AR"), GasRecord("CH4", ch4), GasRecord("NE")})));
  platform.file_answers.push_back(
      dir.Write("db2.dat", DatabaseText({GasRecord("AR"), GasRecord("CH4"), GasRecord("HE")})));
  QTest::mouseClick(Find<QPushButton>("CMD1"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("CMD2"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>("CMD3"), Qt::LeftButton);

  EXPECT_EQ(Items(Find<QListWidget>("LOS3")), QStringList({"AR", "CH4"}));
  EXPECT_EQ(Items(Find<QListWidget>("LOS4")), QStringList({"NE"}));
  EXPECT_EQ(Items(Find<QListWidget>("LOS5")), QStringList({"HE"}));
  EXPECT_EQ(Find<QLabel>("List3Nbr")->text(), "(2)");
  EXPECT_EQ(Find<QLabel>("msglbl1")->text(), "Output copied to: Comp.txt");
  EXPECT_TRUE(Find<QPushButton>("CMD4")->isVisible());
  EXPECT_TRUE(platform.messages.empty());

  const std::string report = ReadBytes(dir.File("Comp.txt"));
  EXPECT_TRUE(
      report.ends_with("Coef // Mech1         | Mech2    \r\nAR\r\nCH4\r\n"
                       "a3 //  1.00000000E-06     |     0.00000000E+00\r\n\r\n"))
      << report;
}

}  // namespace
}  // namespace tabulon::gui::testing
