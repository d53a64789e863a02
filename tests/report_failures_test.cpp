// SPDX-License-Identifier: GPL-3.0-or-later
// How Compare and Compare Common Species end in the window when their run cannot finish,
// whatever the failure: the message, the status line, the thermometer and what stays in the
// report.
#include <array>
#include <filesystem>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/compare_databases.h"
#include "app/model/property_report.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::DatabaseText;
using testing::DiskFull;
using testing::GasFields;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::NoWritePermission;
using testing::ReadBytes;
using testing::ReportLines;
using testing::TempDir;
using testing::TestWindow;

// Two databases loaded: AR and HOT in common, NE only in DB #1, HE only in DB #2.
struct Comparison {
  TempDir dir;
  TestWindow t;
  std::string db1, db2;
  std::unique_ptr<NoWritePermission> no_write;
  std::unique_ptr<DiskFull> disk_full;

  Comparison(const std::vector<std::string>& hot1, const std::vector<std::string>& hot2) {
    db1 = dir.Write("db1.dat",
                    DatabaseText({GasRecord("AR"), GasRecord("HOT", hot1), GasRecord("NE")}));
    db2 = dir.Write("db2.dat",
                    DatabaseText({GasRecord("AR"), GasRecord("HE"), GasRecord("HOT", hot2)}));
    LoadDatabaseFile(t, Db::One, db1);
    LoadDatabaseFile(t, Db::Two, db2);
  }
};

void CutHeAfterItsSecondLine(Comparison& s) {
  const std::string text = ReadBytes(s.db2);
  const std::size_t line2 = text.find("\r\n", text.find("HE ")) + 2;
  s.dir.Write("db2.dat", text.substr(0, text.find("\r\n", line2) + 2));
}

struct Failing {
  const char* what;
  bool property_report;  // CMD4, after a Compare that went through; otherwise CMD3
  std::array<const char*, 3> temps;
  void (*spoil)(Comparison&);
  const char* description;  // the message's first line
  const char* reason;       // its last line, after "<report's path>: "; <db1>, <db2> stand
                            // for the databases' paths
  const char* last_line;    // the last line left in the report; null: no report
  bool refused;  // the report's own file was refused: the message says how to choose another
                 // folder
  const char* hot_a1 = "2.50000000E+00";  // HOT's a1 field in DB #1 (DB #2's is 2.5)
};

constexpr bool kRefused = true;
const std::string kHint =
    "To write the reports elsewhere, choose a folder with \"Reports folder\" at the top right of "
    "the comparison frame.";

Failing Compare(const char* what, void (*spoil)(Comparison&), const char* description,
                const char* reason, const char* last_line, bool refused = false,
                const char* hot_a1 = "2.50000000E+00") {
  return {what, false, {}, spoil, description, reason, last_line, refused, hot_a1};
}
Failing PropertyReport(const char* what, std::array<const char*, 3> temps,
                       void (*spoil)(Comparison&), const char* description, const char* reason,
                       const char* last_line, bool refused = false) {
  return {what, true, temps, spoil, description, reason, last_line, refused};
}

const std::array<const char*, 3> kTemps = {"300", "1000", "2000"};
const char* const kTildes = "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";

void DiskIsFull(Comparison& s) {
  s.disk_full = std::make_unique<DiskFull>();
}

const Failing kFailing[] = {
    Compare(
        "DB #1's file removed after loading", [](Comparison& s) { fs::remove(s.db1); },
        "File failure", "the database <db1> cannot be read", kTildes),
    Compare("a one-sided DB #2 record cut after its second line", CutHeAfterItsSecondLine,
            "File failure", "the record of HE in <db2> ends before its fourth line", kTildes),
    Compare(
        "a folder named Comp.txt",
        [](Comparison& s) { fs::create_directory(s.dir.File("Comp.txt")); }, "File failure",
        "Is a directory", nullptr, kRefused),
    Compare(
        "the folder removed after loading", [](Comparison& s) { fs::remove_all(s.dir.Path()); },
        "File failure", "No such file or directory", nullptr, kRefused),
    Compare(
        "a read-only folder",
        [](Comparison& s) {
          s.no_write = std::make_unique<NoWritePermission>(s.dir.Path().string());
        },
        "File failure", "Permission denied", nullptr, kRefused),
    Compare("a full disk", DiskIsFull, "File failure", "No space left on device", nullptr,
            kRefused),
    Compare("a differing coefficient beyond the double range", nullptr, "Overflow",
            "Overflow (number beyond the double range)", "HOT", false, "1E+400"),
    PropertyReport(
        "a folder named Comp2.txt", kTemps,
        [](Comparison& s) { fs::create_directory(s.dir.File("Comp2.txt")); }, "File failure",
        "Is a directory", nullptr, kRefused),
    PropertyReport(
        "a read-only Comp2.txt", kTemps,
        [](Comparison& s) {
          s.dir.Write("Comp2.txt", "an earlier report\r\n");
          s.no_write = std::make_unique<NoWritePermission>(s.dir.File("Comp2.txt"));
        },
        "File failure", "Permission denied", "an earlier report", kRefused),
    PropertyReport("a full disk for Comp2.txt", kTemps, DiskIsFull, "File failure",
                   "No space left on device", nullptr, kRefused),
    PropertyReport("a first temperature beyond the double range", {"1e400", "300", "300"}, nullptr,
                   "Overflow", "Overflow (number beyond the double range)", nullptr),
    PropertyReport("a second temperature beyond the double range", {"300", "1e400", "300"}, nullptr,
                   "Overflow", "Overflow (number beyond the double range)", " "),
};

TEST(ReportFailures, ARunThatEndsEarlySaysWhyAndThatItsReportIsIncomplete) {
  for (const Failing& c : kFailing) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> hot1 = GasFields();
    hot1[0] = c.hot_a1;
    Comparison s(hot1, GasFields());
    MainWindowModel& w = s.t.window;
    if (c.property_report) {
      w.CMD3.Click();
      ASSERT_TRUE(w.CMD4.Visible());
      w.Ktxt.SetText(c.temps[0]);
      w.Ktxt2.SetText(c.temps[1]);
      w.Ktxt3.SetText(c.temps[2]);
    }
    if (c.spoil) c.spoil(s);
    const std::string file = c.property_report ? "Comp2.txt" : "Comp.txt";
    const std::string report = s.dir.File(file);
    (c.property_report ? w.CMD4 : w.CMD3).Click();

    std::string reason = c.reason;
    for (const auto& [mark, path] : {std::pair{"<db1>", s.db1}, std::pair{"<db2>", s.db2}}) {
      if (const std::size_t at = reason.find(mark); at != std::string::npos) {
        reason.replace(at, 5, path);
      }
    }
    ASSERT_EQ(s.t.platform.messages.size(), 1u);
    const Message& m = s.t.platform.messages[0];
    EXPECT_EQ(m.title, c.property_report ? "Compare Common Species" : "Compare");
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.text, std::string(c.description) + "\r\nTABULON has detected a problem.\r\n" +
                          file + " was not written completely:\r\n" + report + ": " + reason +
                          (c.refused ? "\r\n" + kHint : ""));
    EXPECT_TRUE(s.t.platform.silent_failures.empty());
    EXPECT_EQ((c.property_report ? w.msglbl2 : w.msglbl1).Caption(),
              file + " not written completely");
    EXPECT_EQ(w.THERMIMG.Visible(), c.property_report);
    if (!c.property_report) {
      EXPECT_FALSE(w.CMD4.Visible());
    }
    s.no_write.reset();
    s.disk_full.reset();
    if (c.last_line == nullptr) continue;
    const std::vector<std::string> lines = ReportLines(ReadBytes(report));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], c.last_line);
    EXPECT_EQ(lines.back(), "");
  }
}

// A species line that cannot be made ends the property report there: the status line says
// where; only a division by zero has a message.
TEST(ReportFailures, APropertyReportStoppedAtASpeciesSaysWhere) {
  struct Case {
    const char* what;
    const char* temps[3];
    bool hot2_zero;       // DB #2's HOT has every coefficient 0
    const char* message;  // the one message's text; null: none, a silent failure instead
    const char* status;
  };
  const Case cases[] = {
      {"an empty temperature",
       {"300", "", "2000"},
       false,
       nullptr,
       "Comp2.txt stops at AR (T = 0 K)"},
      {"a DB #2 Cp of 0 against DB #1's",
       {"300", "1000", "2000"},
       true,
       "Division by zero\r\nTABULON has detected a problem.\r\n"
       "Some information is missing in your database.\r\n"
       "Please check your database content (see temperatures etc.)\r\n"
       "Please, Close Tabulon first.",
       "Comp2.txt stops at HOT (T = 300 K)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Comparison s(GasFields(), c.hot2_zero ? std::vector<std::string>(15, "0") : GasFields());
    MainWindowModel& w = s.t.window;
    w.CMD3.Click();
    w.Ktxt.SetText(c.temps[0]);
    w.Ktxt2.SetText(c.temps[1]);
    w.Ktxt3.SetText(c.temps[2]);
    w.CMD4.Click();
    EXPECT_EQ(w.msglbl2.Caption(), c.status);
    EXPECT_TRUE(w.THERMIMG.Visible());
    if (c.message) {
      ASSERT_EQ(s.t.platform.messages.size(), 1u);
      EXPECT_EQ(s.t.platform.messages[0].title, "Missing information...");
      EXPECT_EQ(s.t.platform.messages[0].text, c.message);
      EXPECT_TRUE(s.t.platform.silent_failures.empty());
    } else {
      EXPECT_TRUE(s.t.platform.messages.empty());
      ASSERT_EQ(s.t.platform.silent_failures.size(), 1u);
      EXPECT_EQ(s.t.platform.silent_failures[0].command, "Compare Common Species");
      EXPECT_EQ(s.t.platform.silent_failures[0].kind, FailureKind::NotANumber);
    }
  }
}

// Generated comparisons of small databases whose fields hold hostile texts (numbers beyond the
// double range, limits of 0, blanks, words) at hostile temperatures: whatever happens, both
// commands end with a status line that says how, and the outcome agrees with it.
TEST(ReportFailures, EveryGeneratedComparisonEndsWithAStatusLine) {
  const char* const fields[] = {"2.5", "2.5", "2.5", "1E+400", "0", "", "abc", "1.5D+02", "1E300"};
  const char* const limits[] = {"200.000", "0.000", "-100.000", "1E400", "5000.000"};
  const char* const temps[] = {"300", "", "1e400", "abc", "0", "-5", "1000"};
  std::mt19937 random(20240517);
  auto pick = [&random](const auto& options) {
    return options[std::uniform_int_distribution<std::size_t>(0, std::size(options) - 1)(random)];
  };
  auto database = [&] {
    std::vector<std::string> records;
    for (const char* name : {"AR", "CH4", "N2"}) {
      std::vector<std::string> f = GasFields();
      for (int k = 0; k < 2; ++k)
        f[std::uniform_int_distribution<std::size_t>(0, 14)(random)] = pick(fields);
      records.push_back(GasRecord(name, f, "5000.000", pick(limits)));
    }
    return DatabaseText(records);
  };
  int ran = 0;
  for (int i = 0; i < 100; ++i) {
    TempDir dir;
    TestWindow t;
    LoadDatabaseFile(t, Db::One, dir.Write("db1.dat", database()));
    LoadDatabaseFile(t, Db::Two, dir.Write("db2.dat", database()));
    MainWindowModel& w = t.window;
    const ReportOutcome comp = CompareDatabases(w);
    EXPECT_EQ(w.msglbl1.Caption(), comp.end == ReportOutcome::End::Written
                                       ? "Output copied to: Comp.txt"
                                       : "Comp.txt not written completely")
        << i;
    if (!w.CMD4.Visible()) continue;
    for (TextBox* box : {&w.Ktxt, &w.Ktxt2, &w.Ktxt3}) box->SetText(pick(temps));
    const ReportOutcome comp2 = WritePropertyReport(w);
    const std::string& status = w.msglbl2.Caption();
    switch (comp2.end) {
      case ReportOutcome::End::Written:
        EXPECT_EQ(status, "Output copied to: Comp2.txt") << i;
        break;
      case ReportOutcome::End::Stopped:
        EXPECT_TRUE(status.starts_with("Comp2.txt stops at ")) << i << status;
        break;
      default:
        EXPECT_EQ(status, "Comp2.txt not written completely") << i;
    }
    EXPECT_EQ(w.THERMIMG.Visible(), comp2.end != ReportOutcome::End::Written) << i;
    ++ran;
  }
  EXPECT_GT(ran, 30);  // enough runs reached the property report
}

}  // namespace
}  // namespace tabulon
