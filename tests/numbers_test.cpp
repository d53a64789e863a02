// SPDX-License-Identifier: GPL-3.0-or-later
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"

namespace tabulon {
namespace {

struct LeadingCase {
  const char* text;
  double value;
};

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
  const LeadingCase cases[] = {
      {"", 0},
      {"abc", 0},
      {"300", 300},
      {"300K", 300},
      {"  1000.000", 1000},
      {"1 0 0 0", 1000},    // blanks are ignored wherever they stand
      {"\t-2.5\n", -2.5},   // so are tabs and line feeds
      {"1000.00.5", 1000},  // the second point ends the number
      {".5", 0.5},
      {"-.0578", -0.0578},
      {"+7", 7},
      {"1.65326226E+00", 1.65326226},
      {"-2.46617581E-02", -2.46617581e-02},
      {"1.5D-05", 1.5e-05},  // Fortran exponent letter
      {"1.5d+05", 1.5e+05},
      {"2.5e 01", 25},  // "E 01" once the blank is gone
      {"1E", 1},        // an exponent letter needs digits after it
      {"1E+", 1},
      {"1Ex", 1},
      {"-", 0},
      {"--5", 0},
      {".", 0},
      {"&HFF", 255},
      {"&hff", 255},
      {"&O17", 15},
      {"&H", 0},
      {"&O8", 0},
      {"x&H10", 0},   // the radix prefixes count at the start only
      {"1e-400", 0},  // underflow reads as zero, not as a failure
      {"\r5", 0},     // a carriage return is not ignored
  };
  for (const LeadingCase& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(LeadingNumber, ValuesBeyondTheDoubleRangeAreOverflowFailures) {
  const std::string huge_hex = "&H" + std::string(300, 'F');
  for (const std::string& text :
       {std::string("1e400"), std::string("-1e400"), std::string("9D999"), huge_hex}) {
    try {
      LeadingNumber(text);
      ADD_FAILURE() << text << " did not fail";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Kind(), FailureKind::Overflow) << text;
    }
  }
}

// A text already in C syntax is read in place; a leading blank sends the same number through the
// general scan. Both readings must give the same bits, or both fail, for numbers of every shape
// and for texts of their characters thrown together; a whole number read in place must be one
// by the scan's syntax.
TEST(LeadingNumber, ReadsInPlaceAsTheGeneralScanReads) {
  auto reading = [](const std::string& text) -> std::optional<std::uint64_t> {
    try {
      return std::bit_cast<std::uint64_t>(LeadingNumber(text));
    } catch (const Failure&) {
      return std::nullopt;
    }
  };
  std::mt19937 random(18);
  // Half of the numbers are short (at most 16 digits, exponents to 30), as files write them.
  std::uniform_int_distribution<int> count(0, 20), short_count(0, 8), digit(0, 9);
  std::uniform_int_distribution<int> exponent(0, 400), short_exponent(0, 30);
  const std::string alphabet = "0123456789.-+eE";
  std::uniform_int_distribution<std::size_t> any(0, alphabet.size() - 1), length(1, 12);
  for (int round = 0; round < 20000; ++round) {
    const bool short_number = round % 4 < 2;
    auto digits = [&] { return short_number ? short_count(random) : count(random); };
    std::string number = round % 2 ? "-" : "";
    for (int k = digits(); k > 0; --k) number += static_cast<char>('0' + digit(random));
    if (round % 3) number += '.';
    for (int k = digits(); k > 0; --k) number += static_cast<char>('0' + digit(random));
    const int power = short_number ? short_exponent(random) : exponent(random);
    if (round % 5) number += (round % 7 ? "e-" : round % 3 ? "E+" : "E") + std::to_string(power);
    std::string jumble;
    for (std::size_t k = length(random); k > 0; --k) jumble += alphabet[any(random)];
    for (const std::string& text : {number, jumble}) {
      EXPECT_EQ(reading(text), reading(" " + text)) << '"' << text << '"';
      if (StrictNumber(text)) {
        EXPECT_TRUE(IsNumberText(text)) << '"' << text << '"';
      }
    }
  }
}

TEST(ExactDecimal, TakesOnlyExactOperands) {
  const std::uint64_t two_53 = std::uint64_t{1} << 53;
  EXPECT_EQ(ExactDecimal(1, 22, false), 1e22);
  EXPECT_EQ(ExactDecimal(1, -22, false), 1e-22);
  EXPECT_EQ(ExactDecimal(two_53, 0, true), -9007199254740992.0);
  EXPECT_EQ(ExactDecimal(123456789, -8, false), 1.23456789);
  EXPECT_TRUE(std::signbit(*ExactDecimal(0, 0, true)));
  EXPECT_FALSE(ExactDecimal(1, 23, false).has_value());
  EXPECT_FALSE(ExactDecimal(1, -23, false).has_value());
  EXPECT_FALSE(ExactDecimal(two_53 + 1, 0, false).has_value());
}

TEST(StrictNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
  EXPECT_EQ(StrictNumber(" 29.13"), 29.13);
  EXPECT_EQ(StrictNumber("-57.81 "), -57.81);
  EXPECT_EQ(StrictNumber("1.5D-05"), 1.5e-05);
  EXPECT_EQ(StrictNumber(" 0"), 0.0);
  EXPECT_EQ(StrictNumber("+1.5E+03"), 1500.0);
  EXPECT_EQ(StrictNumber("-.5"), -0.5);
  EXPECT_EQ(StrictNumber("1e-400"), 0.0);  // below the smallest double: zero, as C reads it
  for (const char* text : {"", " ", "xxx", "30K", "1E", "1 0", "&H10", "1e400", ".", "inf", "nan",
                           "-inf", "0x10", "1e+"}) {
    EXPECT_FALSE(StrictNumber(text).has_value()) << '"' << text << '"';
  }
}

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberText, WritesShortestPlainDecimalWithASignColumn) {
  const TextCase cases[] = {
      {200, " 200"},
      {298.15, " 298.15"},
      {0.95, " .95"},
      {-57.81, "-57.81"},
      {0, " 0"},
      {-0.0, " 0"},
      {1, " 1"},
      {12.5, " 12.5"},
      {-0.0578, "-.0578"},
      {0.0001, " .0001"},
      {1e14, " 100000000000000"},
      {0.1 + 0.2, " .30000000000000004"},  // shortest digits that read back the same double
      {1.5e-5, " 1.5E-05"},
      {1e15, " 1E+15"},
      {-2.5e100, "-2.5E+100"},
      {6e-300, " 6E-300"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(NumberText(c.value), c.text) << c.value;
  }
}

TEST(NumberText, ReadsBackToTheSameValue) {
  for (double x : {298.15, -0.0578, 1.5e-5, 123456.789, 3.14159e20, -7e-12}) {
    EXPECT_EQ(LeadingNumber(NumberText(x)), x) << x;
  }
}

TEST(CountCaption, IsTheCountInParentheses) {
  EXPECT_EQ(CountCaption(0), "(0)");
  EXPECT_EQ(CountCaption(153), "(153)");
}

}  // namespace
}  // namespace tabulon
