// SPDX-License-Identifier: GPL-3.0-or-later
// Comp2.txt, the property comparison report written by CMD4.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/property_report.h"
#include "common/failure.h"
#include "common/number_text.h"
#include "compare/ratio_text.h"
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

const std::string kColumns = "Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2";
const std::string kZero = "0.00000000E+00";

std::vector<std::string> ZeroFields() {
  return std::vector<std::string>(15, kZero);
}

// Loads both databases, clicks Compare, then CMD4 with the given temperature texts.
struct PropertyRun {
  TempDir dir;
  TestWindow t;
  std::string db1, db2;

  PropertyRun(const std::vector<std::string>& records1, const std::vector<std::string>& records2) {
    db1 = dir.Write("db1.dat", DatabaseText(records1));
    db2 = dir.Write("db2.dat", DatabaseText(records2));
    LoadDatabaseFile(t, Db::One, db1);
    LoadDatabaseFile(t, Db::Two, db2);
    t.window.CMD3.Click();
  }
  void Report(const char* t1 = "300", const char* t2 = "1000", const char* t3 = "2000") {
    t.window.Ktxt.SetText(t1);
    t.window.Ktxt2.SetText(t2);
    t.window.Ktxt3.SetText(t3);
    t.window.CMD4.Click();
  }
  std::vector<std::string> Lines() const { return ReportLines(ReadBytes(dir.File("Comp2.txt"))); }
};

// ---- Expected result texts of a monatomic gas (Cp/R = a1, H/R = a1 T + a6, S/R = a1 ln T + a7),
// computed here independently of the evaluation code.
const double kR = static_cast<double>(1.9872f);

std::string Shown(double x) {  // four significant digits, as the result boxes show them
  char text[32];
  std::snprintf(text, sizeof text, "%.3E", x);
  return NumberText(std::strtod(text, nullptr));
}

struct Gas {
  double a1, a6, a7;
  std::vector<std::string> Texts(double t) const {
    return {Shown(a1 * kR), Shown((a1 * t + a6) * kR / 1000), Shown((a1 * std::log(t) + a7) * kR)};
  }
};

std::string GasLine(const std::string& name, const Gas& one, const Gas& two, double t,
                    const char* ratios[3]) {
  const std::vector<std::string> v1 = one.Texts(t), v2 = two.Texts(t);
  std::string line = name;
  for (int k = 0; k < 3; ++k) line += "\t" + v1[k] + "\t" + v2[k] + "\t" + ratios[k];
  return line;
}

TEST(PropertyReport, WritesThreeBlocksWithRatiosAndBlankSeparators) {
  const Gas ar{2.5, -745.375, 4.37966038};
  const Gas kr1{2.5, -745.375, 5.48031443};
  const Gas kr2{2.4, -745.375, 5.48031443};
  auto fields = [](const Gas& g) {
    char a1[32], a7[32];
    std::snprintf(a1, sizeof a1, "%.8E", g.a1);
    std::snprintf(a7, sizeof a7, "%.8E", g.a7);
    return GasFields(a1, a7);
  };
  PropertyRun run({GasRecord("AR", fields(ar)), GasRecord("KR", fields(kr1))},
                  {GasRecord("AR", fields(ar)), GasRecord("KR", fields(kr2))});
  run.Report();

  const char* same[3] = {" 1", " 1", " 1"};
  // KR: Cp 4.968 / 4.769; H .009191 / -.05043 (a negative H still gives a positive ratio).
  const char* kr_300[3] = {" 1.04", " .18", " 1.03"};
  const char* kr_1000[3] = {" 1.04", " 1.06", " 1.03"};
  const char* kr_2000[3] = {" 1.04", " 1.05", " 1.03"};
  const std::string tabs(9, '\t');
  const std::vector<std::string> expected = {
      "DB #1: " + run.db1,
      "DB #2: " + run.db2,
      "Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)",
      "",
      "T (K) =  300" + tabs,
      kColumns,
      GasLine("AR", ar, ar, 300, same),
      GasLine("KR", kr1, kr2, 300, kr_300),
      " ",
      " ",
      "T (K) =  1000" + tabs,
      kColumns,
      GasLine("AR", ar, ar, 1000, same),
      GasLine("KR", kr1, kr2, 1000, kr_1000),
      " ",
      " ",
      "T (K) =  2000" + tabs,
      kColumns,
      GasLine("AR", ar, ar, 2000, same),
      GasLine("KR", kr1, kr2, 2000, kr_2000),
      "",  // the last line ends with CR LF too
  };
  EXPECT_EQ(run.Lines(), expected);
  EXPECT_EQ(expected[6], "AR\t 4.968\t 4.968\t 1\t .009191\t .009191\t 1\t 37.04\t 37.04\t 1");

  MainWindowModel& w = run.t.window;
  EXPECT_EQ(w.msglbl2.Caption(), kPropertyReportDone);
  EXPECT_FALSE(w.THERMIMG.Visible());
  EXPECT_EQ(w.LOS1.SelectedText(), "KR");
  EXPECT_EQ(w.LOS2.SelectedText(), "KR");
  EXPECT_EQ(w.TXT1K.Text(), "2000");
  EXPECT_EQ(w.TXT2KS.Text(), "2000");
  EXPECT_TRUE(run.t.platform.messages.empty());

  // A second run replaces the file with the same bytes.
  const std::string first = ReadBytes(run.dir.File("Comp2.txt"));
  run.dir.Write("Comp2.txt", std::string(5000, 'x'));
  run.Report();
  EXPECT_EQ(ReadBytes(run.dir.File("Comp2.txt")), first);
}

// Each way the report ends early: the lines written so far stay, msglbl2 stays empty and
// THERMIMG is shown.
TEST(PropertyReport, EndsAtTheFirstResultThatGivesNoRatio) {
  struct Case {
    const char* what;
    std::vector<std::string> db1, db2;
    const char* temps[3];
    std::size_t lines_kept;   // complete lines in the file
    const char* last_line;    // the last of them
    const char* message;      // the text of the one message shown, or null
    FailureKind silent_kind;  // when no message
    const char* status;       // msglbl2 afterwards
  };
  const std::string division_message =
      "Division by zero\r\nTABULON has detected a problem.\r\n"
      "Some information is missing in your database.\r\n"
      "Please check your database content (see temperatures etc.)\r\n"
      "Please, Close Tabulon first.";
  const Case cases[] = {
      {"range of one database ends at 1000 K",
       {GasRecord("AR"), GasRecord("KR")},
       {GasRecord("AR"), GasRecord("KR", GasFields(), "1000.000")},
       {"300", "1000", "2000"},
       19,
       "AR",
       nullptr,
       FailureKind::NotANumber,
       "Comp2.txt stops at KR (T = 2000 K)"},
      {"empty second temperature",
       {GasRecord("AR"), GasRecord("KR")},
       {GasRecord("AR"), GasRecord("KR")},
       {"300", "", "2000"},
       12,
       "Species",
       nullptr,
       FailureKind::NotANumber,
       "Comp2.txt stops at AR (T = 0 K)"},
      {"DB #2 Cp of 0 against a non-zero DB #1 Cp",
       {GasRecord("AR"), GasRecord("ZZ")},
       {GasRecord("AR"), GasRecord("ZZ", ZeroFields())},
       {"300", "1000", "2000"},
       7,
       "AR",
       division_message.c_str(),
       FailureKind::DivisionByZero,
       "Comp2.txt stops at ZZ (T = 300 K)"},
      {"0 against 0",
       {GasRecord("AR"), GasRecord("ZZ", ZeroFields())},
       {GasRecord("AR"), GasRecord("ZZ", ZeroFields())},
       {"300", "1000", "2000"},
       7,
       "AR",
       nullptr,
       FailureKind::Overflow,
       "Comp2.txt stops at ZZ (T = 300 K)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PropertyRun run(c.db1, c.db2);
    run.Report(c.temps[0], c.temps[1], c.temps[2]);
    const std::vector<std::string> lines = run.Lines();
    ASSERT_EQ(lines.size(), c.lines_kept + 1);
    EXPECT_TRUE(lines[c.lines_kept - 1].starts_with(c.last_line)) << lines[c.lines_kept - 1];
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(run.t.window.msglbl2.Caption(), c.status);
    EXPECT_TRUE(run.t.window.THERMIMG.Visible());
    if (c.message) {
      ASSERT_EQ(run.t.platform.messages.size(), 1u);
      EXPECT_EQ(run.t.platform.messages[0].text, c.message);
      EXPECT_EQ(run.t.platform.messages[0].title, "Missing information...");
      EXPECT_EQ(run.t.platform.messages[0].icon, MessageIcon::Error);
      EXPECT_TRUE(run.t.platform.silent_failures.empty());
    } else {
      EXPECT_TRUE(run.t.platform.messages.empty());
      ASSERT_EQ(run.t.platform.silent_failures.size(), 1u);
      EXPECT_EQ(run.t.platform.silent_failures[0].command, kPropertyReportCommand);
      EXPECT_EQ(run.t.platform.silent_failures[0].kind, c.silent_kind);
    }
  }
}

TEST(PropertyReport, AReportThatCannotBeWrittenSaysSo) {
  PropertyRun run({GasRecord("AR")}, {GasRecord("AR")});
  std::filesystem::create_directory(run.dir.File("Comp2.txt"));
  run.Report();
  ASSERT_EQ(run.t.platform.messages.size(), 1u);
  const Message& m = run.t.platform.messages[0];
  EXPECT_EQ(m.title, "Compare Common Species");
  EXPECT_EQ(m.icon, MessageIcon::Error);
  EXPECT_EQ(m.text,
            "File failure\r\nTABULON has detected a problem.\r\n"
            "Comp2.txt was not written completely:\r\n" +
                run.dir.File("Comp2.txt") + ": Is a directory");
  EXPECT_TRUE(run.t.platform.silent_failures.empty());
  EXPECT_TRUE(run.t.window.THERMIMG.Visible());
  EXPECT_EQ(run.t.window.msglbl2.Caption(), "Comp2.txt not written completely");
}

TEST(PropertyReport, DoesNothingWithoutCommonSpecies) {
  PropertyRun run({GasRecord("AR")}, {GasRecord("HE")});
  run.t.window.msglbl2.SetCaption("earlier");
  run.t.window.CMD4.Click();
  EXPECT_EQ(run.t.window.msglbl2.Caption(), "earlier");
  EXPECT_FALSE(std::filesystem::exists(run.dir.File("Comp2.txt")));
}

TEST(PropertyReport, RatioTexts) {
  const std::pair<const char*, const char*> operands[] = {
      {" 29.13", " 29.13"}, {" 29.13", " 29.42"}, {"-57.81", "-57.5"},  {" 1", " 250"},
      {" 25", " 2"},        {" 1", "-3"},         {" 4.968", " 4.769"}, {" .0001", " 1E+300"},
  };
  const char* expected[] = {" 1", " .99", " 1.01", " 0", " 12.5", " .33", " 1.04", " 0"};
  for (std::size_t i = 0; i < std::size(operands); ++i) {
    EXPECT_EQ(RatioText(operands[i].first, operands[i].second), expected[i])
        << operands[i].first << " / " << operands[i].second;
  }

  const struct {
    const char* dividend;
    const char* divisor;
    FailureKind kind;
  } failures[] = {
      {"xxx", " 1", FailureKind::NotANumber},  {" 1", "xxx", FailureKind::NotANumber},
      {"", " 1", FailureKind::NotANumber},     {" 1", "", FailureKind::NotANumber},
      {"xxx", " 0", FailureKind::NotANumber},  {" 29.13", " 0", FailureKind::DivisionByZero},
      {" 0", " 0", FailureKind::Overflow},     {" 1E+300", " 1E-300", FailureKind::Overflow},
      {"300K", " 1", FailureKind::NotANumber},
  };
  for (const auto& f : failures) {
    try {
      RatioText(f.dividend, f.divisor);
      ADD_FAILURE() << f.dividend << " / " << f.divisor << " gave a ratio";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Kind(), f.kind) << f.dividend << " / " << f.divisor;
    }
  }
}

TEST(PropertyReport, TemperatureFieldTexts) {
  const std::pair<double, const char*> cases[] = {{300, "300"}, {298.15, "298.15"}, {-5, "-5"},
                                                  {0, "0"},     {0.5, ".5"},        {1e3, "1000"}};
  for (const auto& [t, text] : cases) EXPECT_EQ(TemperatureFieldText(t), text) << t;
}

}  // namespace
}  // namespace tabulon
