// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"
#include "thermodb/record_lookup.h"
#include "thermodb/temperature_line.h"

namespace tabulon {
namespace {

struct LineCase {
  std::string line;  // upper-cased, as the lookup returns it
  const char* low;
  const char* high;
  const char* mid;
};

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
  };
  for (const LineCase& c : cases) {
    const TemperatureLimits limits = ParseTemperatureLine(c.line);
    EXPECT_EQ(limits.low, c.low) << '"' << c.line << '"';
    EXPECT_EQ(limits.high, c.high) << '"' << c.line << '"';
    EXPECT_EQ(limits.mid, c.mid) << '"' << c.line << '"';
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
