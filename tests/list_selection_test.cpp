// SPDX-License-Identifier: GPL-3.0-or-later
// Clicks in the comparison lists LOS3, LOS4 and LOS5.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::DatabaseText;
using testing::GasFields;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::TempDir;
using testing::TestWindow;

std::vector<std::string> Ch4Fields(const std::string& a3) {
  std::vector<std::string> fields = GasFields();
  fields[2] = a3;
  return fields;
}

// DB #1: AR, BAD (refused by the DB #1 view: low limit 0), CH4, NE.
// DB #2: AR, BAD, CH4 with another a3, HE.
struct ComparedDatabases {
  TempDir dir;
  TestWindow t;
  MainWindowModel& w = t.window;

  ComparedDatabases() {
    LoadDatabaseFile(
        t, Db::One,
        dir.Write("db1.dat",
                  DatabaseText({GasRecord("AR"), GasRecord("BAD", GasFields(), "5000.000", "0.000"),
                                GasRecord("CH4", Ch4Fields("1.0E-06")), GasRecord("NE")})));
    LoadDatabaseFile(t, Db::Two,
                     dir.Write("db2.dat", DatabaseText({GasRecord("AR"), GasRecord("BAD"),
                                                        GasRecord("CH4", Ch4Fields("2.0E-06")),
                                                        GasRecord("HE")})));
    w.CMD3.Click();
    t.platform.messages.clear();  // the report's own selection of BAD
  }

  // The indices of the coefficient boxes (0 to 27) with the highlight colour.
  std::vector<int> Yellow() const {
    std::vector<int> yellow;
    for (int i = 0; i < 28; ++i) {
      if (w.PropTxt[i].BackColour() == Colour::Yellow) yellow.push_back(i);
    }
    return yellow;
  }
};

TEST(ListSelection, CommonSpeciesShowsBothViewsAndMarksDifferingDb1Coefficients) {
  ComparedDatabases c;
  c.w.LOS3.SelectByName("AR");
  EXPECT_EQ(c.w.LOS1.SelectedText(), "AR");
  EXPECT_EQ(c.w.LOS2.SelectedText(), "AR");
  EXPECT_EQ(c.w.PropTxt[0].Text(), "2.50000000E+00");
  EXPECT_EQ(c.w.PropTxt[14].Text(), "2.50000000E+00");
  EXPECT_TRUE(c.Yellow().empty());

  c.w.LOS3.SelectByName("CH4");
  EXPECT_EQ(c.Yellow(), std::vector<int>{2});  // a3 of DB #1 only, never the DB #2 box

  // A click in LOS2 changes only the DB #2 view: the mark stays.
  c.w.LOS2.SelectByName("AR");
  EXPECT_EQ(c.Yellow(), std::vector<int>{2});
}

TEST(ListSelection, OneSidedSpeciesClearTheMarksAndLeaveTheOtherViewAlone) {
  ComparedDatabases c;
  c.w.LOS3.SelectByName("CH4");
  c.w.LOS4.SelectByName("NE");
  EXPECT_TRUE(c.Yellow().empty());
  EXPECT_EQ(c.w.LOS1.SelectedText(), "NE");
  EXPECT_EQ(c.w.LOS2.SelectedText(), "CH4");
  EXPECT_EQ(c.w.PropTxt[16].Text(), "2.00000000E-06");

  c.w.LOS3.SelectByName("CH4");
  c.w.LOS5.SelectByName("HE");
  EXPECT_TRUE(c.Yellow().empty());
  EXPECT_EQ(c.w.LOS2.SelectedText(), "HE");
  EXPECT_EQ(c.w.PropTxt[2].Text(), "1.00000000E-06");  // DB #1 still shows CH4
}

TEST(ListSelection, ARefusedCommonSpeciesMarksEveryFilledDb2Coefficient) {
  ComparedDatabases c;
  c.w.LOS3.SelectByName("BAD");
  ASSERT_EQ(c.t.platform.messages.size(), 1u);
  EXPECT_EQ(c.t.platform.messages[0].title, "Check temperature  DB #1");
  for (int i = 0; i < 14; ++i) EXPECT_EQ(c.w.PropTxt[i].Text(), "") << i;
  EXPECT_EQ(c.Yellow(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(ListSelection, ListsWithoutTheirReadyFlagShowNothing) {
  ComparedDatabases c;
  c.w.LOS3.SelectByName("CH4");
  c.w.TXT1K.SetText("300");
  c.w.THERMIMG.SetVisible(true);

  // LOS4 and LOS5 without their flags: only the image is hidden; the marks stay.
  c.w.common.Only1Ready = c.w.common.Only2Ready = false;
  c.w.LOS4.SelectByName("NE");
  c.w.LOS5.SelectByName("HE");
  EXPECT_FALSE(c.w.THERMIMG.Visible());
  EXPECT_EQ(c.w.LOS1.SelectedText(), "CH4");
  EXPECT_EQ(c.w.LOS2.SelectedText(), "CH4");
  EXPECT_EQ(c.Yellow(), std::vector<int>{2});

  // LOS3 without its flag: both views are emptied and no species is shown.
  c.w.common.CommonReady = false;
  c.w.LOS3.SelectByName("AR");
  EXPECT_EQ(c.w.LOS1.SelectedText(), "CH4");
  EXPECT_EQ(c.w.TXT1K.Text(), "");
  EXPECT_EQ(c.w.TXT1CP.Text(), "");
  for (int i = 0; i < 28; ++i) EXPECT_EQ(c.w.PropTxt[i].Text(), "") << i;
  EXPECT_EQ(c.w.Lbl8.Caption(), "");
}

}  // namespace
}  // namespace tabulon
