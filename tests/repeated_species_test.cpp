// SPDX-License-Identifier: GPL-3.0-or-later
// The repeated-name warning of the comparison names the species the user has to rename.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "batch_run.h"
#include "compare/repeated_species.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using Names = std::vector<std::string>;

TEST(RepeatedNamesAlsoIn, NamesEachRepeatThatTheOtherDatabaseAlsoHolds) {
  struct Case {
    Names list;
    Names other;
    Names repeated;
  };
  const Case cases[] = {
      {{"A", "A", "C", "C"}, {"B", "C"}, {"C"}},
      {{"A", "A", "A", "B"}, {"A", "B"}, {"A"}},  // a run of three is named once
      {{"A", "A", "B", "B"}, {"C"}, {}},          // repeats absent from the other side
      {{"A", "B", "C"}, {"A", "B", "C"}, {}},
      {{"", ""}, {""}, {""}},
      {{}, {"A"}, {}},
      {{"A", "A", "B", "C", "C", "D", "D"}, {"D", "A", "C"}, {"A", "C", "D"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RepeatedNamesAlsoIn(c.list, c.other), c.repeated) << c.list.size();
  }
}

TEST(NameLines, ListsTheFirstTwentyThenHowManyMore) {
  Names names;
  for (int i = 0; i < 23; ++i) names.push_back("S" + std::to_string(i));
  const Names lines = NameLines(names);
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[0], "S0");
  EXPECT_EQ(lines[19], "S19");
  EXPECT_EQ(lines[20], "and 3 more");

  const Names twenty(names.begin(), names.begin() + 20);
  EXPECT_EQ(NameLines(twenty), twenty);
  EXPECT_TRUE(NameLines({}).empty());
}

// Three records of A and of C keep two entries each after loading; C, also in DB #2, then makes
// DB #1's counts disagree, and the warning names it.
TEST(RepeatedNames, TabulonBatchPrintsTheWarningWithTheNames) {
  testing::TempDir dir;
  using testing::GasRecord;
  const std::string db1 =
      dir.Write("db1.dat", testing::DatabaseText({GasRecord("A"), GasRecord("A"), GasRecord("A"),
                                                  GasRecord("C"), GasRecord("C"), GasRecord("C")}));
  const std::string db2 =
      dir.Write("db2.dat", testing::DatabaseText({GasRecord("B"), GasRecord("C")}));
  const testing::BatchRun run = testing::RunBatch({"compare", db1, db2}, dir);
  EXPECT_NE(run.err.find("Two (or more) species have the same name!\n  \n"
                         "  TABULON has detected a problem.\n"
                         "  Two (or more) species have the same name in DB #1...\n"
                         "  You need to identify and rename those species.\n  C\n"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace tabulon
