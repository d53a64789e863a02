// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::RunBatch;
using testing::TempDir;

TEST(BatchList, PrintsTheCountThenTheListedNames) {
  TempDir dir;
  const std::string path = dir.Write(
      "db.dat", "THERMO\r\nh2o x\r\n 1\r\nCH4 x\r\nch4 y\r\nCH4 z\r\nz\xe9t\xe9 x\r\nEND\r\n");
  const BatchRun run = RunBatch({"list", path}, dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "(4)\nCH4\nCH4\nH2O\nZ\xe9T\xe9\n");  // three CH4 keep two
  EXPECT_EQ(run.err, "");
}

// A failed load leaves the window as it was: no names under "(0)", and no usage line after the
// reason.
TEST(BatchList, AFailedLoadPrintsWhatTheWindowShowsAndExitsWith1) {
  TempDir dir;
  const BatchRun no_end = RunBatch({"list", dir.Write("db.dat", "THERMO\nB x\nA x\nB x\n")}, dir);
  EXPECT_EQ(no_end.status, 1);
  EXPECT_EQ(no_end.out, "(0)\n");
  // The window's error message, and nothing else.
  EXPECT_EQ(no_end.err,
            "Load Thermodynamic DataBase # 1\n  File failure\n"
            "  TABULON has detected a problem.\n  DB #1 was not loaded from:\n  " +
                dir.File("db.dat") + "\n  It ends at line 4 without an END line.\n");

  const BatchRun missing = RunBatch({"list", dir.File("missing.dat")}, dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "(0)\n");
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
}

TEST(BatchList, WrongUsageExitsWith2) {
  TempDir dir;
  const std::string path = dir.Write("db.dat", "THERMO\nEND\n");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"list"}, std::vector<std::string>{"list", path, path}}) {
    const BatchRun run = RunBatch(args, dir);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_EQ(run.out, "") << args.size();
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << args.size();
  }
}

}  // namespace
}  // namespace tabulon
