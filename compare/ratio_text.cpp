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

// The picture "0.00": the value correctly rounded to two decimals, read back as a number.
// Formatted with to_chars so that the result never depends on the locale.
double RoundedToHundredths(double value) {
  char buffer[400];  // the largest double has 309 digits before the point
  const std::to_chars_result written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  double rounded = 0;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
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
  return NumberText(RoundedToHundredths(std::fabs(quotient)));
}

}  // namespace tabulon
