// SPDX-License-Identifier: GPL-3.0-or-later
// Comp.txt, the coefficient comparison report, computed from two databases' records.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/ascii_text.h"
#include "compare/comp_report.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::CaughtLines;
using testing::FileOf;
using testing::GasFields;
using testing::GasRecord;
using testing::ReportLines;

const std::string kTildes(43, '~');
const std::string kRule = "*" + std::string(41, '-') + "*";
const std::vector<std::string> kCommonHeader = {
    "Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4",
    "Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4", "Coef // Mech1         | Mech2    "};

std::vector<std::string> WithFields(std::vector<std::string> fields,
                                    const std::vector<std::pair<int, std::string>>& changes) {
  for (const auto& [index, text] : changes) fields[static_cast<std::size_t>(index)] = text;
  return fields;
}

// The lines of a record as the report writes them: comment lines left out, line 1 upper-cased.
std::vector<std::string> RecordLines(const std::string& record) {
  std::vector<std::string> lines;
  for (const std::string& line : ReportLines(record)) {
    if (!line.empty() && !line.starts_with("!")) lines.push_back(line);
  }
  lines[0] = UpperAscii(lines[0]);
  return lines;
}

// Two databases in memory and the lists of a comparison of them.
struct CompRun {
  ThermoFile db1, db2;
  std::vector<std::string> only1, only2, common;
  std::array<bool, 2> hf{};
  CaughtLines sink;

  CompRun(const std::vector<std::string>& records1, const std::vector<std::string>& records2)
      : db1(FileOf(records1, "db1.dat")), db2(FileOf(records2, "db2.dat")) {}

  ReportRunResult Run() {
    const CompReportInput input{.db1 = &db1,
                                .db2 = &db2,
                                .db1_path = "db1.dat",
                                .db2_path = "db2.dat",
                                .db1_count = 3,
                                .db2_count = 3,
                                .only1 = only1,
                                .only2 = only2,
                                .common = common,
                                .hf_asked = hf,
                                .r_gas = 1.9872f,
                                .fields = {}};
    return RunCompReport(input, sink);
  }
  // The lines after the common section's header.
  std::vector<std::string> CommonBlocks() const {
    auto header = std::find(sink.lines.begin(), sink.lines.end(), kCommonHeader.back());
    return header == sink.lines.end() ? std::vector<std::string>{}
                                      : std::vector<std::string>(header + 1, sink.lines.end());
  }
};

TEST(CompReport, LaysOutOneSidedRecordsAndDifferingCoefficients) {
  const std::string ch4_1 = GasRecord("CH4", WithFields(GasFields(), {{0, "1.65326226E+00"},
                                                                      {2, "-2.46617581E-02"},
                                                                      {7, "2.50000000E+00"},
                                                                      {8, "1.00000000E-03"}}));
  const std::string ch4_2 = GasRecord("CH4", WithFields(GasFields(), {{0, "1.63552643E+00"},
                                                                      {2, "2.46617581E-02"},
                                                                      {7, "2.500000001E+00"},
                                                                      {8, "0.00000000E+00"}}));
  // A lower-case line 1 and a comment line inside the record.
  std::string n2 = GasRecord("n2");
  n2.insert(n2.find("\r\n") + 2, "! a comment inside the record\r\n");
  CompRun run({GasRecord("AR"), ch4_1, n2}, {GasRecord("AR"), ch4_2, GasRecord("HE")});
  run.only1 = {"N2"};
  run.only2 = {"HE"};
  run.common = {"AR", "CH4"};
  const ReportRunResult result = run.Run();

  std::vector<std::string> expected = {"DB #1: db1.dat\t 3 Species", "DB #2: db2.dat\t 3 Species",
                                       "", "List of species in DB # 1 but not in DB # 2    1",
                                       kTildes};
  auto append = [&expected](const std::vector<std::string>& lines) {
    expected.insert(expected.end(), lines.begin(), lines.end());
  };
  append(RecordLines(n2));
  append({"", "", kRule, "", "", "List of species in DB # 2 but not in DB # 1    1", kTildes});
  append(RecordLines(GasRecord("HE")));
  append({"", "", kRule, "", "", "List of common species    2", kTildes});
  append(kCommonHeader);
  append({"AR", "CH4", "a1 //  1.65326226E+00     |      1.63552643E+00", "",
          "a3 // -2.46617581E-02     |      2.46617581E-02", "",
          "a'2 //  1.00000000E-03     |     0.00000000E+00", ""});
  EXPECT_EQ(run.sink.lines, expected);
  EXPECT_TRUE(result.events.empty());
  EXPECT_FALSE(result.failure);

  // The views end on the last common species, its differing texts padded in the boxes.
  ASSERT_TRUE(result.views);
  const DetailViewEnd& one = (*result.views)[0];
  const DetailViewEnd& two = (*result.views)[1];
  EXPECT_EQ(one.selected, "CH4");
  EXPECT_EQ(two.selected, "CH4");
  EXPECT_EQ(one.view.coefficients[0], " 1.65326226E+00");
  EXPECT_EQ(two.view.coefficients[0], " 1.63552643E+00");
  EXPECT_EQ(one.view.coefficients[1], "0.00000000E+00");
  EXPECT_EQ(two.view.coefficients[9], "0.00000000E+00");
  EXPECT_EQ(one.view.limits.low, " 200");
}

TEST(CompReport, EmptySectionsAndNoCommonSpecies) {
  CompRun run({GasRecord("AR")}, {GasRecord("HE")});
  const ReportRunResult result = run.Run();
  std::vector<std::string> expected = {"DB #1: db1.dat\t 3 Species", "DB #2: db2.dat\t 3 Species",
                                       ""};
  for (const char* db : {"1", "2"}) {
    const std::string title = std::string("List of species in DB # ") + db + " but not in DB # " +
                              (*db == '1' ? "2" : "1") + "    0";
    expected.insert(expected.end(), {title, kTildes, "", "", kRule, "", ""});
  }
  expected.insert(expected.end(), {"List of common species    0", kTildes});
  expected.insert(expected.end(), kCommonHeader.begin(), kCommonHeader.end());
  EXPECT_EQ(run.sink.lines, expected);
  EXPECT_FALSE(result.failure);
  EXPECT_FALSE(result.views);  // no species was shown

  CompRun same({GasRecord("AR"), GasRecord("HE")}, {GasRecord("AR"), GasRecord("HE")});
  same.common = {"AR", "HE"};
  same.Run();
  EXPECT_EQ(same.CommonBlocks(), (std::vector<std::string>{"AR", "HE"}));
}

TEST(CompReport, HfRowOnlyWithBothBoxesCheckedAndDifferingValues) {
  const std::vector<std::string> db1 = {
      GasRecord("AR", GasFields("2.50000000E+00", "4.37966038E+00", "1.0E+03")),
      GasRecord("HE", GasFields("2.50000000E+00", "4.37966038E+00", ""))};
  const std::vector<std::string> db2 = {
      GasRecord("AR", GasFields("2.50000000E+00", "4.37966038E+00", "2.0E+03")),
      GasRecord("HE", GasFields("2.50000000E+00", "4.37966038E+00", "0.0"))};
  const std::vector<std::string> hf_rows = {
      "AR", "Ravuva's Heat of Formation // 1.00000000E+03     |     2.00000000E+03", "", "HE"};
  for (const auto& [ck1, ck2] :
       {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
    SCOPED_TRACE(std::to_string(ck1) + std::to_string(ck2));
    CompRun run(db1, db2);
    run.common = {"AR", "HE"};
    run.hf = {ck1, ck2};
    run.Run();
    // An empty Hf/R text and a zero agree: HE has no row.
    const std::vector<std::string> plain = {"AR", "HE"};
    EXPECT_EQ(run.CommonBlocks(), ck1 && ck2 ? hf_rows : plain);
  }
}

// A common species that a detail view does not show is compared with that side's boxes empty,
// so its name never stands over the numbers of the species shown before it (AAA), and the run
// goes on.
TEST(CompReport, ASpeciesNotShownIsComparedWithThatSidesBoxesEmpty) {
  const std::vector<std::string> aaa = WithFields(GasFields(), {{0, "3.50000000E+00"}});
  std::string cut = testing::DatabaseText({GasRecord("AAA", aaa), GasRecord("BAD")});
  cut = cut.substr(0, cut.find("\r\n", cut.find("BAD ")) + 2);  // BAD's line 1, then nothing
  struct Case {
    const char* what;
    ThermoFile db1, db2;
    std::size_t refused_in;  // the database whose view refuses BAD; 0: none
  };
  Case cases[] = {
      {"a low limit of 0 in DB #1",
       FileOf({GasRecord("AAA", aaa), GasRecord("BAD", GasFields(), "5000.000", "0.000")},
              "db1.dat"),
       FileOf({GasRecord("AAA", aaa), GasRecord("BAD")}, "db2.dat"), 1},
      {"no BAD in DB #1's file", FileOf({GasRecord("AAA", aaa), GasRecord("BAX")}, "db1.dat"),
       FileOf({GasRecord("AAA", aaa), GasRecord("BAD")}, "db2.dat"), 0},
      {"DB #1's record cut after its line 1", ThermoFile::Of(FileSnapshot::OfBytes("db1.dat", cut)),
       FileOf({GasRecord("AAA", aaa), GasRecord("BAD")}, "db2.dat"), 0},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    CompRun run({}, {});
    run.db1 = std::move(c.db1);
    run.db2 = std::move(c.db2);
    run.common = {"AAA", "BAD"};
    const ReportRunResult result = run.Run();
    const std::vector<std::string> blocks = run.CommonBlocks();
    ASSERT_EQ(blocks.size(), 2u + 2 * 14);
    EXPECT_EQ(blocks[1], "BAD");
    EXPECT_EQ(blocks[2], "a1 //      |      2.50000000E+00");
    EXPECT_EQ(blocks[3], "");
    EXPECT_EQ(blocks[26], "a'6 //      |     -7.45375000E+02");
    ASSERT_EQ(result.events.size(), c.refused_in);
    if (c.refused_in != 0) {
      EXPECT_EQ(result.events[0].kind, RunEvent::Kind::Refused);
      EXPECT_EQ(result.events[0].db, Db::One);
    }
    EXPECT_FALSE(result.failure);
    EXPECT_EQ((*result.views)[0].view.coefficients[0], "");
    EXPECT_EQ((*result.views)[0].view.limits.low, c.refused_in ? " 0" : "");
  }
}

// A run that cannot finish says why, keeps the lines written before, and leaves the views at
// the species reached.
TEST(CompReport, EndsEarlyKeepingWhatWasWritten) {
  std::string he_cut = testing::DatabaseText({GasRecord("AR"), GasRecord("HE")});
  he_cut = he_cut.substr(0, he_cut.find("\r\n", he_cut.find("\r\n", he_cut.find("HE ")) + 2) + 2);
  const std::vector<std::string> hot = WithFields(GasFields(), {{0, "1E+400"}});
  struct Case {
    const char* what;
    ThermoFile db1, db2;
    std::size_t fail_at;  // the line whose writing fails; -1: none
    FailureKind kind;
    const char* detail;
    bool report_file_failed;
    const char* last_line;  // of the lines written
    const char* selected;   // the species the views end on; null: none
    const char* box0;       // DB #1's a1 box then
  };
  const std::size_t never = static_cast<std::size_t>(-1);
  Case cases[] = {
      {"DB #1's file unreadable", ThermoFile::Of(FileSnapshot()),
       FileOf({GasRecord("AR"), GasRecord("HE")}, "db2.dat"), never, FailureKind::FileFailure,
       "the database db1.dat cannot be read", false, kTildes.c_str(), nullptr, nullptr},
      {"a DB #2 record cut after its second line",
       FileOf({GasRecord("AR"), GasRecord("NE")}, "db1.dat"),
       ThermoFile::Of(FileSnapshot::OfBytes("db2.dat", he_cut)), never, FailureKind::FileFailure,
       "the record of HE in db2.dat ends before its fourth line", false, kTildes.c_str(), nullptr,
       nullptr},
      {"a differing coefficient beyond the double range",
       FileOf({GasRecord("AR"), GasRecord("HOT", hot), GasRecord("NE")}, "db1.dat"),
       FileOf({GasRecord("AR"), GasRecord("HE"), GasRecord("HOT")}, "db2.dat"), never,
       FailureKind::Overflow, "number beyond the double range", false, "HOT", "HOT", "1E+400"},
      {"a line that cannot be written",
       FileOf({GasRecord("AR"), GasRecord("HOT", hot), GasRecord("NE")}, "db1.dat"),
       FileOf({GasRecord("AR"), GasRecord("HE"), GasRecord("HOT")}, "db2.dat"), 31,
       FailureKind::FileFailure, "No space left on device", true, "AR", "AR", "2.50000000E+00"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    CompRun run({}, {});
    run.db1 = std::move(c.db1);
    run.db2 = std::move(c.db2);
    run.only1 = {"NE"};
    run.only2 = {"HE"};
    run.common = {"AR", "HOT"};
    run.sink.fail_at = c.fail_at;
    const ReportRunResult result = run.Run();
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->Kind(), c.kind);
    EXPECT_EQ(result.failure->Detail(), c.detail);
    EXPECT_EQ(result.report_file_failed, c.report_file_failed);
    ASSERT_FALSE(run.sink.lines.empty());
    EXPECT_EQ(run.sink.lines.back(), c.last_line);
    ASSERT_EQ(result.views.has_value(), c.selected != nullptr);
    if (c.selected == nullptr) continue;
    EXPECT_EQ((*result.views)[1].selected, c.selected);
    EXPECT_EQ((*result.views)[0].view.coefficients[0], c.box0);
  }
}

TEST(CompReport, CoefficientTextsAboveZeroGetOneBlankInFront) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.65326226E+00", " 1.65326226E+00"},
      {"-2.46617581E-02", "-2.46617581E-02"},
      {"0.00000000E+00", "0.00000000E+00"},
      {"", ""},
      {"abc", "abc"},
      {"1.00000000E-300", " 1.00000000E-300"},
      {"-1.00000000E-300", "-1.00000000E-300"},
  };
  for (const auto& [text, in_row] : cases) EXPECT_EQ(CoefficientInRow(text), in_row) << text;
  EXPECT_THROW(CoefficientInRow("1E+400"), Failure);
}

}  // namespace
}  // namespace tabulon
