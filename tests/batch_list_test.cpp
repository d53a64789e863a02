#include <algorithm>
#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "test_support.h"

namespace tabulon {
namespace {

using testing::ReadBytes;
using testing::TempDir;

struct BatchRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the built tabulon-batch with `args` (already quoted for the shell).
BatchRun RunBatch(const TempDir& dir, const std::string& args) {
  const std::string out = dir.File("stdout.txt");
  const std::string err = dir.File("stderr.txt");
  const std::string command =
      std::string("'") + TABULON_BATCH_EXE + "' " + args + " >'" + out + "' 2>'" + err + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(out), ReadBytes(err)};
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

TEST(BatchList, PrintsTheCountThenTheListedNames) {
  TempDir dir;
  const std::string path = dir.Write(
      "db.dat", "THERMO\r\nh2o x\r\n 1\r\nCH4 x\r\nch4 y\r\nCH4 z\r\nz\xe9t\xe9 x\r\nEND\r\n");
  const BatchRun run = RunBatch(dir, "list " + Quoted(path));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "(4)\nCH4\nCH4\nH2O\nZ\xe9T\xe9\n");  // three CH4 keep two
  EXPECT_EQ(run.err, "");
}

TEST(BatchList, AFailedLoadPrintsWhatTheWindowShowsAndExitsWith1) {
  TempDir dir;
  const BatchRun no_end =
      RunBatch(dir, "list " + Quoted(dir.Write("db.dat", "THERMO\nB x\nA x\nB x\n")));
  EXPECT_EQ(no_end.status, 1);
  EXPECT_EQ(no_end.out, "(0)\nA\nB\nB\n");
  EXPECT_NE(no_end.err.find("the file ends before its END line\n"), std::string::npos);
  EXPECT_EQ(std::count(no_end.err.begin(), no_end.err.end(), '\n'), 1);

  const BatchRun missing = RunBatch(dir, "list " + Quoted(dir.File("missing.dat")));
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "(0)\n");
  EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos);
}

TEST(BatchList, WrongUsageExitsWith2) {
  TempDir dir;
  const std::string path = Quoted(dir.Write("db.dat", "THERMO\nEND\n"));
  for (const std::string& args : {std::string("list"), "list " + path + " " + path}) {
    const BatchRun run = RunBatch(dir, args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_NE(run.err.find("usage:"), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace tabulon
