// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

struct KeywordCase {
  std::string line;
  bool expected;
};

TEST(ThermoFormat, HeaderLineBeginsWithThermoAfterBlanks) {
  const KeywordCase cases[] = {
      {"THERMO", true},         {"thermo", true},   {"Thermo All", true},
      {"THERMO ALL", true},     {" THERMO", true},  {"    thermo NO_TMID", true},
      {"THERMODYNAMICS", true},  // only six characters are tested
      {"THERM", false},         {"", false},        {"      ", false},
      {"\tTHERMO", false},  // a tab is not a blank
      {"!THERMO", false},       {"XTHERMO", false}, {"THE RMO", false},
  };
  for (const KeywordCase& c : cases) EXPECT_EQ(IsHeaderLine(c.line), c.expected) << c.line;
}

TEST(ThermoFormat, EndLineIsEndWithBlanksAroundIt) {
  const KeywordCase cases[] = {
      {"END", true},          {"end", true},
      {"End", true},          {"END ", true},
      {"  END", true},        {"END" + std::string(77, ' '), true},  // padded to column 80
      {"END OF DATA", false}, {"ENDOFDATA", false},
      {"ENDS", false},        {"END!", false},
      {"EN D", false},        {"\tEND", false},
      {"END\t", false},       {"", false},
      {"   ", false},
  };
  for (const KeywordCase& c : cases) EXPECT_EQ(IsEndLine(c.line), c.expected) << c.line;
}

TEST(ThermoFormat, BodyLineKindsInTheirOrder) {
  struct Case {
    std::string line;
    BodyLineKind kind;
  };
  const Case cases[] = {
      {"END", BodyLineKind::End},
      {"  end  ", BodyLineKind::End},  // the end test comes before the filler test
      {"", BodyLineKind::Filler},
      {"  ", BodyLineKind::Filler},
      {"   300.000  1000.000  5000.000", BodyLineKind::Filler},
      {"  CH4  x", BodyLineKind::Filler},
      {"CH4               L 8/88C   1H   4    0    0G   200.000  3500.000  1000.000    1",
       BodyLineKind::Species},
      {"ch4 x", BodyLineKind::Species},
      {"CH4", BodyLineKind::Species},
      {"END OF DATA", BodyLineKind::Species},
      {"ENDOFDATA", BodyLineKind::Species},
      {"z", BodyLineKind::Species},
      {" ", BodyLineKind::Other},
      {" CH4 x", BodyLineKind::Other},
      {" 1.65326226E+00 1.00263099E-02-3.31661238E-06 5.36483138E-10-3.14696758E-14    2",
       BodyLineKind::Other},
      {"-1.2E+00", BodyLineKind::Other},
      {"1-C4H8 x", BodyLineKind::Other},
      {"(CH3)2CO x", BodyLineKind::Other},
      {"!CH4 x", BodyLineKind::Other},
      {"\tCH4 x", BodyLineKind::Other},
      {"\xc9TH x", BodyLineKind::Other},  // a non-ASCII letter is not a letter here
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyBodyLine(c.line), c.kind) << '"' << c.line << '"';
  }
}

TEST(ThermoFormat, RecordWordIsTheUpperCasedTextBeforeTheFirstBlank) {
  struct Case {
    std::string line;
    std::string word;
  };
  const Case cases[] = {
      {"CH4               L 8/88C   1", "CH4"},
      {"ch4 x", "CH4"},
      {"AR REF ELEMENT", "AR"},
      {"CH4", ""},  // no blank: the empty name
      {" CH4 x", ""},
      {"", ""},
      {"c2h5oh\tx y", "C2H5OH\tX"},  // a tab is part of the word
      {"\xe9t\xe9 x", "\xe9T\xe9"},  // only a-z change
      {"@#$%^-2 x", "@#$%^-2"},
      {"-1.2E+00-3.4e-01 x", "-1.2E+00-3.4E-01"},
  };
  for (const Case& c : cases) EXPECT_EQ(RecordWord(c.line), c.word) << c.line;
}

TEST(ThermoFormat, CommentLines) {
  const KeywordCase cases[] = {
      {"!", true}, {"! note", true}, {" !x", true},  {"  !x", false},
      {"", false}, {"x!", false},    {"\t!", false}, {" ", false},
  };
  for (const KeywordCase& c : cases) EXPECT_EQ(IsCommentLine(c.line), c.expected) << c.line;
}

TEST(ThermoFormat, CoefficientFieldsAreFifteenColumnsWithoutBlanks) {
  const std::string full =
      " 1.65326226E+00 1.00263099E-02-3.31661238E-06 5.36483138E-10-3.14696758E-14    2";
  EXPECT_EQ(CoefficientField(full, 1), "1.65326226E+00");
  EXPECT_EQ(CoefficientField(full, 2), "1.00263099E-02");
  EXPECT_EQ(CoefficientField(full, 3), "-3.31661238E-06");  // touching its neighbours
  EXPECT_EQ(CoefficientField(full, 4), "5.36483138E-10");
  EXPECT_EQ(CoefficientField(full, 5), "-3.14696758E-14");  // columns 76 on are not read

  const std::string sixty = full.substr(0, 60);
  EXPECT_EQ(CoefficientField(sixty, 4), "5.36483138E-10");
  EXPECT_EQ(CoefficientField(sixty, 5), "");
  EXPECT_EQ(CoefficientField(full.substr(0, 50), 4), "5.36");  // columns 46 to 50 only
  EXPECT_EQ(CoefficientField("", 1), "");
  EXPECT_EQ(CoefficientField(" 1.0 E+00      ", 1), "1.0E+00");
  EXPECT_EQ(CoefficientField(std::string(15, ' ') + "x", 1), "");
}

}  // namespace
}  // namespace tabulon
