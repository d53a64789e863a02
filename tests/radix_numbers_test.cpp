// SPDX-License-Identifier: GPL-3.0-or-later
// "&H" and "&O" numbers past 2^53 read to the nearest double, like decimal ones.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "common/leading_number.h"

namespace tabulon {
namespace {

TEST(LeadingNumber, RadixNumbersPast2To53ReadToTheNearestDouble) {
  const double two_57 = std::ldexp(1.0, 57);
  const double two_64 = std::ldexp(1.0, 64);
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      // 2^57 + 31: rounding at each digit went 2^53 + 1 -> 2^53, then 2^57 + 15 -> 2^57.
      {"&H20000000000001F", two_57 + 32},
      {"&O10000000000000000037", two_57 + 32},
      {"&H20000000000000F", two_57},              // 2^57 + 15 lies nearer to 2^57
      {"&H20000000000001", std::ldexp(1.0, 53)},  // a tie goes to the even neighbour
      {"&H20000000000003", std::ldexp(1.0, 53) + 4},
      {"&HFFFFFFFFFFFFFBFF", two_64 - 2048},
      {"&O1777777777777777775777", two_64 - 2048},
      {"&HFFFFFFFFFFFFFFFF", two_64},
      {"&H0000000000000000000000FF", 255},  // leading zeros do not count
      {"&O00017x", 15},
      {"&O178", 15},  // the number ends at the first digit that is not octal
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
  }
}

}  // namespace
}  // namespace tabulon
