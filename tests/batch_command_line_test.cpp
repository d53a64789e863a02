// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch's own options and the checks made before a command runs: help and version on
// stdout with status 0, wrong usage named on stderr with status 2.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/credits.h"
#include "batch_run.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::RunBatch;
using testing::TempDir;

TEST(BatchCommandLine, HelpGoesToStdoutAndNamesEveryCommand) {
  TempDir dir;
  const BatchRun help = RunBatch({"--help"}, dir);
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_TRUE(help.out.starts_with("usage: tabulon-batch ")) << help.out;
  for (const char* usage :
       {"tabulon-batch list DB\n", "tabulon-batch show DB NAME [--hf] [T ...]\n",
        "tabulon-batch compare DB1 DB2 [--temps A,B,C] [--hf] [--out-dir DIR]\n"}) {
    EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
  }
  const BatchRun short_help = RunBatch({"-h"}, dir);
  EXPECT_EQ(short_help.status, 0);
  EXPECT_EQ(short_help.out, help.out);
}

// One version for everything: the batch's --version and the window's title and About text.
TEST(BatchCommandLine, VersionIsTheWindowsVersion) {
  TempDir dir;
  const BatchRun run = RunBatch({"--version"}, dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "tabulon-batch 1.20\n");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(credits::MainWindowTitle().starts_with("Tabulon v 1.20 ; created by "));
  EXPECT_EQ(credits::kVersionLine, "Tabulon version 1.20 - May 2005");
}

// A command's help wins over its other arguments: nothing is loaded and nothing is written.
TEST(BatchCommandLine, EachCommandHasItsOwnHelp) {
  TempDir dir;
  const std::string db = dir.Write("a.dat", testing::DatabaseText({testing::GasRecord("AR")}));
  const std::vector<std::vector<std::string>> calls = {
      {"list", "--help"},
      {"show", "-h"},
      {"compare", "--help"},
      {"compare", db, db, "--hf", "--help"},
      {"show", dir.File("missing.dat"), "AR", "--help"},
  };
  for (const std::vector<std::string>& args : calls) {
    const BatchRun run = RunBatch(args, dir);
    SCOPED_TRACE(args[0] + " " + args.back());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("usage: tabulon-batch " + args[0] + " ")) << run.out;
    EXPECT_GT(run.out.size(), 100u) << "a help says more than the usage line";
    EXPECT_EQ(run.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp.txt")));
}

TEST(BatchCommandLine, WrongUsageNamesWhatIsWrong) {
  TempDir dir;
  const std::string db = dir.Write("a.dat", testing::DatabaseText({testing::GasRecord("AR")}));
  struct Case {
    std::vector<std::string> args;
    std::string error;  // expected on stderr, before the usage
  };
  const Case cases[] = {
      {{}, "usage: tabulon-batch "},
      {{"--frobnicate"}, "tabulon-batch: unknown option '--frobnicate'\n"},
      {{"-x"}, "tabulon-batch: unknown option '-x'\n"},
      {{"frobnicate", db}, "tabulon-batch: unknown command 'frobnicate'\n"},
      {{"compare", db, db, "--bogus"}, "tabulon-batch compare: unknown option '--bogus'\n"},
      {{"show", db, "AR", "--temps", "300"}, "tabulon-batch show: unknown option '--temps'\n"},
      {{"list", db, "--hf"}, "tabulon-batch list: unknown option '--hf'\n"},
      {{"list"}, "usage: tabulon-batch list DB\n"},
      {{"records", db, "--bogus"}, "tabulon-batch records: unknown option '--bogus'\n"},
      {{"records"}, "usage: tabulon-batch records DB [--csv]\n"},
      {{"repair", db}, "usage: tabulon-batch repair DB --out NEW "},
      {{"repair", db, "--out"}, "tabulon-batch repair: --out needs a value\n"},
      {{"repair", db, "--out", "a", "--out", "b"}, "tabulon-batch repair: --out is given twice\n"},
      {{"repair", db, "--out", "a", "--refit", "one"},
       "tabulon-batch repair: --refit takes 'both', not 'one'\n"},
      {{"repair", db, "--out", "a", "--max-dcp", "-1"},
       "tabulon-batch repair: --max-dcp takes a number >= 0, not '-1'\n"},
      {{"merge", db, db, "--out", "a", "--take", "A", "--take-file", db},
       "tabulon-batch merge: --take and --take-file exclude each other\n"},
      {{"subset", db, "--out", "a"}, "usage: tabulon-batch subset DB --species FILE --out NEW"},
      {{"report", db, db}, "tabulon-batch report: --out FILE.html is needed\n"},
      {{"report", db, "--out", "x.html"}, "usage: tabulon-batch report DB1 DB2 --out"},
      {{"report", db, db, "--out"}, "tabulon-batch report: --out needs a value\n"},
      {{"report", db, db, "--out", "x.html", "--top", "-1"},
       "tabulon-batch report: --top takes a count from 0 to 1000000, not '-1'\n"},
      {{"report", db, db, "--out", "x.html", "--tol-h", "big"},
       "tabulon-batch report: --tol-h takes a number >= 0, not 'big'\n"},
  };
  for (const Case& c : cases) {
    const BatchRun run = RunBatch(c.args, dir);
    SCOPED_TRACE(c.error);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(c.error)) << run.err;
    EXPECT_NE(run.err.find("usage: "), std::string::npos) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp.txt")));
}

// Arguments that only look like options are a command's own: a negative temperature is typed
// in as given.
TEST(BatchCommandLine, ANegativeTemperatureIsNoOption) {
  TempDir dir;
  const std::string db = dir.Write("a.dat", testing::DatabaseText({testing::GasRecord("AR")}));
  const BatchRun run = RunBatch({"show", db, "AR", "-5", "300"}, dir);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\n-5\txxx\txxx\txxx\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n300\t 4.968\t"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace tabulon
