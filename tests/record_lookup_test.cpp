// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/line_reader.h"
#include "thermodb/name_scan.h"
#include "thermodb/record_finder.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

using testing::CorpusFile;
using testing::TempDir;

void ExpectSame(const LookupResult& actual, const LookupResult& expected, const std::string& what) {
  EXPECT_EQ(actual.status, expected.status) << what;
  EXPECT_EQ(actual.record.line1, expected.record.line1) << what;
  EXPECT_EQ(actual.record.line2, expected.record.line2) << what;
  EXPECT_EQ(actual.record.line3, expected.record.line3) << what;
  EXPECT_EQ(actual.record.line4, expected.record.line4) << what;
  EXPECT_EQ(actual.line_number, expected.line_number) << what;
}

// A record found with its line 1 at file line `line`.
LookupResult Found(int line, std::string l1, std::string l2, std::string l3, std::string l4) {
  return {.status = LookupStatus::Found,
          .record = {std::move(l1), std::move(l2), std::move(l3), std::move(l4)},
          .line_number = line};
}

struct LookupCase {
  const char* what;
  std::string bytes;
  std::string name;
  LookupResult expected;
};

// Each case is asked of the literal search and of a RecordFinder, which must agree.
TEST(RecordLookup, FindsTheFirstLineWhoseWordIsTheName) {
  const LookupCase cases[] = {
      {"plain record", "THERMO\nch4 l 200 1\n a2\n a3\n a4\nEND\n", "CH4",
       Found(2, "CH4 L 200 1", " a2", " a3", " a4")},
      {"comments between the lines", "THERMO\nCH4 x\n! c\n !c\n a2\n!\n a3\n a4\nEND\n", "CH4",
       Found(2, "CH4 X", " a2", " a3", " a4")},
      {"an empty line is line 2", "CH4 x\n\n a3\n a4\n", "CH4",
       Found(1, "CH4 X", "", " a3", " a4")},
      {"two blanks then ! is no comment", "CH4 x\n  ! a2\n a3\n a4\n", "CH4",
       Found(1, "CH4 X", "  ! a2", " a3", " a4")},
      {"the first of two records", "CH4 first\n1\n2\n3\nCH4 second\n5\n6\n7\n", "CH4",
       Found(1, "CH4 FIRST", "1", "2", "3")},
      {"before the header", "CH4 early\n1\n2\n3\nTHERMO\nCH4 x\n5\n6\n7\nEND\n", "CH4",
       Found(1, "CH4 EARLY", "1", "2", "3")},
      {"after the end line", "THERMO\nEND\nO2 late\n1\n2\n3\n", "O2",
       Found(3, "O2 LATE", "1", "2", "3")},
      {"a name the scan skips", "THERMO\n1-C4H8 x\n1\n2\n3\nEND\n", "1-C4H8",
       Found(2, "1-C4H8 X", "1", "2", "3")},
      {"line 1 is read through the record", "CH4\nX CH4 y\nCH4 z\n1\n2\n3\n", "CH4",
       Found(3, "CH4 Z", "1", "2", "3")},
      {"a record line may match", "CH4 x\n-1.0E+00 y\n2\n3\n4\n", "-1.0E+00",
       Found(2, "-1.0E+00 Y", "2", "3", "4")},
      {"CR LF and CR line ends", "CH4 x\r\n a2\r a3\r\n a4", "CH4",
       Found(1, "CH4 X", " a2", " a3", " a4")},
      {"not there", "THERMO\nCH4 x\n1\n2\n3\nEND\n", "H2O", {LookupStatus::NotFound, {}}},
      {"a line without a blank never matches",
       "CH4\n1\n2\n3\n",
       "CH4",
       {LookupStatus::NotFound, {}}},
      {"the empty name is never found", "THERMO\n x\n1\n2\n3\n", "", {LookupStatus::NotFound, {}}},
      {"ends after line 2",
       "THERMO\nCH4 x\n a2\n! c\n",
       "CH4",
       {.status = LookupStatus::Incomplete, .record = {"CH4 X", " a2", "", ""}, .line_number = 2}},
      {"ends at line 1",
       "CH4 x",
       "CH4",
       {.status = LookupStatus::Incomplete, .record = {"CH4 X", "", "", ""}, .line_number = 1}},
      {"empty file", "", "CH4", {LookupStatus::NotFound, {}}},
  };
  TempDir dir;
  for (const LookupCase& c : cases) {
    const std::string path = dir.Write("db.dat", c.bytes);
    ExpectSame(FindSpeciesRecord(path, c.name), c.expected, c.what);
    RecordFinder finder;
    ExpectSame(finder.Find(path, c.name), c.expected, std::string(c.what) + " (finder)");
    ExpectSame(finder.Find(path, c.name), c.expected, std::string(c.what) + " (finder again)");
  }
}

TEST(RecordLookup, CannotOpenAMissingFileOrADirectory) {
  TempDir dir;
  RecordFinder finder;
  for (const std::string& path : {dir.File("missing.dat"), dir.Path().string()}) {
    EXPECT_EQ(FindSpeciesRecord(path, "CH4").status, LookupStatus::CannotOpen) << path;
    EXPECT_EQ(finder.Find(path, "CH4").status, LookupStatus::CannotOpen) << path;
    EXPECT_EQ(finder.Find(path, "").status, LookupStatus::CannotOpen) << path;
  }
}

// Every first word of every line, species names and others, plus a few that are nowhere.
std::vector<std::string> WordsOf(const std::string& path) {
  std::set<std::string> words = {"", "NOT-THERE", "CH4 ", "ch4"};
  LineReader reader;
  EXPECT_TRUE(reader.Open(path));
  std::string line;
  while (reader.Next(line)) words.insert(RecordWord(line));
  return {words.begin(), words.end()};
}

TEST(RecordFinder, AgreesWithTheLiteralSearchOnCorpusFiles) {
  TABULON_REQUIRE_CORPUS("gri30_thermo.dat", "methylformate_dooley2010_therm.dat",
                         "cantera_dummy_thermo.dat", "llnl_nheptane_v2_upper_crlf.dat",
                         "hp_dme_therm.dat", "cantera_species_names.inp");
  for (const char* name :
       {"gri30_thermo.dat", "methylformate_dooley2010_therm.dat", "cantera_dummy_thermo.dat",
        "llnl_nheptane_v2_upper_crlf.dat", "hp_dme_therm.dat", "cantera_species_names.inp"}) {
    const std::string path = CorpusFile(name);
    RecordFinder finder;
    for (const std::string& word : WordsOf(path)) {
      ExpectSame(finder.Find(path, word), FindSpeciesRecord(path, word),
                 std::string(name) + ": " + word);
    }
  }
}

// Replaces the file's bytes in place (same inode) and gives it back its old modification time,
// so that only the content tells the versions apart.
void RewriteKeepingStamp(const std::string& path, const std::string& bytes) {
  struct stat before {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  const struct timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(RecordFinder, FollowsTheFileWhenItIsRewritten) {
  TempDir dir;
  const std::string path = dir.Write("db.dat", "THERMO\nCH4 a\n1\n2\n3\nO2 a\n1\n2\n3\nEND\n");
  RecordFinder finder;
  ASSERT_EQ(finder.Find(path, "O2").record.line1, "O2 A");

  // A new size.
  dir.Write("db.dat", "THERMO\nO2 bb\n4\n5\n6\nCH4 bb\n4\n5\n6\nEND\n");
  ExpectSame(finder.Find(path, "O2"), Found(2, "O2 BB", "4", "5", "6"), "resized");
  ExpectSame(finder.Find(path, "CH4"), Found(6, "CH4 BB", "4", "5", "6"), "resized");

  // Same size, same modification time, same inode: the stale position is caught by its check.
  RewriteKeepingStamp(path, "THERMO\nCH4 cc\n7\n8\n9\nO2 cc\n7\n8\n9\nEND\n");
  ExpectSame(finder.Find(path, "O2"), Found(6, "O2 CC", "7", "8", "9"), "same stamp");
  ExpectSame(finder.Find(path, "CH4"), Found(2, "CH4 CC", "7", "8", "9"), "same stamp");
  // ... and a name that the stale index never held is found too.
  RewriteKeepingStamp(path, "THERMO\nCH4 cc\n7\n8\n9\nN2 cc\n7\n8\n9\nEND\n");
  ExpectSame(finder.Find(path, "N2"), Found(6, "N2 CC", "7", "8", "9"), "new name, same stamp");

  // Replaced by another file of the same size and time: a new inode.
  const std::string other = dir.Write("other.dat", "THERMO\nO2 dd\n1\n2\n3\nH2 dd\n1\n2\n3\nEND\n");
  struct stat old_stamp {};
  ASSERT_EQ(::stat(path.c_str(), &old_stamp), 0);
  const struct timespec times[2] = {old_stamp.st_atim, old_stamp.st_mtim};
  ASSERT_EQ(::utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
  std::filesystem::rename(other, path);
  ExpectSame(finder.Find(path, "H2"), Found(6, "H2 DD", "1", "2", "3"), "replaced");
  EXPECT_EQ(finder.Find(path, "CH4").status, LookupStatus::NotFound);

  std::filesystem::remove(path);
  EXPECT_EQ(finder.Find(path, "H2").status, LookupStatus::CannotOpen);
}

}  // namespace
}  // namespace tabulon
