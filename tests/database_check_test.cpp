// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "check_records.h"
#include "compare/check_report.h"
#include "compare/database_check.h"
#include "thermodb/file_snapshot.h"
#include "thermodb/thermo_file.h"

namespace tabulon {
namespace {

using testing::MakeRecord;
using testing::RecordShape;

std::vector<CheckCode> Codes(const std::vector<ThermoRecord>& records,
                             const CheckTolerances& tolerances = {}) {
  std::vector<CheckCode> codes;
  for (const CheckFinding& f : CheckRecords(records, tolerances).findings) codes.push_back(f.code);
  return codes;
}

// A high set with constant cp/R = cp whose h/RT and s/R equal those of `low` at t, so that only
// Cp jumps at the join.
CoefficientSet SameHAndS(const CoefficientSet& low, double cp, double t) {
  const JoinSide at = JoinSideOf(low, t);
  return {cp, 0, 0, 0, 0, (at.h - cp) * t, at.s - cp * std::log(t)};
}

const CoefficientSet kLow{4, 0, 0, 0, 0, -1000, 4};  // cp/R 4, h/RT 3 at 1000 K

TEST(CheckLimits, OrderOfTheThreeLimits) {
  struct Case {
    double low, high, mid;
    bool reported;
  } cases[] = {
      {300, 5000, 1000, false},  {300, 5000, 300, false},    {300, 5000, 5000, false},
      {300, 5000, 299.99, true}, {300, 5000, 5000.01, true}, {5000, 300, 1000, true},
      {300, 300, 300, true},     {-10, 5000, 1000, true},    {0.001, 5000, 1000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.low << " " << c.high << " " << c.mid);
    EXPECT_EQ(!LimitsInOrder(c.low, c.high, c.mid), c.reported);
    const auto codes = Codes({MakeRecord({.low = c.low, .high = c.high, .mid = c.mid})});
    EXPECT_EQ(codes == std::vector<CheckCode>{CheckCode::Limits}, c.reported);
    if (!c.reported) {
      EXPECT_TRUE(codes.empty());
    }
  }
}

TEST(CheckLimits, LimitThatIsNotANumberReadsAsZero) {
  ThermoRecord record = ParseThermoRecord(
      {"CH4  only two 300.0 5000.0     1", testing::CoefficientLine(1, 0, 0, 0, 0, 2),
       testing::CoefficientLine(0, 0, 1, 0, 0, 3), testing::CoefficientLine(0, 0, 0, 0, 0, 4)},
      4, 7);
  const CheckRun run = CheckRecords(std::vector{record}, {});
  // Columns 46 to 73 are blank too, so a fixed-column reader reads it otherwise: layout.
  ASSERT_EQ(run.findings.size(), 2u);
  EXPECT_EQ(run.findings[0].code, CheckCode::Layout);
  EXPECT_EQ(run.findings[1].code, CheckCode::Limits);
  EXPECT_EQ(run.findings[1].line, 7);
}

// Each jump rule, on both sides (the high set above and below the low one), at a hand-computed
// distance from the default tolerance: just inside is quiet, just past is reported, and the
// denominators are the low set's (cp/R 4 at the join).
TEST(CheckJumps, DefaultTolerancesBothSides) {
  const double t = 1000;
  const JoinSide low = JoinSideOf(kLow, t);  // cp 4, h 3, s 4 ln 1000 + 4
  struct Case {
    const char* what;
    CoefficientSet high;
    CheckCode code;
    bool reported;
  } cases[] = {
      // cp: |4 - cpH| / 4.0001 > 0.01 -> beyond 0.040001; measured by cpH instead, 4.0404
      // would pass.
      {"cp above, past", SameHAndS(kLow, 4.0404, t), CheckCode::CpJump, true},
      {"cp above, inside", SameHAndS(kLow, 4.0399, t), CheckCode::CpJump, false},
      {"cp below, past", SameHAndS(kLow, 3.9596, t), CheckCode::CpJump, true},
      {"cp below, inside", SameHAndS(kLow, 3.9601, t), CheckCode::CpJump, false},
      // h: |3 - hH| / 4 > 0.001 -> beyond 0.004 (by hL it would be 0.003).
      {"h above, past", {4, 0, 0, 0, 0, -1000 + 4.04, kLow[6]}, CheckCode::HJump, true},
      {"h above, inside", {4, 0, 0, 0, 0, -1000 + 3.96, kLow[6]}, CheckCode::HJump, false},
      {"h below, past", {4, 0, 0, 0, 0, -1000 - 4.04, kLow[6]}, CheckCode::HJump, true},
      {"h below, inside", {4, 0, 0, 0, 0, -1000 - 3.96, kLow[6]}, CheckCode::HJump, false},
      // s: |sL - sH| / (|sL| + 4) > 0.001.
      {"s above, past", {4, 0, 0, 0, 0, -1000, 4 + 1.01e-3 * (low.s + 4)}, CheckCode::SJump, true},
      {"s above, inside",
       {4, 0, 0, 0, 0, -1000, 4 + 0.99e-3 * (low.s + 4)},
       CheckCode::SJump,
       false},
      {"s below, past", {4, 0, 0, 0, 0, -1000, 4 - 1.01e-3 * (low.s + 4)}, CheckCode::SJump, true},
      {"s below, inside",
       {4, 0, 0, 0, 0, -1000, 4 - 0.99e-3 * (low.s + 4)},
       CheckCode::SJump,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto codes = Codes({MakeRecord({.high_set = c.high, .low_set = kLow})});
    EXPECT_EQ(codes, c.reported ? std::vector<CheckCode>{c.code} : std::vector<CheckCode>{});
  }
}

// A measure exactly at its tolerance is not reported; one just past it is.
TEST(CheckJumps, ExactlyAtTheToleranceIsQuiet) {
  const ThermoRecord record =
      MakeRecord({.high_set = {4.1, 0, 0, 0, 0, -990, 3.9}, .low_set = kLow});
  const TwoRangeNasa7 curve = TwoRangeNasa7::Of(record);
  const JoinSide low = JoinSideOf(curve.low, 1000), high = JoinSideOf(curve.high, 1000);
  const CheckTolerances at{CpJumpMeasure(low, high), HJumpMeasure(low, high),
                           SJumpMeasure(low, high)};
  ASSERT_GT(at.cp, 0);
  ASSERT_GT(at.h, 0);
  ASSERT_GT(at.s, 0);
  EXPECT_TRUE(Codes({record}, at).empty());
  const auto below = [](double x) { return std::nextafter(x, 0.0); };
  EXPECT_EQ(Codes({record}, {below(at.cp), at.h, at.s}), std::vector{CheckCode::CpJump});
  EXPECT_EQ(Codes({record}, {at.cp, below(at.h), at.s}), std::vector{CheckCode::HJump});
  EXPECT_EQ(Codes({record}, {at.cp, at.h, below(at.s)}), std::vector{CheckCode::SJump});
}

TEST(CheckJumps, OnlyWithTheJoinInsideAndEveryCoefficientRead) {
  const CoefficientSet far{6, 0, 0, 0, 0, 0, 0};
  // The common temperature on a limit: one set covers the whole range, nothing can jump.
  EXPECT_TRUE(Codes({MakeRecord({.mid = 300, .high_set = far, .low_set = kLow})}).empty());
  EXPECT_TRUE(Codes({MakeRecord({.mid = 5000, .high_set = far, .low_set = kLow})}).empty());
  auto lines = testing::RecordLines({.high_set = far, .low_set = kLow});
  lines[2].replace(20, 5, "ABCDE");
  const ThermoRecord unread = ParseThermoRecord(lines, 4, 2);
  ASSERT_FALSE(unread.coefficients_read);
  EXPECT_TRUE(Codes({unread}).empty());
}

TEST(CheckJumps, NegativeCpAtTheJoinCannotHideAJump) {
  const CoefficientSet low{-2, 0, 0, 0, 0, 0, 0};
  const CoefficientSet high{-2, 0, 0, 0, 0, 50, 0};  // only h differs
  const auto codes = Codes({MakeRecord({.high_set = high, .low_set = low})});
  EXPECT_NE(std::find(codes.begin(), codes.end(), CheckCode::HJump), codes.end());
}

TEST(CheckIncomplete, CutShortByEndOfFileEndLineOrNextRecord) {
  const auto full = testing::RecordLines({});
  struct Case {
    const char* what;
    std::array<std::string, 4> lines;
    int line_count;
    int own_lines;
  } cases[] = {
      {"end of file after line 2", {full[0], full[1], "", ""}, 2, 2},
      {"end line as line 4", {full[0], full[1], full[2], "END"}, 4, 3},
      {"end line padded", {full[0], full[1], "  end  ", full[3]}, 4, 2},
      {"next record as line 3",
       {full[0], full[1], testing::RecordLine1("O2", 300, 5000, 1000), full[3]},
       4,
       2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Limits out of order too: an incomplete record gets no other finding.
    std::array<std::string, 4> lines = c.lines;
    lines[0] = testing::RecordLine1("CH4", 5000, 300, 1000);
    const CheckRun run = CheckRecords(std::vector{ParseThermoRecord(lines, c.line_count, 9)}, {});
    ASSERT_EQ(run.findings.size(), 1u);
    EXPECT_EQ(run.findings[0].code, CheckCode::Incomplete);
    EXPECT_EQ(run.findings[0].numbers.at(0).second, c.own_lines);
  }
}

TEST(CheckDuplicates, IdenticalOrConflictingWithTheFirstOfTheName) {
  const RecordShape base{};
  const ThermoRecord first = MakeRecord(base, 10);
  auto padded_lines = testing::RecordLines(base);  // trailing blanks do not count
  for (std::size_t k = 1; k < 4; ++k) padded_lines[k] += "   ";
  const ThermoRecord padded = ParseThermoRecord(padded_lines, 4, 20);
  RecordShape other_limits = base;
  other_limits.mid = 1200;
  RecordShape other_line3 = base;
  other_line3.high_set[5] = -1000.5;  // a6, the first field of line 3
  const std::vector<ThermoRecord> records = {first, padded, MakeRecord(other_limits, 30),
                                             MakeRecord(other_line3, 40),
                                             MakeRecord({.name = "O2"}, 50)};
  const CheckRun run = CheckRecords(records, {100, 100, 100});
  ASSERT_EQ(run.findings.size(), 3u);
  EXPECT_EQ(run.findings[0].code, CheckCode::DuplicateIdentical);
  EXPECT_EQ(run.findings[0].line, 20);
  EXPECT_EQ(run.findings[1].code, CheckCode::DuplicateConflicting);
  EXPECT_NE(run.findings[1].detail.find("limits"), std::string::npos);
  EXPECT_EQ(run.findings[2].code, CheckCode::DuplicateConflicting);
  EXPECT_NE(run.findings[2].detail.find("line 3"), std::string::npos);
  for (const CheckFinding& f : run.findings) {
    EXPECT_EQ(f.numbers.at(0).second, 10) << "compared with the first record of the name";
  }
}

TEST(CheckDuplicates, AfterAnIncompleteFirstRecordTheCopyConflicts) {
  auto lines = testing::RecordLines({});
  const ThermoRecord cut = ParseThermoRecord(lines, 2, 3);
  const ThermoRecord whole = ParseThermoRecord(lines, 4, 5);
  EXPECT_EQ(Codes({cut, whole}),
            (std::vector{CheckCode::Incomplete, CheckCode::DuplicateConflicting}));
}

TEST(CheckCpNegative, FirstKelvinWhereCpIsZeroOrBelow) {
  // cp/R = 1 - T/512 is exactly 0 at 512 K: zero counts.
  const CoefficientSet falling{1, -1.0 / 512, 0, 0, 0, 0, 0};
  const CoefficientSet fine{3.5, 0, 0, 0, 0, 0, 0};
  struct Case {
    const char* what;
    RecordShape shape;
    std::optional<int> t;
  } cases[] = {
      {"low set crosses at 512 K", {.high_set = fine, .low_set = falling}, 512},
      {"range ends at 511 K",
       {.low = 300, .high = 511.9, .mid = 400, .high_set = falling, .low_set = fine},
       std::nullopt},
      {"high set from the common temperature",
       {.mid = 400, .high_set = falling, .low_set = fine},
       512},
      {"negative below the low limit only",
       {.low = 300,
        .high = 5000,
        .mid = 1000,
        .high_set = fine,
        .low_set = {-1, 1.0 / 256, 0, 0, 0, 0, 0}},
       std::nullopt},
      {"low limit on a fraction",
       {.low = 511.5, .high = 600, .mid = 550, .high_set = fine, .low_set = falling},
       512},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CheckRun run = CheckRecords(std::vector{MakeRecord(c.shape)}, {100, 100, 100});
    std::optional<int> t;
    for (const CheckFinding& f : run.findings) {
      if (f.code == CheckCode::CpNegative) t = int(f.numbers.at(0).second);
    }
    EXPECT_EQ(t, c.t);
  }
}

TEST(CheckHf, FieldAgainstTheEnthalpyAt298) {
  // h/RT = a1 + a6/T with a tiny a1 (Cp stays positive): H(298.15)/R = a6 + 0.0003.
  struct Case {
    double a6, field;
    bool reported;
  } cases[] = {
      {-1000, -1000, false},    {-1000, -1000.9, false},   {-1000, -1001.2, true},
      {-1000, -998.8, true},    {-30000, -30002.5, false},  // 1 K past, but under 1e-4
      {-30000, -30003.5, true}, {-1000, 0, false},          // an empty field says nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a6 << " " << c.field);
    const CoefficientSet set{1e-6, 0, 0, 0, 0, c.a6, 0};
    RecordShape shape{.high_set = set, .low_set = set, .hf = c.field};
    const auto codes = Codes({MakeRecord(shape)}, {100, 100, 100});
    EXPECT_EQ(codes, c.reported ? std::vector{CheckCode::HfMismatch} : std::vector<CheckCode>{});
  }
}

TEST(CheckComposition, SymbolsThatAreNoElementAndCountsThatAreNotWhole) {
  const double no_number = std::nan("");
  struct Case {
    std::vector<ElementCount> composition;
    const char* problems;
  } cases[] = {
      {{{"C", 1}, {"H", 4}}, ""},
      {{{"Al", 1}, {"E", -1}}, ""},  // an ion
      {{{"D", 2}, {"O", 1}}, ""},    // deuterium
      {{{"Tc", 1}}, ""},             // an element without a standard weight
      {{{"Ao", 1}, {"C", 1}}, "Ao is no element"},
      {{{"1h", 1}}, "1h is no element"},
      {{{"C", 1.5}, {"H", 4}}, "count 1.5 of C is not a whole number"},
      {{{"C", 0.999}}, "count 0.999 of C is not a whole number"},
      {{{"Rs", 0.5}, {"H", no_number}},
       "Rs is no element; count 0.5 of Rs is not a whole number; the count of H is no number"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompositionProblems(c.composition), c.problems) << FormulaText(c.composition, " ");
  }
}

TEST(CheckWeightInCommon, WithinOneHundredthOfTheWeight) {
  struct Case {
    double t_mid;
    std::optional<double> weight;
    bool in_common;
  } cases[] = {
      {26.98154, 26.982, true},   {26.9721, 26.982, true},   // inside
      {26.9719, 26.982, false},   {26.9921, 26.982, false},  // just past
      {65.39, 65.38, true},       {65.37, 65.38, true},      // exactly at, in decimal
      {65.3900001, 65.38, false}, {1000, std::nullopt, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WeightInCommon(c.t_mid, c.weight), c.in_common) << c.t_mid;
  }
}

// Record line 1 up to column 45 and lines 2 to 4 ending in their numbers in column 80.
const std::string kPairs = "AL                J 6/83AL 1.   0.   0.   0.G";
const std::string kLine2 = std::string(79, ' ') + "2";
const std::string kLine3 = std::string(79, ' ') + "3";
const std::string kLine4 = std::string(79, ' ') + "4";

TEST(CheckLayout, FixedColumnsAgainstTheLimitsRead) {
  struct Case {
    std::string line1;
    std::optional<double> file_default;
    ReadLimits read;
    std::array<std::string, 3> lines;
    const char* detail;
  } cases[] = {
      {kPairs + "   200.000  6000.000 1000.000     1", {}, {200, 6000, 1000}, {}, ""},
      {kPairs + "   300.00   5000.00  1000.00      1", {}, {300, 5000, 1000}, {}, ""},
      {kPairs + "   300.000  5000.000              1", 1000, {300, 5000, 1000}, {}, ""},
      {kPairs + "   200.000  6000.0005.48579903-04 1",
       {},
       {0, 200, 6000.0005},
       {},
       "columns 46-55, 56-65, 66-73 give low 200, high 6000, common 5.485799; the limits read "
       "are low 0, high 200, common 6000.0005"},
      {kPairs + "   300.0X0  5000.000 1000.000     1",
       {},
       {300, 5000, 1000},
       {},
       "columns 46-55, 56-65, 66-73 give low \"300.0X0\", high 5000, common 1000; the limits "
       "read are low 300, high 5000, common 1000"},
      {kPairs + "   300.000  5000.000              1",
       {},
       {0, 300, 5000},
       {},
       "columns 46-55, 56-65, 66-73 give low 300, high 5000, common blank (no default line); the "
       "limits read are low 0, high 300, common 5000"},
      {kPairs + "   300.000  5000.000              1",
       1000,
       {0, 300, 5000},
       {},
       "columns 46-55, 56-65, 66-73 give low 300, high 5000, common 1000 (blank: the default); "
       "the limits read are low 0, high 300, common 5000"},
      {kPairs + "   300.000  5000.000 1000.000     1 ! 1 2 3",
       {},
       {300, 5000, 1000},
       {kLine2, kLine3.substr(0, 79), kLine4.substr(0, 79) + "x"},
       "line 3 ends before column 80, not 3; line 4 has \"x\" in column 80, not 4"},
      {"X 300 5000 1000 1",
       {},
       {300, 5000, 1000},
       {kLine3, kLine3, kLine4 + "!note"},
       "columns 46-55, 56-65, 66-73 give low blank, high blank, common blank (no default line); "
       "the limits read are low 300, high 5000, common 1000; line 2 has \"3\" in column 80, "
       "not 2"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.line1);
    for (std::size_t k = 0; k < 3; ++k) {
      if (c.lines[k].empty()) c.lines[k] = std::array{kLine2, kLine3, kLine4}[k];
    }
    EXPECT_EQ(
        LayoutDisagreement(c.line1, c.file_default, c.read, {c.lines[0], c.lines[1], c.lines[2]}),
        c.detail);
  }
}

// The line-1 rules on whole records whose sets jump at the join: composition and layout are
// told whatever the limits; mw-in-common, like limits, stops the rules that evaluate the sets.
TEST(CheckLineOne, WhichRulesRunBesideTheLimits) {
  const RecordShape jumpy{.high_set = {6, 0, 0, 0, 0, 0, 0}, .low_set = kLow};
  const std::vector<CheckCode> jumps = {CheckCode::CpJump, CheckCode::HJump, CheckCode::SJump};
  struct Case {
    std::string line1;
    std::vector<CheckCode> codes;
  } cases[] = {
      {kPairs + "   300.000  5000.000 1000.000     1", jumps},
      {"CH4               L 8/88C   1H   4    0    0G   300.000  5000.000  1000.00    1", jumps},
      {"AO                L 8/88AO  1CH1.5    0    0G   300.000  5000.000  1000.00    1",
       {CheckCode::Composition, CheckCode::CpJump, CheckCode::HJump, CheckCode::SJump}},
      {kPairs + "   300.000  5000.00 26.98154      1", {CheckCode::MwInCommon}},
      {kPairs + "   300.000  5000.000     26.98154 1", {CheckCode::Layout, CheckCode::MwInCommon}},
      {kPairs + "   300.000  5000.000 26.95000     1", {CheckCode::Limits}},
      {kPairs + "   300.000  5000.000              1", {CheckCode::Layout, CheckCode::Limits}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line1);
    std::array<std::string, 4> lines = testing::RecordLines(jumpy);
    lines[0] = c.line1;
    EXPECT_EQ(Codes({ParseThermoRecord(lines, 4, 2)}), c.codes);
  }
  std::array<std::string, 4> lines = testing::RecordLines(jumpy);
  lines[0] = kPairs + "   300.000  5000.00 26.98154      1";
  const CheckRun run = CheckRecords(std::vector{ParseThermoRecord(lines, 4, 2)}, {});
  ASSERT_EQ(run.findings.size(), 1u);
  EXPECT_EQ(run.findings[0].detail,
            "common temperature 26.98154 K is the molecular weight 26.982 g/mol");
}

TEST(CheckOrder, ByLineThenCode) {
  RecordShape jumpy{.high_set = {6, 0, 0, 0, 0, 0, 0}, .low_set = kLow};
  RecordShape copy = jumpy;
  // The copy comes later in the list but carries the smaller line number.
  const CheckRun run = CheckRecords(std::vector{MakeRecord(jumpy, 5), MakeRecord(copy, 1)}, {});
  std::vector<std::pair<int, CheckCode>> got;
  for (const CheckFinding& f : run.findings) got.emplace_back(f.line, f.code);
  const std::vector<std::pair<int, CheckCode>> expected = {
      {1, CheckCode::CpJump}, {1, CheckCode::DuplicateIdentical},
      {1, CheckCode::HJump},  {1, CheckCode::SJump},
      {5, CheckCode::CpJump}, {5, CheckCode::HJump},
      {5, CheckCode::SJump}};
  EXPECT_EQ(got, expected);
}

TEST(CheckCodes, NamesRoundTrip) {
  for (int k = 0; k < kCheckCodeCount; ++k) {
    const auto code = static_cast<CheckCode>(k);
    EXPECT_EQ(CodeFromName(CodeName(code)), code);
    if (k > 0) {
      EXPECT_LT(CodeName(static_cast<CheckCode>(k - 1)), CodeName(code));
    }
  }
  EXPECT_FALSE(CodeFromName("cp"));
}

TEST(CheckProgress, CancelStopsTheRun) {
  std::vector<ThermoRecord> records(1000, MakeRecord({.mid = 100}));
  std::size_t calls = 0;
  const CheckRun run = CheckRecords(records, {}, [&](std::size_t done, std::size_t total) {
    EXPECT_EQ(total, 1000u);
    return ++calls < 2 && done < total;
  });
  EXPECT_TRUE(run.cancelled);
  EXPECT_LT(run.findings.size(), 1000u);
}

TEST(CheckFormats, TextCsvAndJson) {
  std::vector<CheckFinding> findings = {
      {12, "CH4", CheckCode::CpJump, "cp/R differs", {{"low", 3.5}, {"high", 0.1}}},
      {30,
       "A,\"B\"",
       CheckCode::Limits,
       "low 0",
       {{"t_low", std::numeric_limits<double>::infinity()}}},
      {31, "\xe9T\x01", CheckCode::Incomplete, "", {}},
  };
  std::ostringstream text, csv, json;
  WriteFindingsText(text, findings);
  WriteFindingsCsv(csv, findings);
  WriteFindingsJson(json, findings);
  EXPECT_EQ(
      text.str(),
      "12\tCH4\tcp-jump\tcp/R differs\n30\tA,\"B\"\tlimits\tlow 0\n31\t\xe9T\x01\tincomplete\t\n");
  EXPECT_EQ(csv.str(),
            "line,name,code,detail\n12,CH4,cp-jump,cp/R differs\n30,\"A,\"\"B\"\"\",limits,low 0\n"
            "31,\xe9T\x01,incomplete,\n");
  EXPECT_EQ(
      json.str(),
      "[\n"
      "  {\"line\": 12, \"name\": \"CH4\", \"code\": \"cp-jump\", \"detail\": \"cp/R differs\", "
      "\"numbers\": {\"low\": 3.5, \"high\": 0.1}},\n"
      "  {\"line\": 30, \"name\": \"A,\\\"B\\\"\", \"code\": \"limits\", \"detail\": \"low 0\", "
      "\"numbers\": {\"t_low\": null}},\n"
      "  {\"line\": 31, \"name\": \"\\u00e9T\\u0001\", \"code\": \"incomplete\", \"detail\": \"\", "
      "\"numbers\": {}}\n"
      "]\n");
  std::ostringstream empty;
  WriteFindingsJson(empty, {});
  EXPECT_EQ(empty.str(), "[]\n");
}

}  // namespace
}  // namespace tabulon

namespace tabulon {
namespace {

// Through a whole file: line numbers count CR, LF and CR LF line ends alike and include the
// comment lines, which a record's lines pass over.
TEST(CheckFile, LineNumbersAndCutsInARealFile) {
  const auto ch4 = testing::RecordLines({});
  const auto bad = testing::RecordLines({.name = "BAD", .low = 5000, .high = 300});
  const std::string text = "THERMO\r\n   300.000  1000.000  5000.000\r" + ch4[0] + "\n! note\n" +
                           ch4[1] + "\r\n" + ch4[2] + "\r" + ch4[3] + "\n" + bad[0] + "\n" +
                           bad[1] + "\n" + bad[2] + "\n" + bad[3] + "\n" + ch4[0] + "\n" + ch4[1] +
                           "\nEND\n";
  const ThermoFile file = ThermoFile::Of(FileSnapshot::OfBytes("db.dat", text));
  ASSERT_TRUE(file.Outcome().Succeeded());
  std::vector<std::pair<int, CheckCode>> got;
  for (const CheckFinding& f : CheckRecords(file.Records(), {}).findings) {
    got.emplace_back(f.line, f.code);
  }
  const std::vector<std::pair<int, CheckCode>> expected = {{8, CheckCode::Limits},
                                                           {12, CheckCode::Incomplete}};
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace tabulon
