// SPDX-License-Identifier: GPL-3.0-or-later
// The set comparison of CMD3: matching, pruning, counts, captions and the repeated-name checks.
#include <algorithm>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/compare_databases.h"
#include "app/model/compare_sets.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::DatabaseText;
using testing::GasRecord;
using testing::TempDir;
using testing::TestWindow;
using testing::UseLoadedList;
using Names = std::vector<std::string>;

// ---- The entry-by-entry passes, transcribed as the window runs them, to check the fast ones.

Names EntryByEntryMatching(const Names& list1, const Names& list2) {
  Names common;
  for (const std::string& a : list1) {
    for (const std::string& b : list2) {
      if (a == b) common.push_back(a);
    }
  }
  return common;
}

struct PrunedList {
  Names remaining;
  std::optional<int> failed_entry;
};

PrunedList EntryByEntryPruning(const Names& list, const Names& common) {
  PrunedList result{list, std::nullopt};
  int k = 0;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    for (const std::string& name : common) {
      if (name != list[static_cast<std::size_t>(i)]) continue;
      if (i - k < 0) {
        result.failed_entry = i;
        return result;
      }
      result.remaining.erase(result.remaining.begin() + (i - k));
      ++k;
    }
  }
  return result;
}

Names RandomSortedList(std::mt19937& random) {
  const char* names[] = {"A", "B", "C", "D", "E"};
  std::uniform_int_distribution<int> length(0, 12);
  std::uniform_int_distribution<int> pick(0, 4);
  Names list;
  for (int n = length(random); n > 0; --n) list.push_back(names[pick(random)]);
  std::sort(list.begin(), list.end());
  return list;
}

TEST(CompareSets, FastPassesGiveTheEntryByEntryResultsOnListsWithRepeats) {
  std::mt19937 random(20050501);
  int failures_seen = 0;
  for (int round = 0; round < 5000; ++round) {
    const Names list1 = RandomSortedList(random);
    const Names list2 = RandomSortedList(random);
    const Names expected_common = EntryByEntryMatching(list1, list2);

    Names common;
    for (int i : CommonMatches(list1, list2, 100000)) common.push_back(list1[i]);
    ASSERT_EQ(common, expected_common);

    for (const Names* list : {&list1, &list2}) {
      const PrunedList expected = EntryByEntryPruning(*list, common);
      const Pruning pruning = PruneOneSided(*list, common);
      Names remaining;
      for (std::size_t i = 0; i < list->size(); ++i) {
        if (!std::binary_search(pruning.removed.begin(), pruning.removed.end(), i)) {
          remaining.push_back((*list)[i]);
        }
      }
      ASSERT_EQ(pruning.failed_entry, expected.failed_entry);
      ASSERT_EQ(remaining, expected.remaining);
      ASSERT_TRUE(std::is_sorted(pruning.removed.begin(), pruning.removed.end()));
      if (expected.failed_entry) ++failures_seen;
    }
  }
  EXPECT_GT(failures_seen, 100);  // the random lists do reach the removal failure
}

// ---- The whole command on lists as loading would leave them.

std::string RemovalMessage(const std::string& name) {
  return "Invalid list position\r\nTABULON has detected a problem.\r\n"
         "Two (or more) species have the same name...\r\n"
         "You need to rename the following species: \r\n" +
         name + "\r\nPlease, Close Tabulon first.";
}

// The count-check warning, which ends with the repeated species that made the counts differ.
std::string CountCheckMessage(const std::string& db, const std::string& repeated) {
  return "\r\nTABULON has detected a problem.\r\nTwo (or more) species have the same name in DB #" +
         db + "...\r\nYou need to identify and rename those species.\r\n" + repeated;
}

// Writes a database holding one record per distinct name, so the report finds every species.
std::string WriteDatabase(const TempDir& dir, const std::string& file, const Names& names) {
  std::vector<std::string> records;
  for (const std::string& name : std::set<std::string>(names.begin(), names.end())) {
    records.push_back(GasRecord(name));
  }
  return dir.Write(file, DatabaseText(records));
}

struct ComparedWindow {
  TempDir dir;
  TestWindow t;

  ComparedWindow(const Names& list1, const Names& list2) {
    UseLoadedList(t.window, Db::One, WriteDatabase(dir, "db1.dat", list1), list1);
    UseLoadedList(t.window, Db::Two, WriteDatabase(dir, "db2.dat", list2), list2);
    // Captions of an earlier run, to see which ones the run sets.
    for (Label* label : {&t.window.List3Nbr, &t.window.List4Nbr, &t.window.List5Nbr}) {
      label->SetCaption("(9)");
    }
  }
  bool ReportWritten() const { return std::filesystem::exists(dir.File("Comp.txt")); }
};

struct ComparisonCase {
  const char* what;
  Names list1, list2;
  Names los3, los4, los5;
  const char* captions[3];  // List3Nbr, List4Nbr, List5Nbr; "(9)" is the earlier caption kept
  const char* msglbl1;
  std::vector<std::string> messages;
  int repaints;
  bool report_written;
};

TEST(CompareDatabases, SplitsTheListsAndChecksRepeatedNames) {
  const std::string done = "Output copied to: Comp.txt";
  // A run that ends early says so, also after the removal failure's own message.
  const char* not_written = "Comp.txt not written completely";
  const ComparisonCase cases[] = {
      {"usual",
       {"CH4", "N2", "O2"},
       {"AR", "CH4", "N2"},
       {"CH4", "N2"},
       {"O2"},
       {"AR"},
       {"(2)", "(1)", "(1)"},
       done.c_str(),
       {},
       1,
       true},
      {"nothing in common",
       {"A", "B"},
       {"C"},
       {},
       {"A", "B"},
       {"C"},
       {"(0)", "(2)", "(1)"},
       done.c_str(),
       {},
       0,
       true},
      {"repeat in DB #1 fails its pruning",
       {"A", "A"},
       {"A"},
       {"A", "A"},
       {"A"},
       {},
       {"(2)", "(9)", "(9)"},
       not_written,
       {RemovalMessage("A")},
       0,
       false},
      {"repeat in DB #2 fails its pruning",
       {"A", "B", "C"},
       {"C", "C"},
       {"C", "C"},
       {"A"},
       {"C"},
       {"(2)", "(1)", "(9)"},
       not_written,
       {RemovalMessage("C")},
       1,
       false},
      {"repeat absent from the other side is not seen",
       {"A", "A", "B"},
       {"B"},
       {"B"},
       {"A", "A"},
       {},
       {"(1)", "(2)", "(0)"},
       done.c_str(),
       {},
       1,
       true},
      {"repeat in DB #2 found by the count check",
       {"A", "C"},
       {"B", "B", "C", "C"},
       {"C", "C"},
       {},
       {},
       {"(2)", "(0)", "(0)"},
       done.c_str(),
       {CountCheckMessage("2", "C")},
       1,
       true},
      {"repeat in DB #1 found by the count check",
       {"A", "A", "C", "C"},
       {"B", "C"},
       {"C", "C"},
       {},
       {},
       {"(2)", "(0)", "(0)"},
       done.c_str(),
       {CountCheckMessage("1", "C")},
       1,
       true},
  };
  for (const ComparisonCase& c : cases) {
    SCOPED_TRACE(c.what);
    ComparedWindow run(c.list1, c.list2);
    MainWindowModel& w = run.t.window;
    w.CMD3.Click();

    EXPECT_EQ(w.LOS3.Items(), c.los3);
    EXPECT_EQ(w.LOS4.Items(), c.los4);
    EXPECT_EQ(w.LOS5.Items(), c.los5);
    EXPECT_EQ(w.List3Nbr.Caption(), c.captions[0]);
    EXPECT_EQ(w.List4Nbr.Caption(), c.captions[1]);
    EXPECT_EQ(w.List5Nbr.Caption(), c.captions[2]);
    EXPECT_EQ(w.msglbl1.Caption(), c.msglbl1);
    // A list is ready once it holds entries and its count is shown.
    EXPECT_EQ(w.common.CommonReady, !c.los3.empty());
    EXPECT_EQ(w.common.Only1Ready, !c.los4.empty() && w.List4Nbr.Caption() != "(9)");
    EXPECT_EQ(w.common.Only2Ready, !c.los5.empty() && w.List5Nbr.Caption() != "(9)");
    std::vector<std::string> texts;
    for (const Message& message : run.t.platform.messages) {
      texts.push_back(message.text);
      EXPECT_EQ(message.title, "Two (or more) species have the same name!");
      EXPECT_EQ(message.icon, MessageIcon::Error);
    }
    EXPECT_EQ(texts, c.messages);
    EXPECT_EQ(run.t.platform.repaints, c.repaints);
    EXPECT_EQ(run.ReportWritten(), c.report_written);
    EXPECT_EQ(w.CMD4.Visible(), c.report_written && !c.los3.empty());
    EXPECT_EQ(w.Ktxt3.Visible(), w.CMD4.Visible());
    EXPECT_TRUE(run.t.platform.silent_failures.empty());
  }
}

TEST(CompareDatabases, ASecondRunGivesTheSameListsAndReport) {
  ComparedWindow run({"A", "B", "C"}, {"B", "C", "D"});
  MainWindowModel& w = run.t.window;
  w.CMD3.Click();
  const std::string first_report = testing::ReadBytes(run.dir.File("Comp.txt"));
  const Names los3 = w.LOS3.Items(), los4 = w.LOS4.Items(), los5 = w.LOS5.Items();
  w.CMD3.Click();
  EXPECT_EQ(w.LOS3.Items(), los3);
  EXPECT_EQ(w.LOS4.Items(), los4);
  EXPECT_EQ(w.LOS5.Items(), los5);
  EXPECT_EQ(testing::ReadBytes(run.dir.File("Comp.txt")), first_report);
}

TEST(CompareDatabases, MatchesNothingUnlessBothDatabasesAreLoaded) {
  ComparedWindow run({"A", "B"}, {"B", "C"});
  run.t.window.common.DB2Loaded = false;
  run.t.window.CMD3.Click();
  EXPECT_EQ(run.t.window.LOS3.Count(), 0);
  EXPECT_EQ(run.t.window.LOS4.Items(), (Names{"A", "B"}));
  EXPECT_EQ(run.t.window.LOS5.Items(), (Names{"B", "C"}));
  EXPECT_EQ(run.t.window.List3Nbr.Caption(), "(0)");
  EXPECT_FALSE(run.t.window.CMD4.Visible());
}

TEST(CompareDatabases, DoesNothingWithoutBothPathCaptions) {
  ComparedWindow run({"A"}, {"A"});
  MainWindowModel& w = run.t.window;
  w.Lbl2.SetCaption("");
  w.PropTxt[3].SetText("1.0");
  w.msglbl1.SetCaption("earlier");
  w.CMD3.Click();
  EXPECT_EQ(w.PropTxt[3].Text(), "1.0");
  EXPECT_EQ(w.msglbl1.Caption(), "earlier");
  EXPECT_EQ(w.LOS3.Count(), 0);
  EXPECT_FALSE(run.ReportWritten());
}

TEST(CompareDatabases, EmptiesTheDetailViewsBeforeAndAfterTheReport) {
  ComparedWindow run({"A", "B"}, {"A", "C"});
  MainWindowModel& w = run.t.window;
  w.THERMIMG.SetVisible(true);
  w.TXT2CPBis.SetVisible(true);
  w.TXT1CP.SetText(" 4.968");
  w.Lbl8.SetCaption(" 200   5000   1000");
  w.CMD3.Click();
  EXPECT_FALSE(w.THERMIMG.Visible());
  EXPECT_FALSE(w.TXT2CPBis.Visible());
  EXPECT_EQ(w.TXT1CP.Text(), "");
  for (int i = 0; i < 28; ++i) EXPECT_EQ(w.PropTxt[i].Text(), "") << i;
  for (const Label* label : {&w.Lbl8, &w.Lbl9, &w.Lbl10, &w.Lbl11, &w.Lbl12, &w.Lbl13}) {
    EXPECT_EQ(label->Caption(), "") << label->Name();
  }
}

TEST(CompareDatabases, MoreThan32767MatchesEndTheRunSayingSo) {
  ComparedWindow run(Names(200, "A"), Names(200, "A"));  // 40,000 matches
  MainWindowModel& w = run.t.window;
  w.CMD3.Click();
  EXPECT_EQ(w.LOS3.Count(), 32768);  // the entry is appended before the count fails
  EXPECT_EQ(w.common.CommonCount, 32767);
  EXPECT_EQ(w.List3Nbr.Caption(), "(9)");
  ASSERT_EQ(run.t.platform.messages.size(), 1u);
  EXPECT_EQ(run.t.platform.messages[0].text,
            "Overflow\r\nTABULON has detected a problem.\r\nComp.txt was not written completely:"
            "\r\n" +
                run.dir.File("Comp.txt") + ": Overflow (count beyond 32767)");
  EXPECT_EQ(w.msglbl1.Caption(), "Comp.txt not written completely");
  EXPECT_TRUE(run.t.platform.silent_failures.empty());
  EXPECT_FALSE(run.ReportWritten());
}

}  // namespace
}  // namespace tabulon
