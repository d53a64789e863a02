// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/database_merge.h"
#include "test_support.h"
#include "thermodb/database_save.h"
#include "thermodb/thermo_file.h"

namespace tabulon {
namespace {

using testing::RecordShape;
using Names = std::vector<std::string>;

RecordShape Shape(const char* name, double a1 = 3.5) {
  return {
      .name = name, .high_set = {a1, 0, 0, 0, 0, -1000, 4}, .low_set = {a1, 0, 0, 0, 0, -1000, 4}};
}

ThermoFile Database(const char* path, const std::vector<RecordShape>& shapes) {
  return ThermoFile::Of(FileSnapshot::OfBytes(path, testing::RecordsDatabaseText(shapes)));
}

// The names of the records the output reads as, and its comment lines, in order.
struct Read {
  Names names;
  Names comments;
};
Read ReadBack(const DatabaseEdit& edit) {
  const ThermoFile out = ThermoFile::Of(FileSnapshot::OfBytes("out.dat", edit.Build().bytes));
  EXPECT_TRUE(out.Outcome().Succeeded());
  Read read{out.Names(), {}};
  for (std::size_t i = 0; i < out.LineCount(); ++i) {
    if (out.Text().Line(i).starts_with("!")) read.comments.emplace_back(out.Text().Line(i));
  }
  return read;
}

// DB #1: A, B, C, then B again (identical) and C again (other coefficients); DB #2: B (other
// coefficients), D, E, D again. Records start at line 3, four lines each.
const std::vector<RecordShape> kFirst = {Shape("A"), Shape("B"), Shape("C"), Shape("B"),
                                         Shape("C", 4)};
const std::vector<RecordShape> kSecond = {Shape("B", 5), Shape("D"), Shape("E"), Shape("D", 6)};

TEST(DatabaseMerge, TakesAddsAndDropsAsAsked) {
  const ThermoFile first = Database("one.dat", kFirst), second = Database("two.dat", kSecond);
  const std::string b_taken = "! taken from two.dat line 3";
  const Names all_of_first = {"A", "B", "C", "B", "C"};
  struct Case {
    const char* what;
    MergeOptions options;
    Names names;
    Names comments = {};
    Names problems = {};
    std::vector<int> dropped = {};
  } cases[] = {
      {"nothing asked", {}, all_of_first},
      {"B taken", {.take = {"B"}}, all_of_first, {b_taken}},
      {"a name DB #2 lacks",
       {.take = {"X", "B"}},
       all_of_first,
       {b_taken},
       {"X is not in two.dat"}},
      {"a name DB #1 lacks is added",
       {.take = {"D"}},
       {"A", "B", "C", "B", "C", "D"},
       {"! taken from two.dat line 7"}},
      {"DB #2's species missing from DB #1, each once",
       {.add_missing = true},
       {"A", "B", "C", "B", "C", "D", "E"},
       {"! added from two.dat line 7", "! added from two.dat line 11"}},
      {"identical repeats dropped", {.drop_duplicates = true}, {"A", "B", "C", "C"}, {}, {}, {15}},
      {"conflicting repeats dropped too",
       {.drop_conflicting = true},
       {"A", "B", "C"},
       {},
       {},
       {15, 19}},
      {"all at once",
       {.take = {"B", "E"}, .add_missing = true, .drop_duplicates = true},
       {"A", "B", "C", "C", "E", "D"},
       {b_taken, "! taken from two.dat line 11", "! added from two.dat line 7"},
       {},
       {15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    DatabaseEdit edit(first);
    const MergeSummary summary = MergeDatabases(first, second, c.options, edit);
    const Read read = ReadBack(edit);
    EXPECT_EQ(read.names, c.names);
    EXPECT_EQ(read.comments, c.comments);
    EXPECT_EQ(summary.problems, c.problems);
    EXPECT_EQ(summary.dropped_lines, c.dropped);
  }
}

TEST(DatabaseMerge, SubsetKeepsTheFirstRecordOfEachListedName) {
  const ThermoFile source = Database("one.dat", kFirst);
  struct Case {
    Names wanted, names, missing;
  } cases[] = {
      {{"C", "A", "Z"}, {"A", "C"}, {"Z"}},
      {{"B"}, {"B"}, {}},
      {{}, {}, {}},
      {{"A", "B", "C"}, {"A", "B", "C"}, {}},
  };
  for (const Case& c : cases) {
    DatabaseEdit edit(source);
    const SubsetSummary summary = SubsetDatabase(source, c.wanted, edit);
    EXPECT_EQ(ReadBack(edit).names, c.names);
    EXPECT_EQ(summary.kept, c.names.size());
    EXPECT_EQ(summary.missing, c.missing);
  }
}

// Two real databases merged every way at once, and a subset of one: each record of the output
// is, line for line, the record it came from.
TEST(DatabaseMerge, CorpusRecordsKeepTheirLines) {
  TABULON_REQUIRE_CORPUS("llnl_prf_v3_therm.txt", "llnl_nheptane_v2_upper_crlf.dat");
  const ThermoFile first = ThermoFile::Read(testing::CorpusFile("llnl_prf_v3_therm.txt"));
  const ThermoFile second =
      ThermoFile::Read(testing::CorpusFile("llnl_nheptane_v2_upper_crlf.dat"));
  Names common;
  for (const ThermoRecord& record : second.Records()) {
    if (first.Find(record.name) && common.size() < 200) common.push_back(record.name);
  }
  ASSERT_EQ(common.size(), 200u);
  DatabaseEdit edit(first);
  const MergeSummary summary = MergeDatabases(
      first, second, {.take = common, .add_missing = true, .drop_conflicting = true}, edit);
  EXPECT_EQ(summary.taken.size(), 200u);
  EXPECT_FALSE(summary.added.empty());
  EXPECT_EQ(summary.dropped_lines.size(), 83u);  // the names prf v3 defines twice
  const DatabaseOutput output = edit.Build();
  const ThermoFile merged = ThermoFile::Of(FileSnapshot::OfBytes("merged.dat", output.bytes));
  EXPECT_EQ(WrittenRecordsProblem(merged, output.records), "");
  ASSERT_EQ(merged.Records().size(), first.Records().size() - 83 + summary.added.size());
  for (std::size_t i = 0; i < merged.Records().size(); ++i) {
    const ThermoRecord& record = merged.Records()[i];
    const ThermoRecord* from = output.records[i].as_read;
    ASSERT_EQ(record.Lines(), from->Lines()) << record.name;
    const bool from_second =
        from >= second.Records().data() && from < second.Records().data() + second.Records().size();
    EXPECT_EQ(from_second, std::find(common.begin(), common.end(), record.name) != common.end() ||
                               !first.Find(record.name))
        << record.name;
  }
}

}  // namespace
}  // namespace tabulon
