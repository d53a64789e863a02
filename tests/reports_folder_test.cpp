// SPDX-License-Identifier: GPL-3.0-or-later
// The folder the reports go to: DB #1's unless the user chose another.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/model/reports_folder.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::DatabaseText;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::TempDir;
using testing::TestWindow;

TEST(ReportsFolder, ReportsGoBesideDb1UnlessAnotherFolderIsChosen) {
  TempDir dir, out;
  TestWindow t;
  MainWindowModel& w = t.window;
  LoadDatabaseFile(t, Db::One, dir.Write("db1.dat", DatabaseText({GasRecord("AR")})));
  LoadDatabaseFile(t, Db::Two, dir.Write("db2.dat", DatabaseText({GasRecord("AR")})));
  const std::string db1_folder = dir.Path().string() + "/";
  EXPECT_EQ(ReportsFolder(w.common), db1_folder);

  // The dialog starts in the present folder; a cancel changes nothing.
  t.platform.folder_answers = {std::nullopt, out.Path().string()};
  EXPECT_FALSE(AskForReportsFolder(w));
  EXPECT_EQ(ReportsFolder(w.common), db1_folder);
  EXPECT_TRUE(AskForReportsFolder(w));
  EXPECT_EQ(ReportsFolder(w.common), out.Path().string() + "/");

  w.CMD3.Click();
  w.CMD4.Click();
  EXPECT_EQ(w.msglbl2.Caption(), "Output copied to: Comp2.txt");
  EXPECT_TRUE(std::filesystem::exists(out.File("Comp.txt")));
  EXPECT_TRUE(std::filesystem::exists(out.File("Comp2.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp.txt")));

  // Loading keeps the choice; the empty folder goes back to DB #1's.
  LoadDatabaseFile(t, Db::One, dir.Write("other.dat", DatabaseText({GasRecord("NE")})));
  EXPECT_EQ(ReportsFolder(w.common), out.Path().string() + "/");
  ChooseReportsFolder(w, "");
  EXPECT_EQ(ReportsFolder(w.common), db1_folder);
}

}  // namespace
}  // namespace tabulon
