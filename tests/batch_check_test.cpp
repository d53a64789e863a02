// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "check_records.h"
#include "properties/evaluation.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::BatchRun;
using testing::RecordsDatabaseText;
using testing::RecordShape;
using testing::RunBatch;
using testing::TempDir;

const CoefficientSet kSet{3.5, 1e-3, 0, 0, 0, -1000, 4};

// Lines of the file below: header 1, temperatures 2, then four per record from line 3.
std::string FileWithFindings() {
  RecordShape jump{.name = "JUMP", .high_set = {4, 1e-3, 0, 0, 0, -1000, 4}, .low_set = kSet};
  RecordShape bad_limits{.name = "LIMITS", .low = 5000, .high = 300, .mid = 1000};
  return RecordsDatabaseText({{.name = "CH4", .high_set = kSet, .low_set = kSet},
                              jump,
                              bad_limits,
                              {.name = "CH4", .high_set = kSet, .low_set = kSet}});
}

TEST(BatchCheck, ExitStatusSaysWhetherAnythingWasFound) {
  TempDir dir;
  const BatchRun clean = RunBatch(
      {"check", dir.Write("clean.dat", RecordsDatabaseText({{.high_set = kSet, .low_set = kSet}}))},
      dir);
  EXPECT_EQ(clean.status, 0);
  EXPECT_EQ(clean.out, "");

  const BatchRun found = RunBatch({"check", dir.Write("db.dat", FileWithFindings())}, dir);
  EXPECT_EQ(found.status, 1);
  EXPECT_EQ(found.err, "");
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = found.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = found.out.substr(start, end - start);
    lines.push_back(line.substr(0, line.find('\t', line.find('\t', line.find('\t') + 1) + 1)));
  }
  EXPECT_EQ(lines,
            (std::vector<std::string>{"7\tJUMP\tcp-jump", "7\tJUMP\th-jump", "7\tJUMP\ts-jump",
                                      "11\tLIMITS\tlimits", "15\tCH4\tduplicate-identical"}));

  // A tolerance wide enough hides the jumps.
  const BatchRun wide = RunBatch({"check", dir.File("db.dat"), "--tol-cp", "1", "--tol-h", "1",
                                  "--tol-s", "1", "--format", "csv"},
                                 dir);
  EXPECT_EQ(wide.status, 1);
  EXPECT_EQ(wide.out.substr(0, wide.out.find('\n')), "line,name,code,detail");
  EXPECT_EQ(wide.out.find("jump"), std::string::npos);
  EXPECT_NE(wide.out.find("\n11,LIMITS,limits,"), std::string::npos);

  const BatchRun json = RunBatch({"check", dir.File("db.dat"), "--format", "json"}, dir);
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out.front(), '[');
  EXPECT_NE(json.out.find("{\"line\": 15, \"name\": \"CH4\", \"code\": \"duplicate-identical\""),
            std::string::npos);
}

TEST(BatchCheck, UsageAndUnloadableFilesExitWith2) {
  TempDir dir;
  const std::string db = dir.Write("db.dat", FileWithFindings());
  const std::vector<std::vector<std::string>> wrong = {
      {"check"},
      {"check", db, db},
      {"check", db, "--tol-cp"},
      {"check", db, "--tol-cp", "-1"},
      {"check", db, "--tol-h", "1e"},
      {"check", db, "--tol-s", "nan"},
      {"check", db, "--format", "xml"},
      {"check", db, "--verbose"},
  };
  for (const auto& args : wrong) {
    SCOPED_TRACE(args.back());
    const BatchRun run = RunBatch(args, dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
  }
  // A file that cannot be loaded is named with the reason, and no usage line follows.
  const std::string no_end_path = dir.Write("noend.dat", "THERMO\nCH4 x\n");
  const BatchRun no_end = RunBatch({"check", no_end_path}, dir);
  EXPECT_EQ(no_end.status, 2);
  EXPECT_EQ(no_end.err, "tabulon-batch check: cannot load " + no_end_path +
                            ": it ends at line 2 without an END line\n");
  const BatchRun missing = RunBatch({"check", dir.File("missing.dat")}, dir);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
  EXPECT_EQ(missing.err.find("usage"), std::string::npos) << missing.err;
}

TEST(BatchDiff, CsvAndTable) {
  TempDir dir;
  CoefficientSet shifted = kSet;
  shifted[0] += 0.25;
  const std::string db1 = dir.Write(
      "a.dat", RecordsDatabaseText({{.name = "O2", .high_set = kSet, .low_set = kSet},
                                    {.name = "CH4", .high_set = kSet, .low_set = kSet},
                                    {.name = "ONLY", .high_set = kSet, .low_set = kSet}}));
  const std::string db2 = dir.Write(
      "b.dat",
      RecordsDatabaseText({{.name = "CH4", .low = 500, .high_set = shifted, .low_set = shifted},
                           {.name = "O2", .high_set = kSet, .low_set = kSet}}));
  const BatchRun csv = RunBatch({"diff", db1, db2, "--csv"}, dir);
  EXPECT_EQ(csv.status, 0);
  // Cp differs by 0.25 R everywhere (the first kelvin of the overlap 500 .. 5000 is reported,
  // whatever rounding does in the last bits), H by
  // 0.25 R T / 1000 and S by 0.25 R ln T (both largest at the top).
  const std::size_t ch4 = csv.out.find("\nCH4,") + 1;
  std::vector<std::string> cells;
  for (std::size_t start = ch4, end = ch4; end != std::string::npos && csv.out[end] != '\n';
       start = end + 1) {
    end = csv.out.find_first_of(",\n", start);
    cells.push_back(csv.out.substr(start, end - start));
  }
  ASSERT_EQ(cells.size(), 9u);
  EXPECT_EQ(csv.out.substr(0, ch4), "name,t_from,t_to,dcp_max,dcp_t,dh_max,dh_t,ds_max,ds_t\n");
  const double r = double(kRGas);
  EXPECT_EQ(cells[1] + " " + cells[2] + " " + cells[4] + " " + cells[6] + " " + cells[8],
            "500 5000 500 5000 5000");
  EXPECT_NEAR(std::stod(cells[3]), 0.25 * r, 1e-12);
  EXPECT_NEAR(std::stod(cells[5]), 0.25 * r * 5, 1e-12);
  EXPECT_NEAR(std::stod(cells[7]), 0.25 * r * std::log(5000.0), 1e-12);
  EXPECT_NE(csv.out.find("\nO2,300,5000,0,300,0,300,0,300\n"), std::string::npos);

  const BatchRun table = RunBatch({"diff", db1, db2}, dir);
  EXPECT_EQ(table.status, 0);
  EXPECT_LT(table.out.find("CH4"), table.out.find("O2"));
  EXPECT_NE(table.out.find("0.4968"), std::string::npos);

  EXPECT_EQ(RunBatch({"diff", db1}, dir).status, 2);
  EXPECT_EQ(RunBatch({"diff", db1, db2, "--tsv"}, dir).status, 2);
  EXPECT_EQ(RunBatch({"diff", db1, dir.File("missing.dat")}, dir).status, 1);
}

}  // namespace
}  // namespace tabulon
