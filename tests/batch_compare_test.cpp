// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch compare: the command line around CMD3 and CMD4.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::DatabaseText;
using testing::GasFields;
using testing::GasRecord;
using testing::ReadBytes;
using testing::ReportLines;
using testing::RunBatch;
using testing::TempDir;

std::string Example(const std::string& name) {
  return std::string(TABULON_SOURCE_DIR) + "/examples/" + name;
}

std::vector<std::string> OutputLines(const BatchRun& run) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(run.out.substr(start, end - start));
  }
  return lines;
}

TEST(BatchCompare, ExampleDatabasesGiveBothReports) {
  TempDir dir;
  const std::string db1 = dir.Write("therm_a.dat", ReadBytes(Example("therm_a.dat")));
  const BatchRun run = RunBatch({"compare", db1, Example("therm_b.dat")}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = OutputLines(run);
  ASSERT_EQ(lines.size(), 7u) << run.out;
  const char* prefixes[] = {"DB1 (", "DB2 (", "common (", "only1 (", "only2 ("};
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(lines[i].starts_with(prefixes[i])) << lines[i];
  EXPECT_EQ(lines[5], "msglbl1: Output copied to: Comp.txt");
  EXPECT_EQ(lines[6], "msglbl2: Output copied to: Comp2.txt");

  const int common = std::stoi(lines[2].substr(lines[2].find('(') + 1));
  EXPECT_GT(common, 0);
  EXPECT_EQ(ReportLines(ReadBytes(dir.File("Comp2.txt"))).size(),
            static_cast<std::size_t>(14 + 3 * common) + 1);
  EXPECT_TRUE(ReadBytes(dir.File("Comp.txt")).starts_with("DB #1: " + db1 + "\t"));
}

TEST(BatchCompare, WrongUsageExitsWith2) {
  TempDir dir;
  const std::string a = dir.Write("a.dat", DatabaseText({GasRecord("AR")}));
  const std::vector<std::vector<std::string>> usages = {
      {"compare"},
      {"compare", a},
      {"compare", a, a, a},
      {"compare", a, a, "--temps"},
      {"compare", a, a, "--temps", "300,1000"},
      {"compare", a, a, "--temps", "300,1000,2000,3000"},
      {"compare", a, a, "--temps", "1,2,3", "--temps", "1,2,3"},
      {"compare", a, a, "--bogus"},
      {"compare", a, a, "--out-dir"},
      {"compare", a, a, "--out-dir", ""},
  };
  for (const std::vector<std::string>& args : usages) {
    const BatchRun run = RunBatch(args, dir);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("usage:"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("Comp.txt")));
}

TEST(BatchCompare, TemperatureTextsAreUsedAsGiven) {
  TempDir dir;
  const std::string a = dir.Write("a.dat", DatabaseText({GasRecord("AR")}));
  const BatchRun run = RunBatch({"compare", a, a, "--temps", "1e3,300K,450.25"}, dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = ReportLines(ReadBytes(dir.File("Comp2.txt")));
  const std::string tabs(9, '\t');
  EXPECT_EQ(lines[4], "T (K) =  1000" + tabs);
  EXPECT_EQ(lines[9], "T (K) =  300" + tabs);
  EXPECT_EQ(lines[14], "T (K) =  450.25" + tabs);
}

TEST(BatchCompare, HfOptionChecksBothBoxes) {
  TempDir dir;
  const std::string a = dir.Write(
      "a.dat", DatabaseText({GasRecord("AR", GasFields("2.5", "4.37966038", "1.0E+03"))}));
  const std::string b = dir.Write(
      "b.dat", DatabaseText({GasRecord("AR", GasFields("2.5", "4.37966038", "2.0E+03"))}));
  const std::string hf_row =
      "Ravuva's Heat of Formation // 1.00000000E+03     |     2.00000000E+03";
  EXPECT_EQ(RunBatch({"compare", a, b}, dir).status, 0);
  EXPECT_EQ(ReadBytes(dir.File("Comp.txt")).find(hf_row), std::string::npos);
  EXPECT_EQ(RunBatch({"compare", "--hf", a, b}, dir).status, 0);
  EXPECT_NE(ReadBytes(dir.File("Comp.txt")).find(hf_row), std::string::npos);
}

// Anything the window did not complete makes the exit status 1; the seven lines still tell
// what the window shows.
TEST(BatchCompare, IncompleteRunsExitWith1) {
  TempDir dir;
  const std::string ar = dir.Write("ar.dat", DatabaseText({GasRecord("AR"), GasRecord("KR")}));
  // Three records named A keep two entries after loading: the pruning then fails.
  const std::string repeated =
      dir.Write("rep.dat", DatabaseText({GasRecord("A"), GasRecord("A"), GasRecord("A")}));
  const std::string single = dir.Write("single.dat", DatabaseText({GasRecord("A")}));
  const std::string short_range = dir.Write(
      "short.dat", DatabaseText({GasRecord("AR"), GasRecord("KR", GasFields(), "1000.000")}));

  struct Case {
    const char* what;
    std::vector<std::string> args;
    const char* msglbl1;
    const char* msglbl2;
    std::string on_stderr;
  };
  const Case cases[] = {
      {"a database that cannot be loaded",
       {ar, dir.File("missing.dat")},
       "",
       "",
       "DB #2 was not loaded from:\n  " + dir.File("missing.dat") +
           "\n  The file cannot be opened: No such file or directory.\n"},
      {"a repeated name stops the comparison",
       {repeated, single},
       "Comp.txt not written completely",
       "",
       "Two (or more) species have the same name!"},
      {"a temperature beyond the double range",
       {ar, ar, "--temps", "1e400,300,300"},
       "Output copied to: Comp.txt",
       "Comp2.txt not written completely",
       "Compare Common Species\n  Overflow\n  TABULON has detected a problem.\n"
       "  Comp2.txt was not written completely:\n  " +
           dir.File("Comp2.txt") + ": Overflow (number beyond the double range)\n"},
      {"an empty report temperature",
       {ar, ar, "--temps", "300,,2000"},
       "Output copied to: Comp.txt",
       "Comp2.txt stops at AR (T = 0 K)",
       "Compare Common Species stopped: Not a number"},
      {"a species whose range ends at 1000 K",
       {ar, short_range},
       "Output copied to: Comp.txt",
       "Comp2.txt stops at KR (T = 2000 K)",
       "Comp2.txt stops at KR (T = 2000 K)\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = {"compare"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const BatchRun run = RunBatch(args, dir);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = OutputLines(run);
    ASSERT_EQ(lines.size(), 7u) << run.out;
    EXPECT_EQ(lines[5], std::string("msglbl1: ") + c.msglbl1);
    EXPECT_EQ(lines[6], std::string("msglbl2: ") + c.msglbl2);
    EXPECT_NE(run.err.find(c.on_stderr), std::string::npos) << run.err;
  }

  // DB #1's folder cannot take Comp.txt: the message says how to write the reports elsewhere,
  // and --out-dir does.
  std::filesystem::remove(dir.File("Comp.txt"));
  std::filesystem::create_directory(dir.File("Comp.txt"));
  const BatchRun blocked = RunBatch({"compare", ar, ar}, dir);
  EXPECT_EQ(blocked.status, 1);
  EXPECT_EQ(blocked.err,
            "Compare\n  File failure\n  TABULON has detected a problem.\n"
            "  Comp.txt was not written completely:\n  " +
                dir.File("Comp.txt") +
                ": Is a directory\n"
                "  To write the reports elsewhere, give tabulon-batch compare a folder with "
                "--out-dir DIR.\n");
  const std::vector<std::string> lines = OutputLines(blocked);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[5], "msglbl1: Comp.txt not written completely");

  TempDir out;
  const BatchRun elsewhere = RunBatch({"compare", ar, ar, "--out-dir", out.Path().string()}, dir);
  EXPECT_EQ(elsewhere.status, 0) << elsewhere.err;
  EXPECT_TRUE(ReadBytes(out.File("Comp.txt")).starts_with("DB #1: " + ar + "\t"));
  EXPECT_EQ(ReportLines(ReadBytes(out.File("Comp2.txt"))).size(), 21u);
}

}  // namespace
}  // namespace tabulon
