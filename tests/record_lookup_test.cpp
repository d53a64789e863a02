// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/record_lookup.h"

namespace tabulon {
namespace {

using testing::TempDir;

void ExpectSame(const LookupResult& actual, const LookupResult& expected, const std::string& what) {
  EXPECT_EQ(actual.status, expected.status) << what;
  EXPECT_EQ(actual.record.line1, expected.record.line1) << what;
  EXPECT_EQ(actual.record.line2, expected.record.line2) << what;
  EXPECT_EQ(actual.record.line3, expected.record.line3) << what;
  EXPECT_EQ(actual.record.line4, expected.record.line4) << what;
}

LookupResult Found(std::string l1, std::string l2, std::string l3, std::string l4) {
  return {LookupStatus::Found, {std::move(l1), std::move(l2), std::move(l3), std::move(l4)}};
}

struct LookupCase {
  const char* what;
  std::string bytes;
  std::string name;
  LookupResult expected;
};

TEST(RecordLookup, FindsTheFirstLineWhoseWordIsTheName) {
  const LookupCase cases[] = {
      {"plain record", "THERMO\nch4 l 200 1\n a2\n a3\n a4\nEND\n", "CH4",
       Found("CH4 L 200 1", " a2", " a3", " a4")},
      {"comments between the lines", "THERMO\nCH4 x\n! c\n !c\n a2\n!\n a3\n a4\nEND\n", "CH4",
       Found("CH4 X", " a2", " a3", " a4")},
      {"an empty line is line 2", "CH4 x\n\n a3\n a4\n", "CH4", Found("CH4 X", "", " a3", " a4")},
      {"two blanks then ! is no comment", "CH4 x\n  ! a2\n a3\n a4\n", "CH4",
       Found("CH4 X", "  ! a2", " a3", " a4")},
      {"the first of two records", "CH4 first\n1\n2\n3\nCH4 second\n5\n6\n7\n", "CH4",
       Found("CH4 FIRST", "1", "2", "3")},
      {"before the header", "CH4 early\n1\n2\n3\nTHERMO\nCH4 x\n5\n6\n7\nEND\n", "CH4",
       Found("CH4 EARLY", "1", "2", "3")},
      {"after the end line", "THERMO\nEND\nO2 late\n1\n2\n3\n", "O2",
       Found("O2 LATE", "1", "2", "3")},
      {"a name the scan skips", "THERMO\n1-C4H8 x\n1\n2\n3\nEND\n", "1-C4H8",
       Found("1-C4H8 X", "1", "2", "3")},
      {"line 1 is read through the record", "CH4\nX CH4 y\nCH4 z\n1\n2\n3\n", "CH4",
       Found("CH4 Z", "1", "2", "3")},
      {"a record line may match", "CH4 x\n-1.0E+00 y\n2\n3\n4\n", "-1.0E+00",
       Found("-1.0E+00 Y", "2", "3", "4")},
      {"CR LF and CR line ends", "CH4 x\r\n a2\r a3\r\n a4", "CH4",
       Found("CH4 X", " a2", " a3", " a4")},
      {"not there", "THERMO\nCH4 x\n1\n2\n3\nEND\n", "H2O", {LookupStatus::NotFound, {}}},
      {"a line without a blank never matches",
       "CH4\n1\n2\n3\n",
       "CH4",
       {LookupStatus::NotFound, {}}},
      {"a name with a blank is never found",
       "THERMO\nCH4 A x\n1\n2\n3\nEND\n",
       "CH4 A",
       {LookupStatus::NotFound, {}}},
      {"the empty name is never found", "THERMO\n x\n1\n2\n3\n", "", {LookupStatus::NotFound, {}}},
      {"ends after line 2",
       "THERMO\nCH4 x\n a2\n! c\n",
       "CH4",
       {LookupStatus::Incomplete, {"CH4 X", " a2", "", ""}}},
      {"ends at line 1", "CH4 x", "CH4", {LookupStatus::Incomplete, {"CH4 X", "", "", ""}}},
      {"empty file", "", "CH4", {LookupStatus::NotFound, {}}},
  };
  TempDir dir;
  for (const LookupCase& c : cases) {
    const std::string path = dir.Write("db.dat", c.bytes);
    ExpectSame(FindSpeciesRecord(path, c.name), c.expected, c.what);
  }
}

TEST(RecordLookup, CannotOpenAMissingFileOrADirectory) {
  TempDir dir;
  for (const std::string& path : {dir.File("missing.dat"), dir.Path().string()}) {
    EXPECT_EQ(FindSpeciesRecord(path, "CH4").status, LookupStatus::CannotOpen) << path;
  }
}

}  // namespace
}  // namespace tabulon
