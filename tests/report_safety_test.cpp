// SPDX-License-Identifier: GPL-3.0-or-later
// The reports are written only as regular files of their own: never over a database, never
// through a link, never into something that is not a file. A report that cannot be created
// ends its command silently in the window (tabulon-batch prints the reason), and every
// database keeps its bytes.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/compare_databases.h"
#include "app/model/property_report.h"
#include "app/model/reports_folder.h"
#include "batch_run.h"
#include "common/failure.h"
#include "compare_fixture.h"
#include "hostile_support.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::BatchRun;
using testing::DatabaseText;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;
using testing::TestWindow;
using testing::UnchangedFiles;

// Two databases with AR in common, in `dir` (DB #2 perhaps in its subfolder "other/").
struct ReportSetup {
  TempDir dir;
  std::string db1, db2;

  ReportSetup(const std::string& db1_name, const std::string& db2_name) {
    fs::create_directory(dir.File("other"));
    db1 = dir.Write(db1_name, DatabaseText({GasRecord("AR"), GasRecord("NE")}));
    db2 = dir.Write(db2_name, DatabaseText({GasRecord("AR"), GasRecord("HE")}));
  }
  void Load(TestWindow& t) const {
    LoadDatabaseFile(t, Db::One, db1);
    LoadDatabaseFile(t, Db::Two, db2);
  }
};

struct SpoiledReport {
  const char* what;
  const char* db1_name;
  const char* db2_name;
  // Prepares the report's place after the databases are loaded; `report` is its path.
  void (*spoil)(const ReportSetup& s, const std::string& report);
  const char* reason;  // the reason the user is given after the report's path
  // The report (true) or its folder (false) loses its write permission; null: neither.
  const bool* denied = nullptr;
};

const bool kReportDenied = true;
const bool kFolderDenied = false;

// The place of a report made unwritable as the case asks (see NoWritePermission for root).
std::unique_ptr<testing::NoWritePermission> Deny(const SpoiledReport& c, const ReportSetup& s,
                                                 const std::string& report) {
  if (c.denied == nullptr) return nullptr;
  return std::make_unique<testing::NoWritePermission>(*c.denied ? report : s.dir.Path().string());
}

const SpoiledReport kSpoiled[] = {
    {"DB #2 is the file the report would be", "db1.dat", "Comp.txt", nullptr, "it is the database"},
    {"DB #1 is the file the report would be", "Comp.txt", "other/db2.dat", nullptr,
     "it is the database"},
    {"a symbolic link to DB #1", "db1.dat", "other/db2.dat",
     [](const ReportSetup& s, const std::string& report) { fs::create_symlink(s.db1, report); },
     "it is a symbolic link"},
    {"a symbolic link to DB #2", "db1.dat", "other/db2.dat",
     [](const ReportSetup& s, const std::string& report) { fs::create_symlink(s.db2, report); },
     "it is a symbolic link"},
    {"a symbolic link to a new file elsewhere", "db1.dat", "other/db2.dat",
     [](const ReportSetup& s, const std::string& report) {
       fs::create_symlink(s.dir.File("other/elsewhere.txt"), report);
     },
     "it is a symbolic link"},
    {"a hard link to DB #2", "db1.dat", "other/db2.dat",
     [](const ReportSetup& s, const std::string& report) { fs::create_hard_link(s.db2, report); },
     "it is the database"},
    {"a directory", "db1.dat", "other/db2.dat",
     [](const ReportSetup&, const std::string& report) { fs::create_directory(report); },
     "Is a directory"},
    {"a FIFO", "db1.dat", "other/db2.dat",
     [](const ReportSetup&, const std::string& report) { ::mkfifo(report.c_str(), 0600); },
     "No such device or address"},  // a FIFO without a reader
    {"a read-only file", "db1.dat", "other/db2.dat",
     [](const ReportSetup& s, const std::string& report) {
       s.dir.Write(fs::path(report).filename().string(), "an earlier report\r\n");
     },
     "Permission denied", &kReportDenied},
    {"in a read-only folder", "db1.dat", "other/db2.dat", nullptr, "Permission denied",
     &kFolderDenied},
};

TEST(ReportSafety, ACompReportThatCannotBeItsOwnFileEndsTheComparisonSayingWhy) {
  for (const SpoiledReport& c : kSpoiled) {
    SCOPED_TRACE(c.what);
    ReportSetup s(c.db1_name, c.db2_name);
    TestWindow t;
    s.Load(t);
    const std::string report = s.dir.File("Comp.txt");
    if (c.spoil) c.spoil(s, report);
    const auto denied = Deny(c, s, report);
    const UnchangedFiles databases({s.db1, s.db2});

    t.window.CMD3.Click();
    EXPECT_TRUE(t.platform.silent_failures.empty());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Compare");
    EXPECT_NE(t.platform.messages[0].text.find("Comp.txt was not written completely:\r\n" + report +
                                               ": " + c.reason),
              std::string::npos)
        << t.platform.messages[0].text;
    EXPECT_EQ(t.window.msglbl1.Caption(), "Comp.txt not written completely");
    EXPECT_FALSE(t.window.CMD4.Visible());
    EXPECT_TRUE(databases.Unchanged());
    EXPECT_FALSE(fs::exists(s.dir.File("other/elsewhere.txt")));
  }
}

TEST(ReportSafety, AComp2ReportThatCannotBeItsOwnFileEndsThePropertyReportSayingWhy) {
  for (const SpoiledReport& c : kSpoiled) {
    SCOPED_TRACE(c.what);
    // The same places, with the databases named Comp2.txt where they were named Comp.txt.
    auto renamed = [](std::string name) { return name == "Comp.txt" ? "Comp2.txt" : name; };
    ReportSetup s(renamed(c.db1_name), renamed(c.db2_name));
    TestWindow t;
    s.Load(t);
    t.window.CMD3.Click();
    ASSERT_TRUE(t.window.CMD4.Visible());
    if (c.spoil) c.spoil(s, s.dir.File("Comp2.txt"));
    const auto denied = Deny(c, s, s.dir.File("Comp2.txt"));
    const UnchangedFiles databases({s.db1, s.db2});

    t.window.CMD4.Click();
    EXPECT_TRUE(t.platform.silent_failures.empty());
    ASSERT_EQ(t.platform.messages.size(), 1u);
    EXPECT_EQ(t.platform.messages[0].title, "Compare Common Species");
    EXPECT_NE(t.platform.messages[0].text.find("Comp2.txt was not written completely:\r\n" +
                                               s.dir.File("Comp2.txt") + ": " + c.reason),
              std::string::npos)
        << t.platform.messages[0].text;
    EXPECT_TRUE(t.window.THERMIMG.Visible());
    EXPECT_EQ(t.window.msglbl2.Caption(), "Comp2.txt not written completely");
    EXPECT_TRUE(databases.Unchanged());
  }
}

// A folder where no file can be created, even by root: a "folder" that is a regular file.
TEST(ReportSafety, AReportFolderThatCannotHoldAFileEndsTheCommandSayingWhy) {
  ReportSetup s("db1.dat", "other/db2.dat");
  TestWindow t;
  s.Load(t);
  ChooseReportsFolder(t.window, s.db2);
  const UnchangedFiles databases({s.db1, s.db2});
  t.window.CMD3.Click();
  ASSERT_EQ(t.platform.messages.size(), 1u);
  EXPECT_NE(t.platform.messages[0].text.find(s.db2 + "/Comp.txt: Not a directory\r\n"),
            std::string::npos);
  EXPECT_EQ(t.window.msglbl1.Caption(), "Comp.txt not written completely");
  EXPECT_TRUE(databases.Unchanged());
}

TEST(ReportSafety, TabulonBatchPrintsWhyAReportWasNotWritten) {
  TempDir dir;
  const std::string db1 = dir.Write("db1.dat", DatabaseText({GasRecord("AR")}));
  const std::string db2 = dir.Write("Comp.txt", DatabaseText({GasRecord("AR")}));
  {
    const UnchangedFiles databases({db1, db2});
    const BatchRun run = RunBatch({"compare", db1, db2}, dir, 60);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("  Comp.txt was not written completely:\n  " + dir.File("Comp.txt") +
                           ": it is the database " + db2 + "\n"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(databases.Unchanged());
  }
  {
    TempDir other;
    const std::string db = other.Write("db.dat", DatabaseText({GasRecord("AR")}));
    fs::create_symlink(db, other.File("Comp2.txt"));
    const UnchangedFiles databases({db});
    const BatchRun run = RunBatch({"compare", db, db}, other, 60);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Compare Common Species\n  File failure\n"
                           "  TABULON has detected a problem.\n"
                           "  Comp2.txt was not written completely:\n  " +
                           other.File("Comp2.txt") + ": it is a symbolic link\n"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(databases.Unchanged());
  }
}

}  // namespace
}  // namespace tabulon
