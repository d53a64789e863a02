// SPDX-License-Identifier: GPL-3.0-or-later
// repair, merge and subset from the command line: their output, exit status and the files
// they refuse to write. What they compute is tested in the domain's tables.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "check_records.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::kFlat;
using testing::kFlatHsJump;
using testing::ReadBytes;
using testing::RecordsDatabaseText;
using testing::RunBatch;
using testing::TempDir;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// Line 3: SHIFTED, whose H and S jump; line 7: REFUSED, whose Cp jumps by 1 (cp/R).
std::string Jumps() {
  return RecordsDatabaseText(
      {{.name = "SHIFTED", .high_set = kFlatHsJump, .low_set = kFlat},
       {.name = "REFUSED", .high_set = {5, 0, 0, 0, 0, -2000, 4}, .low_set = kFlat}});
}

TEST(BatchRepair, RowsExitStatusAndTheWrittenFile) {
  TempDir dir;
  const std::string db = dir.Write("db.dat", Jumps());
  const std::string out = dir.File("new.dat");
  const BatchRun first = RunBatch({"repair", db, "--out", out, "--format", "csv"}, dir);
  EXPECT_EQ(first.status, 1);  // REFUSED was refused
  EXPECT_EQ(first.err, "");
  // The costs themselves are the domain's (tested there); here the columns.
  const std::vector<std::string> rows = Lines(first.out);
  ASSERT_EQ(rows.size(), 3u) << first.out;
  EXPECT_EQ(rows[0], "line,name,action,dcp_max,dh_max,ds_max");
  EXPECT_TRUE(rows[1].starts_with("3,SHIFTED,shift,0,0.0993600010871")) << rows[1];
  EXPECT_TRUE(rows[2].starts_with("7,REFUSED,refused,1.98720")) << rows[2];
  for (const std::string& row : rows) EXPECT_EQ(std::count(row.begin(), row.end(), ','), 5);
  const BatchRun check = RunBatch({"check", out}, dir);
  EXPECT_EQ(check.out.find("SHIFTED"), std::string::npos) << check.out;
  // One comment line before SHIFTED moves REFUSED down by one.
  EXPECT_NE(check.out.find("8\tREFUSED\tcp-jump"), std::string::npos) << check.out;

  const BatchRun exists = RunBatch({"repair", db, "--out", out, "--max-dcp", "2"}, dir);
  EXPECT_EQ(exists.status, 1);
  EXPECT_EQ(exists.err, "tabulon-batch repair: " + out + " exists (--force replaces it)\n");
  const BatchRun forced = RunBatch({"repair", db, "--out", out, "--max-dcp", "2", "--force"}, dir);
  EXPECT_EQ(forced.status, 0) << forced.err;
  EXPECT_TRUE(
      forced.out.starts_with("3\tSHIFTED\tshift\tlargest dCp 0 cal/mol/K, dH 0.09936 "
                             "kcal/mol, dS 0.9936 cal/mol/K; jumps now cp 0, h "))
      << forced.out;
  EXPECT_NE(forced.out.find("\n7\tREFUSED\trefit\t"), std::string::npos) << forced.out;
  EXPECT_EQ(RunBatch({"check", out}, dir).status, 0);
  EXPECT_EQ(ReadBytes(db), Jumps());
}

TEST(BatchRepair, NeverWritesOverAnInput) {
  TempDir dir;
  const std::string db = dir.Write("db.dat", Jumps());
  const std::string names = dir.Write("names.txt", "SHIFTED\n");
  const std::vector<std::vector<std::string>> calls = {
      {"repair", db, "--out", db, "--force"},
      {"merge", db, names, "--out", names, "--force"},
      {"subset", db, "--species", names, "--out", names, "--force"},
  };
  for (const std::vector<std::string>& args : calls) {
    SCOPED_TRACE(args[0] + " --out " + args[args.size() - 2]);
    const BatchRun run = RunBatch(args, dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(" is a database in use ("), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("usage:"), std::string::npos) << run.err;
  }
  EXPECT_EQ(ReadBytes(db), Jumps());
  EXPECT_EQ(ReadBytes(names), "SHIFTED\n");
}

TEST(BatchRepair, MergeAndSubsetSayWhatTheyDid) {
  TempDir dir;
  const std::string one = dir.Write("one.dat", RecordsDatabaseText({{.name = "A"}, {.name = "B"}}));
  const std::string two = dir.Write("two.dat", RecordsDatabaseText({{.name = "B"}, {.name = "C"}}));
  const BatchRun merge = RunBatch(
      {"merge", one, two, "--out", dir.File("m.dat"), "--take", "b,x", "--add-missing"}, dir);
  EXPECT_EQ(merge.status, 1);
  EXPECT_EQ(merge.out, "taken\tB\nadded\tC\n");
  EXPECT_EQ(merge.err, "tabulon-batch merge: X is not in " + two + "\n");
  EXPECT_EQ(RunBatch({"list", dir.File("m.dat")}, dir).out, "(3)\nA\nB\nC\n");

  const std::string mechanism = dir.Write("mech.inp", "ELEMENTS C END\nSPECIES c Z a END\n");
  const BatchRun subset =
      RunBatch({"subset", two, "--species", mechanism, "--out", dir.File("s.dat")}, dir);
  EXPECT_EQ(subset.status, 1);
  EXPECT_EQ(subset.out, "1 records\n");
  EXPECT_EQ(subset.err, "tabulon-batch subset: Z is not in " + two + "\n" +
                            "tabulon-batch subset: A is not in " + two + "\n");
  EXPECT_EQ(RunBatch({"list", dir.File("s.dat")}, dir).out, "(1)\nC\n");
}

}  // namespace
}  // namespace tabulon
