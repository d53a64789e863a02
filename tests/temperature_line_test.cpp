// SPDX-License-Identifier: GPL-3.0-or-later
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/default_line.h"
#include "thermodb/record_lookup.h"
#include "thermodb/temperature_line.h"

namespace tabulon {
namespace {

struct LineCase {
  std::string line;  // upper-cased, as the lookup returns it
  const char* low;
  const char* high;
  const char* mid;
  std::optional<double> file_default = std::nullopt;  // the file's default common temperature
  bool mid_from_default = false;
};

// Record lines 1 of real files up to the limits, in the usual columns.
const std::string kCut = "X13CYCHEX5        T 6/93C   6H   7    0    0G   200.000  6000.000 ";
const std::string kBlankMid = "C4H5              H6W/94C   4H   5    0    0G   300.000  3000.000";

TEST(ParseTemperatureLine, ReadsTheLastThreeTokensBeforeTheLineNumber) {
  const std::string usual = "CH4               L 8/88C   1H   4          G   200.000  3500.000";
  const LineCase cases[] = {
      {usual + "  1000.000    1", " 200", " 3500", " 1000"},
      {usual + "  1000.00      1", " 200", " 3500", " 1000"},
      {usual + "  1000.000", " 200", " 3500", " 1000"},          // no line number
      {usual + "  1000.000    1   ", " 200", " 3500", " 1000"},  // blanks after it
      {usual + "  1000        1", " 200", " 3500", " 1000"},     // not 10: kept whole
      {usual + "  1000       11", " 200", " 3500", " 1000"},     // a digit and 1
      {usual + "  1000.000   01", " 200", " 3500", " 1000"},
      {usual + "  900.00    0 1", " 200", " 3500", " 900"},  // no fifth element
      {usual + "  900.00    0 21", " 3500", " 900", " 0"},
      {usual + "  1000.000    2", " 3500", " 1000", " 2"},    // only 1 ends a line
      {usual + "  1000.000  111", " 200", " 3500", " 1000"},  // a record counter in column 80
      {"X   200.000  6000.000  B  26.5   1", " 6000", " 0", " 26.5"},  // B reads as 0
      {"X 300 5000.5.5 1390 1", " 300", " 5000.5", " 1390"},           // up to the second point
      {"X 200.000\t3500.000 1000 1", " 0", " 200.00035", " 1000"},     // a tab is no blank
      {"X " + std::string(5000, ' ') + "300" + std::string(17, ' ') + "5000 1000 1", " 300",
       " 5000", " 1000"},
      {"X 300 1E999 1000 1", " 300", "", " 1000"},  // beyond the double range
      {"X 1000 1", " 0", " 0", " 1000"},            // missing limits read 0
      {"X 1", " 0", " 0", " 0"},
      {"1", " 0", " 0", " 1"},  // nothing before the 1
      {"", " 0", " 0", " 0"},
      // A comment from " !" on is left out; "!" without a blank before it is no comment.
      {kCut + "1000.        1 !SAME AS 14CYCLO", " 200", " 6000", " 1000"},
      {kCut + "1000.        1 ! 2 3", " 200", " 6000", " 1000"},
      {"X 300 5000 1000 1!X", " 5000", " 1000", " 1"},
      // Blank columns 66-73 take the file's default, when the file has one...
      {kBlankMid + "              1", " 300", " 3000", " 1000", 1000, true},
      {kBlankMid + "              1 !C4H5", " 300", " 3000", " 1390", 1390, true},
      {kBlankMid + "            101", " 300", " 3000", " 1000", 1000, true},
      // ... and otherwise read as ever: no default, no tail, 66-73 not blank, 46-55 no number.
      {kBlankMid + "              1", " 0", " 300", " 3000"},
      {kBlankMid, " 0", " 300", " 3000", 1000},
      {kBlankMid + "  1200.00     1", " 300", " 3000", " 1200", 1000},
      {kBlankMid.substr(0, 45) + "   300.0X0  3000.000              1", " 0", " 300", " 3000",
       1000},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE('"' + c.line + '"');
    const TemperatureLimits limits = ParseTemperatureLine(c.line, c.file_default);
    EXPECT_EQ(limits.low, c.low);
    EXPECT_EQ(limits.high, c.high);
    EXPECT_EQ(limits.mid, c.mid);
    EXPECT_EQ(limits.mid_from_default, c.mid_from_default);
  }
}

TEST(DefaultCommonTemperature, TheSecondOfExactlyThreeNumbers) {
  struct Case {
    const char* line;
    std::optional<double> mid;
  } cases[] = {
      {"   300.000  1000.000  5000.000", 1000},
      {"0300.00  1000.00  5000.00", 1000},
      {"       300      1390      5000   ", 1390},
      {" 300.0 1.0D3 5000.0", 1000},
      {"   300.000  1000.000", std::nullopt},
      {"   300.000  1000.000  5000.000  6000.000", std::nullopt},
      {"   300.000  1000.000  5000.000 K", std::nullopt},
      {"   300.000  1000.000\t5000.000", std::nullopt},
      {"   300.000  1E999  5000.000", std::nullopt},
      {"H2   300.000  1000.000", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultCommonTemperature(c.line), c.mid) << c.line;
}

TEST(DefaultLineSearch, FirstLineAfterTheHeaderThatIsNeitherBlankNorAComment) {
  struct Case {
    std::vector<std::string> lines;
    std::optional<double> mid;
  } cases[] = {
      {{"THERMO", "   300.000  1000.000  5000.000", "H2 ..."}, 1000},
      {{"! preamble 1 2 3", " thermo all", "", "   ", "! note", "   ! note", " 300 1390 5000"},
       1390},
      {{"THERMO", "H2    300.000  1000.000  5000.000"}, std::nullopt},
      {{"   300.000  1000.000  5000.000", "H2 ..."}, std::nullopt},  // no header line
      {{"THERMO", "", "! only comments"}, std::nullopt},
  };
  for (const Case& c : cases) {
    DefaultLineSearch search;
    bool ended = false;
    for (const std::string& line : c.lines) ended = search.Take(line);
    EXPECT_EQ(search.Default(), c.mid) << c.lines[1];
    // The search ends at the default line and takes nothing after it.
    if (ended) {
      EXPECT_TRUE(search.Take(" 1 2 3"));
    }
    EXPECT_EQ(search.Default(), c.mid);
  }
}

// This database writes an empty fifth-element count, "0", before the line number of some
// records.
TEST(ParseTemperatureLine, ReadsTheCommonTemperatureBeforeAnEmptyElementCount) {
  TABULON_REQUIRE_CORPUS("hp_dme_therm.dat");
  const LookupResult found = FindSpeciesRecord(testing::CorpusFile("hp_dme_therm.dat"), "C3H2SING");
  ASSERT_EQ(found.status, LookupStatus::Found);
  EXPECT_EQ(ParseTemperatureLine(found.record.line1).mid, " 900");
}

TEST(TemperaturesAccepted, RefusesALimitThatReadsAsZero) {
  EXPECT_TRUE(TemperaturesAccepted(" 200", " 1000", " 3500"));
  EXPECT_TRUE(TemperaturesAccepted("-100", " 5000", " 1000"));  // order is not checked
  EXPECT_FALSE(TemperaturesAccepted(" 0", " 1000", " 3500"));
  EXPECT_FALSE(TemperaturesAccepted(" 200", " 0", " 3500"));
  EXPECT_FALSE(TemperaturesAccepted(" 200", " 1000", ""));
}

}  // namespace
}  // namespace tabulon
