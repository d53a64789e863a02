// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/value_text.h"

#include <charconv>
#include <cmath>

#include "common/failure.h"
#include "common/number_text.h"

namespace tabulon {

std::string ValueText(double x) {
  // The picture "0.000E+00" (C's "%.3E", whatever the locale), read back.
  char picture[32];
  const std::to_chars_result end =
      std::to_chars(picture, picture + sizeof picture, x, std::chars_format::scientific, 3);
  double rounded = 0;
  if (std::from_chars(picture, end.ptr, rounded).ec != std::errc() || !std::isfinite(rounded)) {
    throw Failure(FailureKind::Overflow, "rounded value beyond the double range");
  }
  return NumberText(rounded);
}

}  // namespace tabulon
