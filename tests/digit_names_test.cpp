// SPDX-License-Identifier: GPL-3.0-or-later
// Species whose names begin with a digit or "(", and record lines 1 that carry a record counter
// before the line number: the scan lists them, the detail view and tabulon-batch show their
// true limits.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/scripted_platform.h"
#include "batch_run.h"
#include "detail_window.h"
#include "test_support.h"
#include "thermodb/name_scan.h"
#include "thermodb/temperature_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

using testing::TempDir;

// Record line 1 in the 80-column layout: the name from column 1, T low and T high in ten
// columns each and T common in nine from column 46, then `tail` ending in column 80.
std::string Line1(std::string name, const char* low, const char* high, const char* mid,
                  const std::string& tail) {
  name.resize(45, ' ');
  auto right = [](std::string text, std::size_t width) {
    return std::string(width - std::min(width, text.size()), ' ') + text;
  };
  return name + right(low, 10) + right(high, 10) + right(mid, 9) + right(tail, 6);
}

const std::string kCoefficients =
    " 3.45883399E+01 3.39044157E-02-1.18032793E-05 1.85468085E-09-1.08521542E-13    2\n"
    "-6.15342150E+04-1.45890789E+02 3.19934165E+00 1.00279517E-01-6.21361661E-05    3\n"
    " 1.76299186E-08-1.71266523E-12-5.00243903E+04 2.50109188E+01                   4\n";

// A small database in the style of a large LLNL file: names that begin with a digit or "(",
// and line numbers preceded by a record counter.
std::string DigitNameDatabase() {
  return "THERMO\n   300.000  1000.000  5000.000\n" +
         Line1("1C5H11OH  4/ 7/97 THERMC   5H  12O   1    0G", "300.000", "5000.000", "1392.000",
               "51") +
         "\n" + kCoefficients +
         Line1("(CH2O)3            70590C   3H   6O   3     G", "0300.00", "4000.00", "1500.00",
               "1") +
         "\n" + kCoefficients +
         Line1("AAC7H14Q2  3/27/97 THERMC   7H  16O   4    0G", "300.000", "5000.000", "1387.000",
               "101") +
         "\n" + kCoefficients + Line1("2-C4H8", "300.000", "5000.000", "1391.000", "1001") + "\n" +
         kCoefficients + "END\n";
}

TEST(LineNumberTail, RecognisesLineNumbersAndRecordCountersInColumn80) {
  struct Case {
    const char* token;
    std::size_t end_column;
    bool tail;
  };
  const Case cases[] = {
      {"1", 80, true},     {"1", 75, true},       {"51", 62, true},    {"01", 80, true},
      {"101", 80, true},   {"1001", 80, true},    {"99991", 80, true}, {"101", 79, false},
      {"1391", 73, false}, {"100001", 80, false}, {"102", 80, false},  {"2", 80, false},
      {"1A1", 80, false},  {"", 80, false},       {"-1", 80, false},   {"1.1", 80, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsLineNumberTail(c.token, c.end_column), c.tail) << c.token << " @" << c.end_column;
  }
}

TEST(ClassifyBodyLine, TakesDigitAndParenthesisNamesOnlyOnRecordFirstLines) {
  struct Case {
    std::string line;
    BodyLineKind kind;
  };
  const Case cases[] = {
      {Line1("1C5H11OH", "300.000", "5000.000", "1392.000", "51"), BodyLineKind::Species},
      {Line1("(CH2O)3", "300.00", "4000.00", "1500.00", "1"), BodyLineKind::Species},
      {Line1("2-C4H8", "300.000", "5000.000", "1391.000", "101"), BodyLineKind::Species},
      {"1-C4H8 x 1", BodyLineKind::Species},
      // No line-number tail: a name without the rest of its line, or a coefficient line.
      {"1-C4H8 x", BodyLineKind::Other},
      {"1.76299186E-08-1.71266523E-12-5.00243903E+04 2.50109188E+01                   4",
       BodyLineKind::Other},
      {"1C5H11OH 300 5000 1391", BodyLineKind::Other},  // 1391 ends before column 80
      // A first token that is a number is no name.
      {"300.000  1000.000  5000.000 1", BodyLineKind::Other},
      {"1E5 300 5000 1000 1", BodyLineKind::Other},
      {"1 1", BodyLineKind::Other},
      {"1", BodyLineKind::Other},
      {"(", BodyLineKind::Other},
      // Lines the scan always recognised keep their kind.
      {"CH4 x", BodyLineKind::Species},
      {"-6.15342150E+04-1.45890789E+02    1", BodyLineKind::Other},
      {" 1C5H11OH x 1", BodyLineKind::Other},
      {"  1C5H11OH x 1", BodyLineKind::Filler},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyBodyLine(c.line), c.kind) << '"' << c.line << '"';
  }
}

TEST(ParseTemperatureLine, DropsARecordCounterBeforeTheLineNumber) {
  struct Case {
    std::string line;
    const char* low;
    const char* high;
    const char* mid;
  };
  const Case cases[] = {
      {Line1("AAC7H14Q2", "300.000", "5000.000", "1387.000", "101"), " 300", " 5000", " 1387"},
      {Line1("X", "300.000", "5000.000", "1387.000", "1001"), " 300", " 5000", " 1387"},
      {Line1("X", "300.000", "5000.000", "1387", "99991"), " 300", " 5000", " 1387"},
      {Line1("X", "300.000", "5000.000", "1392.000", "51"), " 300", " 5000", " 1392"},
      // Not in column 80, or not a counter: read as the common temperature, as always.
      {Line1("X", "300.000", "5000.000", "1387.000", "101").substr(0, 79), " 5000", " 1387", " 10"},
      {Line1("X", "300.000", "5000.000", "", "").substr(0, 65) + "  1387.0 100001", " 5000",
       " 1387", " 100001"},
      {"X 300 5000 1391", " 300", " 5000", " 1391"},  // an integer common temperature
      // The empty element count before the line number stays with it.
      {"X 300.000 5000.000 1000.00    0 1", " 300", " 5000", " 1000"},
  };
  for (const Case& c : cases) {
    const TemperatureLimits limits = ParseTemperatureLine(c.line);
    EXPECT_EQ(limits.low, c.low) << '"' << c.line << '"';
    EXPECT_EQ(limits.high, c.high) << '"' << c.line << '"';
    EXPECT_EQ(limits.mid, c.mid) << '"' << c.line << '"';
  }
}

TEST(DigitNames, ListedByTheLoadAndShownWithTheirTrueLimits) {
  TempDir dir;
  const std::string path = dir.Write("digits.dat", DigitNameDatabase());
  testing::TestWindow t;
  t.platform.file_answers = {path};
  t.window.CMD1.Click();
  EXPECT_EQ(t.window.LOS1.Items(),
            (std::vector<std::string>{"(CH2O)3", "1C5H11OH", "2-C4H8", "AAC7H14Q2"}));
  EXPECT_EQ(t.window.List1Nbr.Caption(), "(4)");

  const std::pair<const char*, const char*> shown[] = {
      {"1C5H11OH", " 300    5000    1392"},
      {"(CH2O)3", " 300    4000    1500"},
      {"AAC7H14Q2", " 300    5000    1387"},
      {"2-C4H8", " 300    5000    1391"},
  };
  for (const auto& [name, limits] : shown) {
    t.window.LOS1.SelectByName(name);
    EXPECT_EQ(t.window.Lbl8.Caption(), limits) << name;
    EXPECT_EQ(t.window.PropTxt[0].Text(), "3.45883399E+01") << name;
  }
  EXPECT_TRUE(t.platform.messages.empty());
}

TEST(DigitNames, ListedAndShownByTabulonBatch) {
  TempDir dir;
  const std::string path = dir.Write("digits.dat", DigitNameDatabase());
  const testing::BatchRun list = testing::RunBatch({"list", path}, dir);
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "(4)\n(CH2O)3\n1C5H11OH\n2-C4H8\nAAC7H14Q2\n");

  const testing::BatchRun show = testing::RunBatch({"show", path, "aac7h14q2", "1000"}, dir);
  EXPECT_EQ(show.status, 0) << show.err;
  EXPECT_TRUE(
      show.out.starts_with(" 300    5000    1387\n"
                           " 1387  <= T (high) <  5000\n"
                           " 300 < T (Low) <=  1387\n"))
      << show.out;
}

TEST(DigitNames, CorpusFileListsItsDigitNamesAndReadsItsCounterTails) {
  TABULON_REQUIRE_CORPUS("llnl_c8c16_nalkanes_lowercase_cr.therm");
  const std::string path = testing::CorpusFile("llnl_c8c16_nalkanes_lowercase_cr.therm");
  std::vector<std::string> names;
  ASSERT_TRUE(ListSpeciesNames(path, [&](std::string name) { names.push_back(name); }).Succeeded());
  for (const char* name : {"1C5H11OH", "(CH2O)3"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
  testing::TestWindow t;
  t.UseDatabase(Db::One, path, {"AAC7H14Q2"});
  t.window.LOS1.SelectByName("AAC7H14Q2");
  EXPECT_EQ(t.window.Lbl8.Caption(), " 300    5000    1387");
}

}  // namespace
}  // namespace tabulon
