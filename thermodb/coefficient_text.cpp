// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/coefficient_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "common/leading_number.h"

namespace tabulon {

std::string CoefficientText(std::string_view field) {
  const std::optional<double> value = StrictNumber(field);
  if (!value) return std::string(field);
  // The picture "0.00000000E+00", as C's "%.8E" writes it but whatever the locale. Adding 0
  // turns a negative zero into a positive one.
  char picture[32];
  const std::to_chars_result end = std::to_chars(picture, picture + sizeof picture, *value + 0.0,
                                                 std::chars_format::scientific, 8);
  std::replace(picture, end.ptr, 'e', 'E');
  return std::string(picture, end.ptr);
}

}  // namespace tabulon
