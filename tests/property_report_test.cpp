// SPDX-License-Identifier: GPL-3.0-or-later
// Comp2.txt, the property comparison report: computed from the records of two databases, and
// what CMD4 leaves in the window.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/failure.h"
#include "common/number_text.h"
#include "compare/property_report.h"
#include "compare/ratio_text.h"
#include "compare_fixture.h"

namespace tabulon {
namespace {

using testing::CaughtLines;
using testing::DatabaseText;
using testing::FileOf;
using testing::GasFields;
using testing::GasRecord;
using testing::LoadDatabaseFile;
using testing::ReadBytes;
using testing::ReportLines;
using testing::TempDir;
using testing::TestWindow;

const std::string kColumns = "Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2";
const std::string kTabs(9, '\t');

std::vector<std::string> ZeroFields() {
  return std::vector<std::string>(15, "0.00000000E+00");
}

// Two databases in memory, AR and KR common to both, and the report's temperatures.
struct PropertyRun {
  ThermoFile db1, db2;
  std::vector<std::string> common = {"AR", "KR"};
  std::array<std::string, 3> temps = {"300", "1000", "2000"};
  CaughtLines sink;

  PropertyRun(const std::vector<std::string>& records1, const std::vector<std::string>& records2)
      : db1(FileOf(records1, "db1.dat")), db2(FileOf(records2, "db2.dat")) {}

  ReportRunResult Run() {
    const PropertyReportInput input{.db1 = &db1,
                                    .db2 = &db2,
                                    .db1_path = "db1.dat",
                                    .db2_path = "db2.dat",
                                    .common = common,
                                    .temperatures = temps,
                                    .r_gas = 1.9872f,
                                    .fields = {}};
    return RunPropertyReport(input, sink);
  }
};

TEST(PropertyReport, WritesThreeBlocksWithRatiosAndBlankSeparators) {
  // Monatomic gases: Cp/R = a1, H/R = a1 T + a6, S/R = a1 ln T + a7 (a6 = -745.375). The
  // expected texts were worked out apart from the program, to four significant digits.
  const std::vector<std::string> kr1 = GasFields("2.50000000E+00", "5.48031443E+00");
  const std::vector<std::string> kr2 = GasFields("2.40000000E+00", "5.48031443E+00");
  PropertyRun run({GasRecord("AR"), GasRecord("KR", kr1)}, {GasRecord("AR"), GasRecord("KR", kr2)});
  const ReportRunResult result = run.Run();
  const std::vector<std::string> expected = {
      "DB #1: db1.dat",
      "DB #2: db2.dat",
      "Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)",
      "",
      "T (K) =  300" + kTabs,
      kColumns,
      "AR\t 4.968\t 4.968\t 1\t .009191\t .009191\t 1\t 37.04\t 37.04\t 1",
      // A negative H still gives a positive ratio.
      "KR\t 4.968\t 4.769\t 1.04\t .009191\t-.05043\t .18\t 39.23\t 38.09\t 1.03",
      " ",
      " ",
      "T (K) =  1000" + kTabs,
      kColumns,
      "AR\t 4.968\t 4.968\t 1\t 3.487\t 3.487\t 1\t 43.02\t 43.02\t 1",
      "KR\t 4.968\t 4.769\t 1.04\t 3.487\t 3.288\t 1.06\t 45.21\t 43.84\t 1.03",
      " ",
      " ",
      "T (K) =  2000" + kTabs,
      kColumns,
      "AR\t 4.968\t 4.968\t 1\t 8.455\t 8.455\t 1\t 46.46\t 46.46\t 1",
      "KR\t 4.968\t 4.769\t 1.04\t 8.455\t 8.057\t 1.05\t 48.65\t 47.14\t 1.03",
  };
  EXPECT_EQ(run.sink.lines, expected);
  EXPECT_TRUE(result.events.empty());
  EXPECT_FALSE(result.failure);

  // The views end on the last species at the last temperature.
  ASSERT_TRUE(result.views);
  const DetailViewEnd& two = (*result.views)[1];
  EXPECT_EQ(two.selected, "KR");
  EXPECT_EQ(two.view.coefficients[0], "2.40000000E+00");
  const char* results[] = {" 4.769", " 8.057", " 47.14"};
  for (Property property : {Property::Cp, Property::H, Property::S}) {
    EXPECT_EQ(two.fields[property].text, "2000");
    EXPECT_EQ(two.fields[property].result, results[static_cast<int>(property)]);
    EXPECT_FALSE(two.fields[property].second_shown);
  }
}

// Each way the report ends early: the lines written so far, where and why it stopped, and what
// the window was told on the way.
TEST(PropertyReport, EndsEarlySayingWhereAndWhy) {
  // AR is the same in both databases; KR varies.
  const std::string kr = GasRecord("KR");
  const std::string kr_to_1000 = GasRecord("KR", GasFields(), "1000.000");
  const std::string kr_zero = GasRecord("KR", ZeroFields());
  const std::string kr_refused = GasRecord("KR", GasFields(), "5000.000", "0.000");
  const std::string kr_below_0 = GasRecord("KR", GasFields(), "5000.000", "-100.000");
  struct Case {
    const char* what;
    std::string kr1, kr2;
    std::array<std::string, 3> temps;
    std::size_t lines_kept;
    const char* last_line;  // starts so
    FailureKind kind;
    const char* stopped_at;           // "NAME T"; null: not at a species line
    std::vector<std::string> events;  // "DB field failure", in order
  };
  auto stop = [](const char* what, const std::string& kr1, const std::string& kr2,
                 std::array<std::string, 3> temps, std::size_t lines_kept, const char* last_line,
                 FailureKind kind, const char* stopped_at, std::vector<std::string> events = {}) {
    return Case{what, kr1, kr2, temps, lines_kept, last_line, kind, stopped_at, events};
  };
  const Case cases[] = {
      stop("range of one database ends at 1000 K", kr, kr_to_1000, {"300", "1000", "2000"}, 19,
           "AR", FailureKind::NotANumber, "KR 2000"),
      stop("empty second temperature", kr, kr, {"300", "", "2000"}, 12, "Species",
           FailureKind::NotANumber, "AR 0"),
      stop("DB #2 Cp of 0 against DB #1's", kr, kr_zero, {"300", "1000", "2000"}, 7, "AR",
           FailureKind::DivisionByZero, "KR 300"),
      stop("0 against 0", kr_zero, kr_zero, {"300", "1000", "2000"}, 7, "AR", FailureKind::Overflow,
           "KR 300"),
      stop("KR refused in DB #1: its boxes stay empty", kr_refused, kr, {"300", "1000", "2000"}, 7,
           "AR", FailureKind::NotANumber, "KR 300", {"1 refused"}),
      // KR's DB #1 range reaches below 0 K: emptying its fields after 300 K evaluates T = 0,
      // where H divides by zero and S takes the logarithm of 0; block 2 then stops at AR.
      stop("T = 0 inside KR's range, then an empty temperature", kr_below_0, kr,
           {"300", "", "2000"}, 12, "Species", FailureKind::NotANumber, "AR 0",
           {"1 H Division by zero", "1 S Invalid argument"}),
      stop("a temperature beyond the double range", kr, kr, {"300", "1e400", "2000"}, 10, " ",
           FailureKind::Overflow, nullptr),
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PropertyRun run({GasRecord("AR"), c.kr1}, {GasRecord("AR"), c.kr2});
    run.temps = c.temps;
    const ReportRunResult result = run.Run();
    ASSERT_EQ(run.sink.lines.size(), c.lines_kept);
    EXPECT_TRUE(run.sink.lines.back().starts_with(c.last_line)) << run.sink.lines.back();
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(result.failure->Kind(), c.kind);
    ASSERT_EQ(result.stopped_at.has_value(), c.stopped_at != nullptr);
    if (c.stopped_at) {
      EXPECT_EQ(result.stopped_at->species + " " + result.stopped_at->temperature, c.stopped_at);
      EXPECT_EQ((*result.views)[0].selected, result.stopped_at->species);
    }
    std::vector<std::string> events;
    for (const RunEvent& event : result.events) {
      std::string text = event.db == Db::One ? "1 " : "2 ";
      if (event.kind == RunEvent::Kind::Refused) {
        text += "refused";
      } else {
        text += event.field_failure->property == Property::H ? "H " : "S ";
        text += FailureDescription(event.field_failure->failure.Kind());
      }
      events.push_back(text);
    }
    EXPECT_EQ(events, c.events);
  }
}

// Thousands of species, worked out in pieces on several threads while the lines before them
// are written, give each line and each message in order: species whose range reaches below 0 K
// tell their failures as the fields are emptied (every 7th in DB #1, every 11th in DB #2), and
// a species whose DB #2 range ends at 1500 K, far into the list, stops the third block there.
TEST(PropertyReport, ManySpeciesKeepTheirOrderAndStopWhereTheyShould) {
  constexpr std::size_t kSpecies = 4600;
  constexpr std::size_t kStop = 4500;
  std::vector<std::string> records1, records2, common;
  for (std::size_t i = 0; i < kSpecies; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "S%04zu", i);
    common.push_back(name);
    const std::string below_0 = GasRecord(name, GasFields(), "5000.000", "-100.000");
    records1.push_back(i % 7 == 3 ? below_0 : GasRecord(name));
    records2.push_back(i == kStop ? GasRecord(name, GasFields(), "1500.000")
                                  : (i % 11 == 5 ? below_0 : GasRecord(name)));
  }
  PropertyRun run(records1, records2);
  run.common = common;
  const ReportRunResult result = run.Run();

  // Each block: its species lines after a temperature line and the column line, the first
  // block after four heading lines, the others after two blank lines.
  const std::vector<std::string>& lines = run.sink.lines;
  ASSERT_EQ(lines.size(), 6 + kSpecies + 4 + kSpecies + 4 + kStop);
  for (std::size_t first : {6 + 0 * kSpecies, 10 + kSpecies, 14 + 2 * kSpecies}) {
    const std::string tail = lines[first].substr(5);
    for (std::size_t i = 0; i < kSpecies && first + i < lines.size(); ++i) {
      ASSERT_EQ(lines[first + i], common[i] + tail) << first + i;
    }
  }
  ASSERT_TRUE(result.stopped_at);
  EXPECT_EQ(result.stopped_at->species + " " + result.stopped_at->temperature, "S4500 2000");

  std::vector<std::pair<Db, Property>> expected, events;
  for (std::size_t block = 0; block < 3; ++block) {
    for (std::size_t i = 0; i < (block < 2 ? kSpecies : kStop + 1); ++i) {
      for (Db db : {Db::One, Db::Two}) {
        if (db == Db::One ? i % 7 == 3 : i % 11 == 5) {
          expected.insert(expected.end(), {{db, Property::H}, {db, Property::S}});
        }
      }
    }
  }
  for (const RunEvent& event : result.events) {
    events.emplace_back(event.db, event.field_failure->property);
  }
  EXPECT_EQ(events, expected);
}

TEST(PropertyReport, RatioTexts) {
  const std::pair<const char*, const char*> operands[] = {
      {" 29.13", " 29.13"},
      {" 29.13", " 29.42"},
      {"-57.81", "-57.5"},
      {" 1", " 250"},
      {" 25", " 2"},
      {" 1", "-3"},
      {" 4.968", " 4.769"},
      {" .0001", " 1E+300"},
      // Half-way between two hundredths, the binary value is rounded as it stands: 1/8 and 3/8
      // are exact, so they go to the even digit; just past or just short of 1/8, to the nearer.
      {" 1", " 8"},
      {" 3", " 8"},
      {" 1.0000000000000002", " 8"},
      {" .9999999999999999", " 8"},
  };
  const char* expected[] = {" 1",    " .99", " 1.01", " 0",   " 12.5", " .33",
                            " 1.04", " 0",   " .12",  " .38", " .13",  " .12"};
  for (std::size_t i = 0; i < std::size(operands); ++i) {
    EXPECT_EQ(RatioText(operands[i].first, operands[i].second), expected[i])
        << operands[i].first << " / " << operands[i].second;
  }
  // Over quotients from 1e-4 to 1e17: the number C's "%.2f" writes, as NumberText writes it.
  std::mt19937_64 random(18);
  for (int i = 0; i < 20000; ++i) {
    const double quotient = std::ldexp(std::uniform_real_distribution<double>(1, 2)(random),
                                       std::uniform_int_distribution<int>(-14, 57)(random));
    char picture[400];
    std::snprintf(picture, sizeof picture, "%.2f", quotient);
    ASSERT_EQ(RatioText(ShortestNumber(quotient), "1"), NumberText(std::strtod(picture, nullptr)))
        << picture;
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

// ---- CMD4 in the window.

// Loads both databases, clicks Compare, then CMD4 with the given temperature texts.
struct WindowRun {
  TempDir dir;
  TestWindow t;

  WindowRun(const std::vector<std::string>& records1, const std::vector<std::string>& records2) {
    LoadDatabaseFile(t, Db::One, dir.Write("db1.dat", DatabaseText(records1)));
    LoadDatabaseFile(t, Db::Two, dir.Write("db2.dat", DatabaseText(records2)));
    t.window.CMD3.Click();
  }
  void Report(const char* t1, const char* t2, const char* t3) {
    t.window.Ktxt.SetText(t1);
    t.window.Ktxt2.SetText(t2);
    t.window.Ktxt3.SetText(t3);
    t.window.CMD4.Click();
  }
};

// The window ends as the species-by-species run would: the last species selected in both
// lists, its fields at the last temperature (here the common one, where DB #2's two sets
// disagree), the report written.
TEST(PropertyReportWindow, ShowsTheLastSpeciesAtTheLastTemperature) {
  std::vector<std::string> split = GasFields();
  split[7] = "2.60000000E+00";  // a'1: the low set's Cp differs at 1000 K
  WindowRun run({GasRecord("AR"), GasRecord("KR")}, {GasRecord("AR"), GasRecord("KR", split)});
  run.Report("300", "2000", "1000");
  const MainWindowModel& w = run.t.window;
  EXPECT_EQ(w.msglbl2.Caption(), "Output copied to: Comp2.txt");
  EXPECT_FALSE(w.THERMIMG.Visible());
  EXPECT_TRUE(run.t.platform.messages.empty());
  EXPECT_EQ(w.LOS1.SelectedText(), "KR");
  EXPECT_EQ(w.LOS2.SelectedText(), "KR");
  EXPECT_EQ(w.Lbl9.Caption(), " 200    5000    1000");
  EXPECT_EQ(w.PropTxt[21].Text(), "2.60000000E+00");
  EXPECT_EQ(w.TXT1K.Text(), "1000");
  EXPECT_EQ(w.TXT2KS.Text(), "1000");
  EXPECT_EQ(w.TXT2CP.Text(), " 4.968");
  EXPECT_TRUE(w.TXT2CPBis.Visible());
  EXPECT_EQ(w.TXT2CPBis.Text(), " 5.167");
  EXPECT_EQ(w.TXT2CPBis.ForeColour(), Colour::Red);
  EXPECT_EQ(w.TXT1CPBis.ForeColour(), Colour::ButtonText);
  EXPECT_EQ(ReportLines(ReadBytes(run.dir.File("Comp2.txt"))).size(), 21u);
}

TEST(PropertyReportWindow, DoesNothingWithoutCommonSpecies) {
  WindowRun run({GasRecord("AR")}, {GasRecord("HE")});
  run.t.window.msglbl2.SetCaption("earlier");
  run.t.window.CMD4.Click();
  EXPECT_EQ(run.t.window.msglbl2.Caption(), "earlier");
  EXPECT_FALSE(std::filesystem::exists(run.dir.File("Comp2.txt")));
}

}  // namespace
}  // namespace tabulon
