// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/record_finder.h"

namespace tabulon {
namespace {

using testing::TempDir;

// A pinned file answers every lookup from the bytes read when the pin was taken, whatever
// happens to the file meanwhile; once the pin ends, lookups see the file as it is again.
TEST(RecordFinderPin, AnswersFromOneReadUntilItEnds) {
  TempDir dir;
  const std::string path = dir.Write("therm.dat", "THERMO\nCH4 old\n1\n2\n3\nEND\n");
  const std::string other = dir.Write("other.dat", "O2 x\n1\n2\n3\n");
  RecordFinder finder;
  {
    const RecordFinder::Pin pin(finder, {path, path});
    ASSERT_NE(finder.Pinned(path), nullptr);
    EXPECT_EQ(finder.Pinned(other), nullptr);
    dir.Write("therm.dat", "THERMO\nCH4 new\n1\n2\n3\nH2 y\n1\n2\n3\nEND\n");
    EXPECT_EQ(finder.Find(path, "CH4").record.line1, "CH4 OLD");
    EXPECT_EQ(finder.Find(path, "H2").status, LookupStatus::NotFound);
    std::filesystem::remove(path);
    EXPECT_EQ(finder.Find(path, "CH4").status, LookupStatus::Found);
    EXPECT_EQ(finder.Find(other, "O2").status, LookupStatus::Found) << "other files as usual";
  }
  EXPECT_EQ(finder.Pinned(path), nullptr);
  EXPECT_EQ(finder.Find(path, "CH4").status, LookupStatus::CannotOpen);
  dir.Write("therm.dat", "THERMO\nCH4 newer\n1\n2\n3\nEND\n");
  EXPECT_EQ(finder.Find(path, "CH4").record.line1, "CH4 NEWER");
}

TEST(RecordFinderPin, AFileThatCannotBeReadStaysUnreadableForTheCommand) {
  TempDir dir;
  RecordFinder finder;
  const RecordFinder::Pin pin(finder, {dir.File("missing.dat")});
  dir.Write("missing.dat", "CH4 x\n1\n2\n3\n");
  EXPECT_EQ(finder.Find(dir.File("missing.dat"), "CH4").status, LookupStatus::CannotOpen);
  EXPECT_EQ(finder.Find(dir.File("missing.dat"), "").status, LookupStatus::CannotOpen);
}

}  // namespace
}  // namespace tabulon
