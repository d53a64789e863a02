// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile files and texts through the window model: files that change or vanish after loading,
// records cut short, and texts of ten megabytes. Nothing crashes, no stale data is shown under
// a new name, and database files keep their bytes.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/compare_databases.h"
#include "common/failure.h"
#include "compare_fixture.h"
#include "hostile_support.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::DatabaseText;
using testing::GasFields;
using testing::GasRecord;
using testing::kTenMegabytes;
using testing::LoadDatabaseFile;
using testing::NumberedSpecies;
using testing::ReadBytes;
using testing::TempDir;
using testing::TestWindow;
using testing::UnchangedFiles;

const std::string kShownA1 = "2.50000000E+00";

bool DetailViewEmpty(const TestWindow& t) {
  const MainWindowModel& w = t.window;
  return w.Lbl8.Caption().empty() && w.common.T1Low.empty() && w.PropTxt[0].Text().empty() &&
         w.PropTxt[13].Text().empty() && w.TXT1CP.Text().empty();
}

// What can become of a database file between its load and a click in its list.
struct FileChange {
  const char* what;
  void (*change)(const TempDir& dir, const std::string& db);
  std::string a1;  // what PropTxt(0) then shows for AR; empty: the view shows nothing
  bool ne_shown;   // whether the file still shows NE (it stands before AR)
};

const FileChange kChanges[] = {
    {"deleted", [](const TempDir&, const std::string& db) { fs::remove(db); }, "", false},
    {"replaced by a directory",
     [](const TempDir&, const std::string& db) {
       fs::remove(db);
       fs::create_directory(db);
     },
     "", false},
    {"rewritten without AR",
     [](const TempDir& dir, const std::string&) {
       dir.Write("db.dat", DatabaseText({GasRecord("NE"), GasRecord("XE")}));
     },
     "", true},
    {"rewritten with other coefficients",
     [](const TempDir& dir, const std::string&) {
       dir.Write("db.dat", DatabaseText({GasRecord("NE"), GasRecord("AR", GasFields("3.5"))}));
     },
     "3.50000000E+00", true},
    {"cut inside AR's record",
     [](const TempDir& dir, const std::string& db) {
       const std::string bytes = ReadBytes(db);
       dir.Write("db.dat", bytes.substr(0, bytes.find("AR ") + 200));
     },
     "", true},
    {"grown past 1 GiB",
     [](const TempDir&, const std::string& db) {
       fs::resize_file(db, (std::uintmax_t{1} << 30) + 1);
     },
     "", false},
    {"emptied", [](const TempDir& dir, const std::string&) { dir.Write("db.dat", ""); }, "", false},
};

TEST(HostileWindow, ASelectionShowsTheFileAsItIsNowOrNothing) {
  for (const FileChange& c : kChanges) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string db = dir.Write("db.dat", DatabaseText({GasRecord("NE"), GasRecord("AR")}));
    TestWindow t;
    LoadDatabaseFile(t, Db::One, db);
    t.window.LOS1.SelectByName("NE");  // the finder has indexed the file as it was
    ASSERT_EQ(t.window.PropTxt[0].Text(), kShownA1);
    t.window.TXT1K.SetText("300");

    c.change(dir, db);
    t.window.LOS1.SelectByName("AR");
    EXPECT_TRUE(t.platform.messages.empty());
    if (c.a1.empty()) {
      EXPECT_TRUE(DetailViewEmpty(t));
    } else {
      EXPECT_EQ(t.window.PropTxt[0].Text(), c.a1);
      EXPECT_EQ(t.window.Lbl8.Caption(), " 200    5000    1000");
    }
    // The temperature field computes from what is shown, or from nothing.
    t.window.TXT1K.SetText("300");
    EXPECT_EQ(t.window.TXT1CP.Text().empty(), c.a1.empty());
  }
}

// Both species are common, so no record of DB #1's file is needed whole: a species that the
// file no longer shows is compared with DB #1's boxes empty, and the report is whole.
TEST(HostileWindow, AComparisonOfFilesThatChangedReportsTheFilesAsTheyAreNow) {
  const std::string empty_a1 = "a1 //      |      2.50000000E+00\r\n\r\n";
  for (const FileChange& c : kChanges) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    const std::string db = dir.Write("db.dat", DatabaseText({GasRecord("NE"), GasRecord("AR")}));
    const std::string db2 = dir.Write("db2.dat", DatabaseText({GasRecord("NE"), GasRecord("AR")}));
    TestWindow t;
    LoadDatabaseFile(t, Db::One, db);
    LoadDatabaseFile(t, Db::Two, db2);
    c.change(dir, db);
    const UnchangedFiles second({db2});
    t.window.CMD3.Click();
    EXPECT_TRUE(t.platform.messages.empty());
    EXPECT_TRUE(second.Unchanged());
    EXPECT_EQ(t.window.msglbl1.Caption(), "Output copied to: Comp.txt");
    EXPECT_TRUE(t.window.CMD4.Visible());

    const std::string report = ReadBytes(dir.File("Comp.txt"));
    const std::size_t ar = report.find("Coef // Mech1         | Mech2    \r\nAR\r\n");
    ASSERT_NE(ar, std::string::npos) << report;
    const std::string blocks = report.substr(report.find("AR\r\n", ar));
    const std::string ar_a1 =
        c.a1.empty() ? empty_a1 : "a1 //  " + c.a1 + "     |      2.50000000E+00\r\n\r\n";
    EXPECT_TRUE(blocks.starts_with("AR\r\n" + ar_a1)) << blocks;
    const std::string ne = blocks.substr(blocks.find("NE\r\n"));
    EXPECT_EQ(ne == "NE\r\n", c.ne_shown) << ne;
    if (!c.ne_shown) {
      EXPECT_TRUE(ne.starts_with("NE\r\n" + empty_a1)) << ne;
    }
  }
}

TEST(HostileWindow, ARecordCutAtTheEndOfTheFileFailsTheLoad) {
  const std::string ar = GasRecord("AR");
  for (int lines = 1; lines <= 3; ++lines) {
    SCOPED_TRACE(std::to_string(lines) + " line(s) of AR, then the end of the file");
    std::string cut = "THERMO\r\n" + GasRecord("NE");
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i) end = ar.find("\r\n", end) + 2;
    cut += ar.substr(0, end);
    TempDir dir;
    const std::string db = dir.Write("cut.dat", cut);
    const UnchangedFiles files({db});
    TestWindow t;
    LoadDatabaseFile(t, Db::One, db);
    // No end line: the load fails and lists nothing.
    EXPECT_EQ(t.window.List1Nbr.Caption(), "(0)");
    EXPECT_TRUE(t.window.LOS1.Items().empty());
    // The only message is the load's, which says where the file ends: the header, NE's four
    // lines, then the lines of AR.
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Load Thermodynamic DataBase # 1");
    EXPECT_TRUE(t.platform.messages[0].text.ends_with(
        "\r\nIt ends at line " + std::to_string(5 + lines) + " without an END line."))
        << t.platform.messages[0].text;
    EXPECT_TRUE(files.Unchanged());
  }
}

TEST(HostileWindow, TenMegabyteTextsAreReadLikeShortOnes) {
  TempDir dir;
  // A record line 1 of 10 MB: a long run of blanks between the name and the temperatures.
  const std::string record = GasRecord("AR");
  const std::string wide =
      "AR" + std::string(kTenMegabytes, ' ') + record.substr(record.find("200.000"));
  const std::string db = dir.Write("wide.dat", DatabaseText({wide}));
  const UnchangedFiles files({db});
  TestWindow t;
  LoadDatabaseFile(t, Db::One, db);
  t.window.LOS1.SelectByName("AR");
  EXPECT_EQ(t.window.Lbl8.Caption(), " 200    5000    1000");
  EXPECT_EQ(t.window.PropTxt[0].Text(), kShownA1);

  struct Typed {
    std::string text;
    std::string cp;  // TXT1CP afterwards
  };
  const Typed typed[] = {
      {std::string(kTenMegabytes, ' ') + "300", " 4.968"},
      {"300" + std::string(kTenMegabytes, 'K'), " 4.968"},
      {"0." + std::string(kTenMegabytes, '0') + "3", ""},  // 3E-10485761 reads as 0
      // Beyond the double range: the reaction fails silently and the box keeps its text.
      {"3" + std::string(kTenMegabytes, '0'), "earlier"},
      {std::string(kTenMegabytes, '9'), "earlier"},
  };
  for (const Typed& c : typed) {
    SCOPED_TRACE(c.text.substr(0, 8) + "... gives " + c.cp);
    t.window.TXT1CP.SetText("earlier");
    t.window.TXT1K.SetText(c.text);
    EXPECT_EQ(t.window.TXT1CP.Text(), c.cp);
    if (c.cp != "earlier") {
      EXPECT_EQ(t.window.TXT1KS.Text(), c.text);  // passed on to S
    }
  }
  EXPECT_TRUE(files.Unchanged());
}

TEST(HostileWindow, AListOf32767SpeciesIsSelectedAndComparedAsAShortOne) {
  TempDir dir;
  const std::string full = dir.Write("full.dat", testing::NumberedRecords(32767));
  const std::string one = dir.Write("one.dat", DatabaseText({GasRecord("S32766")}));
  const UnchangedFiles files({full, one});
  TestWindow t;
  LoadDatabaseFile(t, Db::One, full);
  LoadDatabaseFile(t, Db::Two, one);
  ASSERT_EQ(t.window.List1Nbr.Caption(), "(32767)");
  t.window.LOS1.SelectByName("S32765");
  EXPECT_EQ(t.window.LOS1.SelectedIndex(), 32765);
  EXPECT_EQ(t.window.PropTxt[0].Text(), kShownA1);

  t.window.CMD3.Click();
  EXPECT_EQ(t.window.List3Nbr.Caption(), "(1)");
  EXPECT_EQ(t.window.List4Nbr.Caption(), "(32766)");
  EXPECT_EQ(t.window.msglbl1.Caption(), "Output copied to: Comp.txt");
  const std::string comp = ReadBytes(dir.File("Comp.txt"));
  EXPECT_EQ(std::count(comp.begin(), comp.end(), '\n'), 4 * 32766 + 23);
  t.window.CMD4.Click();
  EXPECT_EQ(t.window.msglbl2.Caption(), "Output copied to: Comp2.txt");
  EXPECT_TRUE(t.platform.messages.empty());
  EXPECT_TRUE(files.Unchanged());
}

}  // namespace
}  // namespace tabulon
