// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/merge_marks.h"

namespace tabulon {
namespace {

using Names = std::vector<std::string>;

TEST(MergeMarks, ToggleAndFollowTheLoadedFiles) {
  CommonValue common;
  common.DB1Path = "one.dat";
  common.DB2Path = "two.dat";
  MergeMarks marks(common);
  struct Step {
    const char* what;
    std::function<void()> act;
    Names taken;
    bool adds_only;
  } steps[] = {
      {"nothing marked", [] {}, {}, false},
      {"two marked",
       [&] {
         marks.ToggleTake({"B", "A"});
       },
       {"A", "B"},
       false},
      {"one more: some of these were not marked, so all are",
       [&] {
         marks.ToggleTake({"B", "C"});
       },
       {"A", "B", "C"},
       false},
      {"all of these marked: unmarked",
       [&] {
         marks.ToggleTake({"A", "C"});
       },
       {"B"},
       false},
      {"DB #2's only species", [&] { marks.SetAddOnly(true); }, {"B"}, true},
      {"another DB #2 loaded: the marks are gone",
       [&] { common.DB2Path = "three.dat"; },
       {},
       false},
      {"marking again starts afresh", [&] { marks.ToggleTake({"D"}); }, {"D"}, false},
      {"back to the old file: still afresh", [&] { common.DB2Path = "two.dat"; }, {}, false},
  };
  std::uint64_t revision = marks.Revision();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(marks.TakenNames(), step.taken);
    EXPECT_EQ(marks.AddsOnly(), step.adds_only);
    EXPECT_EQ(marks.Empty(), step.taken.empty() && !step.adds_only);
    for (const std::string& name : step.taken) EXPECT_TRUE(marks.Taken(name)) << name;
    EXPECT_FALSE(marks.Taken("Z"));
    const MergeOptions options = marks.Options();
    EXPECT_EQ(options.take, step.taken);
    EXPECT_EQ(options.add_missing, step.adds_only);
    EXPECT_FALSE(options.drop_duplicates || options.drop_conflicting);
    EXPECT_GE(marks.Revision(), revision);
    revision = marks.Revision();
  }
}

}  // namespace
}  // namespace tabulon
