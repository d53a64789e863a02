// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/model/loaded_databases.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::TempDir;
using testing::TestWindow;

std::string Line1Of(const ThermoFile& file, std::string_view name) {
  const ThermoRecord* record = file.Find(name);
  return record ? std::string(record->Line(0)) : "(none)";
}

// The kept file answers while the file on disk is its version, and each new version is read
// once: a new size, a file renamed over it, a removed file.
TEST(LoadedDatabases, AKeptFileAnswersUntilTheFileChanges) {
  TempDir dir;
  const std::string path = dir.Write("db.dat", "THERMO\nCH4 a\n1\n2\n3\nEND\n");
  LoadedDatabases databases;
  const std::shared_ptr<const ThermoFile> first = databases.Current(Db::One, path);
  EXPECT_EQ(databases.Current(Db::One, path), first) << "unchanged: no second read";
  EXPECT_NE(databases.Current(Db::Two, path), first) << "each side keeps its own";

  dir.Write("db.dat", "THERMO\nCH4 bb\n1\n2\n3\nEND\n");
  const std::shared_ptr<const ThermoFile> resized = databases.Current(Db::One, path);
  EXPECT_EQ(Line1Of(*resized, "CH4"), "CH4 bb");
  EXPECT_EQ(Line1Of(*first, "CH4"), "CH4 a") << "an earlier read stays as it was";

  std::filesystem::rename(dir.Write("other.dat", "THERMO\nCH4 cc\n1\n2\n3\nEND\n"), path);
  EXPECT_EQ(Line1Of(*databases.Current(Db::One, path), "CH4"), "CH4 cc");

  std::filesystem::remove(path);
  EXPECT_FALSE(databases.Current(Db::One, path)->Readable());
}

// During a command the files taken at its start answer every lookup, whatever happens to them
// (unreadable ones stay unreadable); after it, lookups see the files as they are again.
TEST(LoadedDatabases, ACommandAnswersFromTheFilesItTook) {
  TempDir dir;
  TestWindow t;
  t.UseDatabase(Db::One, dir.Write("one.dat", "THERMO\nCH4 old\n1\n2\n3\nEND\n"), {"CH4"});
  t.UseDatabase(Db::Two, dir.File("missing.dat"), {"CH4"});
  {
    const CommandFiles files(t.window);
    dir.Write("one.dat", "THERMO\nCH4 new\n1\n2\n3\nH2 y\n1\n2\n3\nEND\n");
    dir.Write("missing.dat", "THERMO\nCH4 x\n1\n2\n3\nEND\n");
    EXPECT_EQ(Line1Of(files.One(), "CH4"), "CH4 old");
    EXPECT_EQ(Line1Of(*t.window.databases.Current(Db::One, t.window.common.DB1Path), "H2"),
              "(none)");
    EXPECT_FALSE(t.window.databases.Current(Db::Two, t.window.common.DB2Path)->Readable());
    EXPECT_FALSE(files.Two().Readable());
  }
  EXPECT_EQ(Line1Of(*t.window.databases.Current(Db::One, t.window.common.DB1Path), "H2"), "H2 y");
  EXPECT_TRUE(t.window.databases.Current(Db::Two, t.window.common.DB2Path)->Readable());
}

}  // namespace
}  // namespace tabulon
