// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::TempDir;

// Runs `tabulon-batch show` with `args`.
testing::BatchRun RunShow(const TempDir& dir, std::vector<std::string> args) {
  args.insert(args.begin(), "show");
  return testing::RunBatch(args, dir);
}

TEST(BatchShow, PrintsTheDetailViewThenThePropertiesAtEachTemperature) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat");
  TempDir dir;
  const testing::BatchRun run = RunShow(dir, {testing::CorpusFile("gri30_thermo.dat"), "ch4",
                                              "--hf", "298.15", "1000", "5000", "abc"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            " 200    3500    1000\n"
            " 1000  <= T (high) <  3500\n"
            " 200 < T (Low) <=  1000\n"
            "7.48514950E-02\t1.33909467E-02\t-5.73285809E-06\t1.22292535E-09\t-1.01815230E-13\t"
            "-9.46834459E+03\t1.84373180E+01\n"
            "5.14987613E+00\t-1.36709788E-02\t4.91800599E-05\t-4.84743026E-08\t1.66693956E-11\t"
            "-1.02466476E+04\t-4.64130376E+00\n"
            "\n"  // the Hf/R field of these records is blank
            "298.15\t 8.53\t-17.83\t 44.54\n"
            "1000\t 17.59/ 17.59\t-8.592/-8.592\t 59.34/ 59.34\n"
            "5000\txxx\txxx\txxx\n"
            "abc\t\t\t\n");
  EXPECT_EQ(run.err, "");
}

TEST(BatchShow, MarksADisagreementAtTheCommonTemperature) {
  TempDir dir;
  const std::vector<std::string> fields = {"4", "0", "0", "0", "0",  "100", "1",       "3.5",
                                           "0", "0", "0", "0", "50", "2",   "-8.9D+03"};
  const std::string path = dir.Write(
      "db.dat", "THERMO\r\n" + testing::RecordText("SPLIT", "200 3500 1000", fields) + "END\r\n");
  const testing::BatchRun run = RunShow(dir, {path, "SPLIT", "1000", "--hf"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\n-8.90000000E+03\n1000\t 7.949/ 6.955!\t"), std::string::npos)
      << run.out;
}

TEST(BatchShow, ExitsWith1WhenTheSpeciesIsNotShown) {
  TempDir dir;
  const std::vector<std::string> fields(15, "1.0");
  const std::string path = dir.Write(
      "db.dat", "THERMO\r\n" + testing::RecordText("COLD", "0 3500 1000", fields) + "END\r\n");
  const testing::BatchRun refused = RunShow(dir, {path, "COLD", "300"});
  EXPECT_EQ(refused.status, 1);
  // As the window shows a refused species: its limits, empty coefficient boxes, no values.
  EXPECT_EQ(refused.out,
            " 0    3500    1000\n"
            " 1000  <= T (high) <  3500\n"
            " 0 < T (Low) <=  1000\n"
            "\t\t\t\t\t\t\n"
            "\t\t\t\t\t\t\n"
            "300\t\t\t\n");
  EXPECT_NE(refused.err.find("Check temperature  DB #1\n"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("Please check the temperatures for this species."), std::string::npos);

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{path, "WARM"},
        std::vector<std::string>{dir.File("missing.dat"), "COLD"}}) {
    const testing::BatchRun run = RunShow(dir, args);
    EXPECT_EQ(run.status, 1) << args[0] << ' ' << args[1];
    EXPECT_EQ(run.out, "") << args[1];
    EXPECT_NE(run.err, "") << args[1];
  }
}

TEST(BatchShow, WrongUsageExitsWith2) {
  TempDir dir;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, std::vector<std::string>{"db.dat"},
        std::vector<std::string>{"db.dat", "CH4", "--temps", "300"}}) {
    EXPECT_EQ(RunShow(dir, args).status, 2) << args.size();
  }
}

}  // namespace
}  // namespace tabulon
