// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/value_text.h"

#include <charconv>
#include <cmath>

#include "common/failure.h"
#include "common/number_text.h"

namespace tabulon {

std::string ValueText(double x) {
  // The picture "0.000E+00" (C's "%.3E", whatever the locale).
  char picture[32];
  const std::to_chars_result end =
      std::to_chars(picture, picture + sizeof picture, x, std::chars_format::scientific, 3);
  const double magnitude = std::fabs(x);
  if (magnitude > 1e-300 && magnitude < 1e300) {
    // Far inside the double range the rounded value has a shortest text of exactly the
    // picture's digits (two decimals of at most 15 digits never share a double), so the text
    // is laid out from the picture without reading it back.
    const bool negative = picture[0] == '-';
    const char* mantissa = picture + (negative ? 1 : 0);  // "d.ddde+XX"
    char digits[4] = {mantissa[0], mantissa[2], mantissa[3], mantissa[4]};
    std::size_t count = 4;
    while (digits[count - 1] == '0') --count;  // the first digit of a nonzero value is not 0
    int exponent = 0;
    std::from_chars(mantissa + 7, end.ptr, exponent);
    if (mantissa[6] == '-') exponent = -exponent;
    return DecimalText(negative, std::string_view(digits, count), exponent);
  }
  // Zero, values near the ends of the range: the picture read back, which can also overflow.
  double rounded = 0;
  if (std::from_chars(picture, end.ptr, rounded).ec != std::errc() || !std::isfinite(rounded)) {
    throw Failure(FailureKind::Overflow, "rounded value beyond the double range");
  }
  return NumberText(rounded);
}

}  // namespace tabulon
