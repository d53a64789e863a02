// SPDX-License-Identifier: GPL-3.0-or-later
// Comp.txt, the coefficient comparison report written by CMD3.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/comp_report.h"
#include "app/model/compare_databases.h"
#include "common/ascii_text.h"
#include "compare/report_file.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::DatabaseText;
using testing::GasFields;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::ReadBytes;
using testing::ReportLines;
using testing::TempDir;
using testing::TestWindow;

const std::string kTildes(43, '~');
const std::string kRule = "*" + std::string(41, '-') + "*";
const std::string kCommonHeader =
    "Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4\r\n"
    "Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4\r\n"
    "Coef // Mech1         | Mech2    \r\n";

std::vector<std::string> WithFields(std::vector<std::string> fields,
                                    const std::vector<std::pair<int, std::string>>& changes) {
  for (const auto& [index, text] : changes) fields[static_cast<std::size_t>(index)] = text;
  return fields;
}

// Loads both databases into a fresh window and clicks Compare.
struct ReportRun {
  TempDir dir;
  TestWindow t;
  std::string db1, db2;

  ReportRun(const std::vector<std::string>& records1, const std::vector<std::string>& records2) {
    db1 = dir.Write("db1.dat", DatabaseText(records1));
    db2 = dir.Write("db2.dat", DatabaseText(records2));
    LoadDatabaseFile(t, Db::One, db1);
    LoadDatabaseFile(t, Db::Two, db2);
  }
  void Compare() { t.window.CMD3.Click(); }
  std::string Report() const { return ReadBytes(dir.File("Comp.txt")); }
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
  const std::size_t line2 = n2.find("\r\n") + 2;
  n2.insert(line2, "! a comment inside the record\r\n");
  ReportRun run({GasRecord("AR"), ch4_1, n2}, {GasRecord("AR"), ch4_2, GasRecord("HE")});
  run.Compare();

  auto record_lines = [](const std::string& record, bool upper_line1) {
    std::vector<std::string> lines = ReportLines(record);
    lines.pop_back();  // the text after the last line end
    if (upper_line1) lines[0] = UpperAscii(lines[0]);
    std::string text;
    for (const std::string& line : lines) {
      if (!line.starts_with("!")) text += line + "\r\n";
    }
    return text;
  };
  const std::string expected =
      "DB #1: " + run.db1 + "\t 3 Species\r\n" + "DB #2: " + run.db2 + "\t 3 Species\r\n" +
      "\r\n"
      "List of species in DB # 1 but not in DB # 2    1\r\n" +
      kTildes + "\r\n" + record_lines(n2, true) + "\r\n\r\n" + kRule +
      "\r\n\r\n\r\n"
      "List of species in DB # 2 but not in DB # 1    1\r\n" +
      kTildes + "\r\n" + record_lines(GasRecord("HE"), false) + "\r\n\r\n" + kRule +
      "\r\n\r\n\r\n"
      "List of common species    2\r\n" +
      kTildes + "\r\n" + kCommonHeader +
      "AR\r\n"
      "CH4\r\n"
      "a1 //  1.65326226E+00     |      1.63552643E+00\r\n\r\n"
      "a3 // -2.46617581E-02     |      2.46617581E-02\r\n\r\n"
      "a'2 //  1.00000000E-03     |     0.00000000E+00\r\n\r\n";
  EXPECT_EQ(run.Report(), expected);
  EXPECT_EQ(run.t.window.msglbl1.Caption(), kCompReportDone);
  EXPECT_TRUE(run.t.platform.messages.empty());
  EXPECT_TRUE(run.t.platform.silent_failures.empty());
  // What the report showed in the detail views is cleared at the end.
  EXPECT_EQ(run.t.window.PropTxt[0].Text(), "");
  EXPECT_EQ(run.t.window.Lbl8.Caption(), "");
}

TEST(CompReport, EmptySectionsAndNoCommonSpecies) {
  ReportRun run({GasRecord("AR")}, {GasRecord("HE")});
  run.Compare();
  const std::vector<std::string> lines = ReportLines(run.Report());
  const std::vector<std::string> tail(lines.end() - 6, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"List of common species    0", kTildes,
                                            "Reminder: Cp(High T)=a1+a2*T+a3*T^2+a4*T^3+a5*T^4",
                                            "Reminder: Cp(Low T)=a'1+a'2*T+a'3*T^2+a'4*T^3+a'5*T^4",
                                            "Coef // Mech1         | Mech2    ", ""}));

  ReportRun same({GasRecord("AR"), GasRecord("HE")}, {GasRecord("AR"), GasRecord("HE")});
  same.Compare();
  const std::string expected_start = "DB #1: " + same.db1 + "\t 2 Species\r\nDB #2: " + same.db2 +
                                     "\t 2 Species\r\n\r\n"
                                     "List of species in DB # 1 but not in DB # 2    0\r\n" +
                                     kTildes + "\r\n\r\n\r\n" + kRule + "\r\n";
  EXPECT_TRUE(same.Report().starts_with(expected_start)) << same.Report();
  EXPECT_TRUE(same.Report().ends_with(kCommonHeader + "AR\r\nHE\r\n")) << same.Report();
}

TEST(CompReport, HfRowOnlyWithBothBoxesCheckedAndDifferingValues) {
  const std::vector<std::string> db1 = {
      GasRecord("AR", GasFields("2.50000000E+00", "4.37966038E+00", "1.0E+03")),
      GasRecord("HE", GasFields("2.50000000E+00", "4.37966038E+00", ""))};
  const std::vector<std::string> db2 = {
      GasRecord("AR", GasFields("2.50000000E+00", "4.37966038E+00", "2.0E+03")),
      GasRecord("HE", GasFields("2.50000000E+00", "4.37966038E+00", "0.0"))};
  const std::string hf_row =
      "AR\r\nRavuva's Heat of Formation // 1.00000000E+03     |     2.00000000E+03\r\n\r\nHE\r\n";
  for (const auto& [ck1, ck2] :
       {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
    SCOPED_TRACE(std::to_string(ck1) + std::to_string(ck2));
    ReportRun run(db1, db2);
    run.t.window.Ck1.SetChecked(ck1);
    run.t.window.Ck2.SetChecked(ck2);
    run.Compare();
    const std::string common_part = kCommonHeader + (ck1 && ck2 ? hf_row : "AR\r\nHE\r\n");
    EXPECT_TRUE(run.Report().ends_with(common_part)) << run.Report();
  }
}

// A species that a detail view refuses, or no longer finds, is compared with that side's boxes
// empty: its name never stands over the numbers of the species shown before it (AAA).
TEST(CompReport, ASpeciesNotShownInADetailViewIsComparedWithEmptyBoxes) {
  const std::vector<std::string> aaa = WithFields(GasFields(), {{0, "3.50000000E+00"}});
  {
    SCOPED_TRACE("BAD's DB #1 record has a low limit of 0");
    ReportRun run({GasRecord("AAA", aaa), GasRecord("BAD", GasFields(), "5000.000", "0.000")},
                  {GasRecord("AAA", aaa), GasRecord("BAD")});
    run.Compare();
    const std::string report = run.Report();
    const std::string block = report.substr(report.find("BAD\r\n"));
    EXPECT_TRUE(
        block.starts_with("BAD\r\na1 //      |      2.50000000E+00\r\n\r\n"
                          "a2 //      |     0.00000000E+00\r\n\r\n"))
        << block;
    EXPECT_NE(block.find("a'6 //      |     -7.45375000E+02\r\n\r\n"), std::string::npos);
    EXPECT_EQ(block.find("3.5"), std::string::npos);
    ASSERT_EQ(run.t.platform.messages.size(), 1u);
    EXPECT_EQ(run.t.platform.messages[0].title, "Check temperature  DB #1");
    EXPECT_EQ(run.t.window.msglbl1.Caption(), kCompReportDone);
  }
  {
    SCOPED_TRACE("BAD removed from DB #2's file after loading");
    ReportRun run({GasRecord("AAA", aaa), GasRecord("BAD")},
                  {GasRecord("AAA", aaa), GasRecord("BAD")});
    run.dir.Write("db2.dat", DatabaseText({GasRecord("AAA", aaa), GasRecord("BAX")}));
    run.Compare();
    const std::string report = run.Report();
    const std::string block = report.substr(report.find("BAD\r\n"));
    EXPECT_TRUE(block.starts_with("BAD\r\na1 //  2.50000000E+00     |     \r\n\r\n")) << block;
    EXPECT_EQ(std::count(block.begin(), block.end(), '|'), 14);
    EXPECT_EQ(block.find("3.5"), std::string::npos);
    EXPECT_TRUE(run.t.platform.messages.empty());
    EXPECT_EQ(run.t.window.msglbl1.Caption(), kCompReportDone);
  }
}

// A run that cannot finish its report says so, and leaves the lines written before.
TEST(CompReport, FileProblemsEndTheRunWithAMessageKeepingWhatWasWritten) {
  struct Case {
    const char* what;
    void (*spoil)(const ReportRun&);
    std::string reason;     // after "<folder>/Comp.txt: "; <db1>/<db2> stand for the databases
    const char* last_line;  // of what stays in Comp.txt; null when nothing is checked
  };
  std::vector<Case> cases = {
      {"DB #1 file removed after loading",
       [](const ReportRun& r) { std::filesystem::remove(r.db1); },
       "the database <db1> cannot be read", "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"},
      {"a DB #2 record cut after its second line",
       [](const ReportRun& r) {
         std::string text = ReadBytes(r.db2);
         const std::size_t he = text.find("HE ");
         std::size_t cut = text.find("\r\n", text.find("\r\n", he) + 2) + 2;
         r.dir.Write("db2.dat", text.substr(0, cut));
       },
       "the record of HE in <db2> ends before its fourth line",
       "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"},
      {"a folder named Comp.txt",
       [](const ReportRun& r) { std::filesystem::create_directory(r.dir.File("Comp.txt")); },
       "Is a directory", nullptr},
      {"the folder removed after loading",
       [](const ReportRun& r) { std::filesystem::remove_all(r.dir.Path()); },
       "No such file or directory", nullptr},
  };
  // Permissions do not stop the superuser.
  if (::geteuid() != 0) {
    cases.push_back({"a read-only folder",
                     [](const ReportRun& r) {
                       std::filesystem::permissions(r.dir.Path(),
                                                    std::filesystem::perms::owner_write,
                                                    std::filesystem::perm_options::remove);
                     },
                     "Permission denied", nullptr});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportRun run({GasRecord("AR"), GasRecord("NE")}, {GasRecord("AR"), GasRecord("HE")});
    c.spoil(run);
    run.Compare();
    std::string reason = c.reason;
    for (const auto& [mark, path] : {std::pair{"<db1>", run.db1}, std::pair{"<db2>", run.db2}}) {
      if (const std::size_t at = reason.find(mark); at != std::string::npos) {
        reason.replace(at, 5, path);
      }
    }
    ASSERT_EQ(run.t.platform.messages.size(), 1u);
    const Message& m = run.t.platform.messages[0];
    EXPECT_EQ(m.title, "Compare");
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.text,
              "File failure\r\nTABULON has detected a problem.\r\n"
              "Comp.txt was not written completely:\r\n" +
                  run.dir.File("Comp.txt") + ": " + reason);
    EXPECT_TRUE(run.t.platform.silent_failures.empty());
    EXPECT_EQ(run.t.window.msglbl1.Caption(), "Comp.txt not written completely");
    EXPECT_FALSE(run.t.window.CMD4.Visible());
    if (c.last_line == nullptr) continue;
    std::vector<std::string> lines = ReportLines(run.Report());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], c.last_line);
  }
}

ssize_t DiskFull(int, const void*, std::size_t) {
  errno = ENOSPC;
  return -1;
}

TEST(CompReport, AFullDiskIsReported) {
  ReportRun run({GasRecord("AR")}, {GasRecord("AR")});
  SetReportWriteCall(&DiskFull);
  run.Compare();
  SetReportWriteCall(nullptr);
  ASSERT_EQ(run.t.platform.messages.size(), 1u);
  EXPECT_TRUE(run.t.platform.messages[0].text.ends_with("Comp.txt was not written completely:\r\n" +
                                                        run.dir.File("Comp.txt") +
                                                        ": No space left on device"))
      << run.t.platform.messages[0].text;
  EXPECT_EQ(run.t.window.msglbl1.Caption(), "Comp.txt not written completely");
}

// A common species that a detail view does not show leaves that side's boxes empty in its
// block, and the run goes on to the end.
TEST(CompReport, ACommonRecordCutShortIsComparedEmptyAndTheRunGoesOn) {
  ReportRun run({GasRecord("AR"), GasRecord("ZN")}, {GasRecord("AR"), GasRecord("ZN")});
  std::string text = ReadBytes(run.db2);
  text = text.substr(0, text.find("\r\n", text.find("ZN ")) + 2);  // ZN's line 1, then nothing
  run.dir.Write("db2.dat", text);
  run.Compare();
  const std::string report = run.Report();
  const std::string block = report.substr(report.find("ZN\r\n"));
  EXPECT_TRUE(block.starts_with("ZN\r\na1 //  2.50000000E+00     |     \r\n\r\n")) << block;
  EXPECT_EQ(std::count(block.begin(), block.end(), '|'), 14);
  EXPECT_TRUE(run.t.platform.messages.empty());
  EXPECT_EQ(run.t.window.msglbl1.Caption(), kCompReportDone);
  EXPECT_TRUE(run.t.window.CMD4.Visible());
}

TEST(CompReport, CoefficientTextsAboveZeroGetOneBlankInFront) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.65326226E+00", " 1.65326226E+00"},
      {"-2.46617581E-02", "-2.46617581E-02"},
      {"0.00000000E+00", "0.00000000E+00"},
      {"", ""},
      {"abc", "abc"},
      {"1.00000000E-300", " 1.00000000E-300"},
  };
  for (const auto& [text, in_row] : cases) EXPECT_EQ(CoefficientInRow(text), in_row) << text;
}

}  // namespace
}  // namespace tabulon
