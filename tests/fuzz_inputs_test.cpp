// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets' seeds (fuzz/seeds/TARGET/) and every input a fuzz run once failed on
// (tests/regressions/TARGET/) go through the same property checks as in fuzz/run.sh, here with
// the normal compiler on every build.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fuzz/checks/fuzz_checks.h"
#include "test_support.h"

namespace tabulon {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;

struct Target {
  const char* name;
  std::string (*check)(std::string_view data);
};

const Target kTargets[] = {
    {"numbers", fuzz::CheckNumbers},
    {"temperature_line", fuzz::CheckTemperatureLine},
    {"coefficient_text", fuzz::CheckCoefficientText},
    {"line_reader", fuzz::CheckLineReader},
    {"name_scan", fuzz::CheckNameScan},
    {"record_lookup", fuzz::CheckRecordLookup},
    {"database_writer", fuzz::CheckDatabaseWriter},
};

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  if (!fs::is_directory(folder)) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(FuzzInputs, SeedsAndKeptFailuresPassEveryPropertyCheck) {
  const fs::path root = TABULON_SOURCE_DIR;
  int seeds = 0;
  for (const Target& target : kTargets) {
    for (const char* folder : {"fuzz/seeds", "tests/regressions"}) {
      for (const fs::path& file : FilesIn(root / folder / target.name)) {
        seeds += folder[0] == 'f';
        EXPECT_EQ(target.check(ReadBytes(file.string())), "") << file;
      }
    }
  }
  EXPECT_GE(seeds, 7 * 5);  // every target has its seeds
}

}  // namespace
}  // namespace tabulon
