// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/ratio_text.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"

namespace tabulon {

namespace {

double StrictValue(std::string_view text) {
  const std::optional<double> value = StrictNumber(text);
  if (!value) throw Failure(FailureKind::NotANumber, "\"" + std::string(text) + "\"");
  return *value;
}

// The text of the value correctly rounded to two decimals: NumberText of the picture "0.00"
// read back as a number. Formatted with to_chars so that the result never depends on the
// locale. Below 1e13 the picture holds at most 15 significant digits, and such a decimal is the
// shortest text of the double it reads as, so its own digits are laid out without reading it
// back (a report makes three ratios for each line).
std::string HundredthsText(double magnitude) {
  char buffer[400];  // the largest double has 309 digits before the point
  const std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, 2);
  if (magnitude < 1e13) {
    char digits[16];
    std::size_t count = 0;
    // The power of ten of the first significant digit: each digit before the point raises it,
    // each zero after the point and before the first digit lowers it.
    int exponent = -1;
    bool before_point = true;
    for (const char* at = buffer; at != written.ptr; ++at) {
      if (*at == '.') {
        before_point = false;
      } else if (count > 0 || *at != '0') {
        digits[count++] = *at;
        if (before_point) ++exponent;
      } else if (!before_point) {
        --exponent;
      }
    }
    while (count > 0 && digits[count - 1] == '0') --count;
    if (count == 0) return NumberText(0);
    return DecimalText(false, std::string_view(digits, count), exponent);
  }
  double rounded = 0;
  std::from_chars(buffer, written.ptr, rounded);
  return NumberText(rounded);
}

}  // namespace

std::string RatioText(std::string_view dividend, std::string_view divisor) {
  const double a = StrictValue(dividend);
  const double b = StrictValue(divisor);
  if (b == 0) {
    if (a != 0) {
      throw Failure(FailureKind::DivisionByZero, "ratio of \"" + std::string(dividend) +
                                                     "\" to \"" + std::string(divisor) + "\"");
    }
    throw Failure(FailureKind::Overflow, "0 divided by 0");
  }
  const double quotient = a / b;
  if (!std::isfinite(quotient)) throw Failure(FailureKind::Overflow, "ratio beyond the range");
  return HundredthsText(std::fabs(quotient));
}

}  // namespace tabulon
