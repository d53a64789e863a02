// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch report: what it prints, its exit status and the file it writes or refuses.
#include <string>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::ExampleFile;
using testing::ReadBytes;
using testing::RunBatch;
using testing::TempDir;

TEST(BatchReport, WritesThePageAndNeverOverADatabase) {
  const TempDir dir;
  const std::string page = dir.File("report.html");
  const BatchRun run = RunBatch({"report", ExampleFile("therm_a.dat"), ExampleFile("therm_b.dat"),
                                 "--out", page, "--top", "2", "--si", "--tol-cp", "0.5"},
                                dir);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, page + ": 12 species in both, 2 plotted\n");
  EXPECT_EQ(run.err, "");
  const std::string html = ReadBytes(page);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\n")) << html.substr(0, 100);
  EXPECT_NE(html.find("H and G in kJ/mol (R = 8.314462618 J/mol/K)"), std::string::npos);
  EXPECT_NE(html.find("cp 0.5, h 0.001, s 0.001;"), std::string::npos);

  const std::string database = dir.Write("db.dat", ReadBytes(ExampleFile("therm_a.dat")));
  const BatchRun refused =
      RunBatch({"report", database, ExampleFile("therm_b.dat"), "--out", database}, dir);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "tabulon-batch report: " + database + " not written: it is the database " +
                             database + "\n");
  EXPECT_EQ(ReadBytes(database), ReadBytes(ExampleFile("therm_a.dat")));

  const BatchRun unloadable =
      RunBatch({"report", dir.File("none.dat"), database, "--out", page}, dir);
  EXPECT_EQ(unloadable.status, 1);
  EXPECT_TRUE(
      unloadable.err.starts_with("tabulon-batch report: cannot load " + dir.File("none.dat")))
      << unloadable.err;
}

}  // namespace
}  // namespace tabulon
