// SPDX-License-Identifier: GPL-3.0-or-later
// Whole databases written the way real ones are: every line end, lower case, comment blocks,
// Fortran numbers, odd common temperatures, missing end lines, thousands of records. They are
// made here, so a clone without the corpus of real databases still loads every format rule
// end to end, through the window's own load and detail view.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/database_side.h"
#include "app/model/main_window_model.h"
#include "app/model/scripted_platform.h"
#include "compare_fixture.h"
#include "detail_window.h"
#include "test_support.h"

namespace tabulon {
namespace {

using testing::LoadDatabaseFile;
using testing::TempDir;
using testing::TestWindow;

// The coefficients of a methane record, eight significant digits each, so that every way of
// writing them below spells the very same decimal value.
const char* const kMantissas[15] = {"1.6532623", "1.0026310", "3.3166124", "5.3648314",
                                    "3.1469676", "1.0009594", "9.9050628", "5.1498761",
                                    "1.3670979", "4.9180060", "4.8474303", "1.6669396",
                                    "1.0246648", "4.6413038", "8.9000000"};
const int kExponents[15] = {0, -2, -6, -10, -14, 4, 0, 0, -2, -5, -8, -11, 4, 0, 3};
const bool kNegative[15] = {false, false, true, false, true, true, false, false,
                            true,  false, true, false, true, true, true};

// A coefficient written as `style` says: "E" 1.2345678E+00, "D" 1.2345678D+00, "d" lower-case,
// "0." 0.12345678E+01 (mantissa below one), "." .12345678E+01 (no leading zero).
std::string Coefficient(int k, const std::string& style) {
  std::string digits = std::string(kMantissas[k]).erase(1, 1);  // "16532623"
  int exponent = kExponents[k];
  std::string mantissa;
  if (style == "0." || style == ".") {
    mantissa = (style == "0." ? "0." : ".") + digits;
    ++exponent;
  } else {
    mantissa = kMantissas[k];
  }
  const char letter = style == "D" ? 'D' : style == "d" ? 'd' : 'E';
  const std::string power = std::to_string(std::abs(exponent));
  return (kNegative[k] ? "-" : "") + mantissa + letter + (exponent < 0 ? "-" : "+") +
         (power.size() < 2 ? "0" : "") + power;
}

// Four 80-column lines ending in LF; `limits` is columns 46 to 75 of line 1 (low, high, common
// temperature) and `tail` columns 76 to 80 and whatever follows.
std::string Record(const std::string& name, const std::string& style = "E",
                   const std::string& limits = "   300.000  5000.000  1000.000",
                   const std::string& tail = "    1") {
  std::string line1 = name + "  ";
  line1.resize(18, ' ');
  line1 += "L 8/88C   1H   4    0    0G";  // date, elements and phase, as databases write them
  line1.resize(45, ' ');
  std::string text = line1 + limits + tail + "\n";
  for (int line = 0; line < 3; ++line) {
    std::string fields;
    for (int k = 5 * line; k < 5 * line + 5; ++k) {
      const std::string field = Coefficient(k, style);
      fields += std::string(15 - field.size(), ' ') + field;
    }
    if (line == 2) fields.resize(60);  // a'5 to a'7, then the Hf/R field left blank
    fields.resize(79, ' ');
    text += fields + static_cast<char>('2' + line) + "\n";
  }
  return text;
}

const std::string kTemperatures = "   300.000  1000.000  5000.000\n";
const std::string kLimits = "   300.000  5000.000  1000.000";

// `text` (written with LF) with another line end, or without its last line end.
std::string WithLineEnds(std::string text, const std::string& variant) {
  if (variant == "no final line end") {
    if (text.ends_with('\n')) text.pop_back();
    return text;
  }
  if (variant == "LF") return text;
  const std::string end = variant == "CR LF" ? "\r\n" : "\r";
  std::string out;
  for (char c : text) out += c == '\n' ? end : std::string(1, c);
  return out;
}

struct LoadOutcome {
  bool loaded;
  std::string caption;
  std::vector<std::string> names;
  bool operator==(const LoadOutcome&) const = default;
};

void PrintTo(const LoadOutcome& o, std::ostream* os) {
  *os << (o.loaded ? "loaded " : "failed ") << o.caption << " [";
  for (const std::string& name : o.names) *os << '"' << name << "\" ";
  *os << ']';
}

// Loads `path` as DB #1, as a click on the load button with the file chosen in the dialog.
LoadOutcome LoadAsDb1(const std::string& path) {
  ScriptedPlatform platform;
  MainWindowModel window{platform};
  window.Load();
  platform.file_answers = {path};
  window.CMD1.Click();
  EXPECT_EQ(window.common.DB1Count, window.LOS1.Count());
  return {!window.Lbl1.Caption().empty(), window.List1Nbr.Caption(), window.LOS1.Items()};
}

TEST(FormatQuirks, WholeDatabasesLoadAsRealOnesDo) {
  const std::string body = kTemperatures + Record("CH4") + Record("O2");
  std::string preamble;
  for (int i = 0; i < 11; ++i) preamble += "! preamble line\n";
  struct Case {
    const char* what;
    std::string text;
    LoadOutcome outcome;
  };
  const Case cases[] = {
      {"plain", "THERMO\n" + body + "END\n", {true, "(2)", {"CH4", "O2"}}},
      {"lower case throughout, comments before the header",
       "! written by hand\n!\nthermo\n" + kTemperatures + Record("ch4") + Record("o2") + "end\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"comment blocks and blank lines between records, text after column 80",
       "THERMO\n" + kTemperatures + "!\n! block\n!\n" +
           Record("AR", "E", kLimits, "    1  ! noble") + "\n\n" + Record("HE") + "! last\n\nEND\n",
       {true, "(2)", {"AR", "HE"}}},
      {"THERMO ALL after a preamble of eleven lines",
       preamble + "THERMO ALL\n" + body + "END\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"a blank before THERMO, END padded to column 80",
       " THERMO\n" + body + "END" + std::string(77, ' ') + "\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"records after the end line are not read",
       "THERMO\n" + body + "END\n" + Record("XE") + "END\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"a name given twice",
       "THERMO\n" + body + Record("ch4") + "END\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"record counters before the line number",
       "THERMO\n" + kTemperatures + Record("CH4", "E", kLimits, "  101") +
           Record("O2", "E", "   300.000  5000.000  1391.000", " 1001") + "END\n",
       {true, "(2)", {"CH4", "O2"}}},
      {"a whole mechanism around a lower-case thermo block",
       "ELEMENTS\nH O\nEND\nSPECIES\nCH4 O2\nEND\nthermo\n" + body +
           "end\nREACTIONS\nCH4+O2=CH3+HO2 3.98E13 0.0 56890\nEND\n",
       {true, "(2)", {"CH4", "O2"}}},
      // A load that fails lists nothing.
      {"ENDOFDATA is no end line", "THERMO\n" + body + "ENDOFDATA\n", {false, "(0)", {}}},
      {"END OF DATA is no end line", "THERMO\n" + body + "END OF DATA\n", {false, "(0)", {}}},
      {"no end line", "THERMO\n" + body, {false, "(0)", {}}},
      {"no THERMO line", body + "END\n", {false, "(0)", {}}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    for (const char* variant : {"LF", "CR LF", "CR", "no final line end"}) {
      SCOPED_TRACE(std::string(c.what) + ", " + variant);
      EXPECT_EQ(LoadAsDb1(dir.Write("therm.dat", WithLineEnds(c.text, variant))), c.outcome);
    }
  }
}

// The same record written in every way real databases write numbers gives the same
// coefficient texts and the same Cp, H and S, on both sides of the window.
TEST(FormatQuirks, NumbersWrittenTheFortranWayMeanTheSameValues) {
  TempDir dir;
  const std::string reference =
      dir.Write("e.dat", "THERMO\n" + kTemperatures + Record("CH4", "E") + "END\n");
  for (const char* style : {"D", "d", "0.", "."}) {
    SCOPED_TRACE(style);
    const std::string other =
        dir.Write("other.dat",
                  WithLineEnds("THERMO\n" + kTemperatures + Record("CH4", style) + "END\n", "CR"));
    TestWindow t;
    LoadDatabaseFile(t, Db::One, reference);
    LoadDatabaseFile(t, Db::Two, other);
    ASSERT_EQ(t.window.List1Nbr.Caption(), "(1)");
    ASSERT_EQ(t.window.List2Nbr.Caption(), "(1)");
    t.window.LOS1.SelectByName("CH4");
    t.window.LOS2.SelectByName("CH4");
    const std::vector<std::string> shown = t.CoefficientTexts(Db::One);
    EXPECT_EQ(shown[0], "1.65326230E+00");
    EXPECT_EQ(shown[5], "-1.00095940E+04");
    EXPECT_EQ(t.CoefficientTexts(Db::Two), shown);
    for (const char* temperature : {"300", "999.5", "1000", "2500"}) {
      t.window.TXT1K.SetText(temperature);
      t.window.TXT2K.SetText(temperature);
      const DatabaseSide one = SideOf(t.window, Db::One), two = SideOf(t.window, Db::Two);
      ASSERT_NE(one.cp_result.Text(), "") << temperature;
      EXPECT_EQ(two.cp_result.Text(), one.cp_result.Text()) << temperature;
      EXPECT_EQ(two.h_result.Text(), one.h_result.Text()) << temperature;
      EXPECT_EQ(two.s_result.Text(), one.s_result.Text()) << temperature;
      EXPECT_EQ(two.cp_second.Text(), one.cp_second.Text()) << temperature;
    }
    EXPECT_TRUE(t.platform.messages.empty());
  }
}

// However the common temperature is written, typing it evaluates both sets; a blank one leaves
// the species listed but refused, so nothing is computed for it.
TEST(FormatQuirks, CommonTemperaturesAsDatabasesWriteThem) {
  struct Case {
    const char* limits;  // columns 46 to 75 of line 1
    const char* common;  // typed into the Cp field; empty: the species is refused
  };
  const Case cases[] = {
      {"   300.000  5000.000  1000.000", "1000"}, {"   300.000  5000.000  1000.0  ", "1000"},
      {"   300.000  5000.000  1000.   ", "1000"}, {"   300.00   5000.00   1000.00 ", "1000"},
      {"   300      5000      1000    ", "1000"}, {"   300.000  5000.000  0600.00 ", "600"},
      {"   0300.00  5000.000  1500.000", "1500"}, {"   300.000  5000.000          ", ""},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.limits);
    TestWindow t;
    LoadDatabaseFile(t, Db::One,
                     dir.Write("t.dat", "THERMO\n" + Record("CH4", "E", c.limits) + "END\n"));
    ASSERT_EQ(t.window.List1Nbr.Caption(), "(1)");
    t.window.LOS1.SelectByName("CH4");
    if (*c.common) {
      EXPECT_TRUE(t.platform.messages.empty());
      t.window.TXT1K.SetText(c.common);
      EXPECT_NE(t.window.TXT1CP.Text(), "");
      EXPECT_TRUE(t.window.TXT1CPBis.Visible());
    } else {
      EXPECT_EQ(t.platform.messages.size(), 1u);
      EXPECT_EQ(t.CoefficientTexts(Db::One), std::vector<std::string>(14));
      t.window.TXT1K.SetText("500");
      EXPECT_EQ(t.window.TXT1CP.Text(), "");
    }
  }
}

// A database as large as the largest real ones, in their style: 7,000 records with lower-case
// names, CR line ends, comment blocks, 40 names given twice, names that begin with a digit or
// "(", and record counters before the line numbers of the first thousand records. Every name is
// listed once, records deep in the file are found, and a counter is never read as a limit.
TEST(FormatQuirks, SevenThousandRecords) {
  constexpr int kRecords = 7000, kRepeated = 40;
  auto name = [](int i) {
    const std::string plain = "c" + std::to_string(i) + "h" + std::to_string(2 * i % 17);
    return i % 1000 == 7 ? "1" + plain : plain;
  };
  std::string text = "! generated\nthermo\n" + kTemperatures;
  for (int i = 0; i < kRecords - kRepeated; ++i) {
    if (i % 500 == 0) text += "!\n! block " + std::to_string(i) + "\n!\n";
    if (i < 1000) {
      std::string counter = std::to_string(i) + "1";  // counter, then the line number
      counter.insert(0, 5 - counter.size(), ' ');
      text += Record(name(i), "E", "   300.000  5000.000  1387.000", counter);
    } else {
      text += Record(name(i));
    }
  }
  for (int i = 0; i < kRepeated; ++i) text += Record(name(i * 97), "D");
  text += Record("(ch2o)3") + Record("zlast", "d") + "end\n";
  TempDir dir;
  const std::string path = dir.Write("big.therm", WithLineEnds(text, "CR"));

  const LoadOutcome outcome = LoadAsDb1(path);
  EXPECT_TRUE(outcome.loaded);
  EXPECT_EQ(outcome.caption, "(6962)");
  ASSERT_EQ(outcome.names.size(), 6962u);
  EXPECT_TRUE(std::is_sorted(outcome.names.begin(), outcome.names.end()));
  EXPECT_EQ(std::adjacent_find(outcome.names.begin(), outcome.names.end()), outcome.names.end());
  const std::vector<std::string> first = {"(CH2O)3", "1C1007H8", "1C2007H2", "1C3007H13"};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), outcome.names.begin()));
  EXPECT_EQ(outcome.names.back(), "ZLAST");

  TestWindow t;
  LoadDatabaseFile(t, Db::One, path);
  t.window.LOS1.SelectByName("ZLAST");
  EXPECT_EQ(t.CoefficientTexts(Db::One)[13], "-4.64130380E+00");
  t.window.LOS1.SelectByName("C6959H12");  // the last name given once
  EXPECT_EQ(t.CoefficientTexts(Db::One)[0], "1.65326230E+00");
  for (const char* counted : {"C5H10", "C50H15", "C999H9"}) {  // tails 51, 501, 9991
    t.window.LOS1.SelectByName(counted);
    EXPECT_EQ(t.window.Lbl8.Caption(), " 300    5000    1387") << counted;
  }
  t.window.LOS1.SelectByName("1C1007H8");
  EXPECT_EQ(t.CoefficientTexts(Db::One)[0], "1.65326230E+00");
  EXPECT_TRUE(t.platform.messages.empty());
}

}  // namespace
}  // namespace tabulon
