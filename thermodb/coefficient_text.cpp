// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/coefficient_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/failure.h"
#include "common/leading_number.h"

namespace tabulon {
namespace {

// The picture holds nine significant digits.
constexpr int kPictureDigits = 9;
constexpr std::size_t kFieldWidth = 15;

// Significant digits of a number text's mantissa: from its first to its last non-zero digit
// ("0.00150" has 2), so a value with at most kPictureDigits of them is its own picture's value.
int SignificantDigits(std::string_view number) {
  const std::size_t exponent = number.find_first_of("EeDd");
  const std::string_view mantissa = number.substr(0, exponent);
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0;
  const std::size_t last = mantissa.find_last_of("123456789");
  const std::string_view digits = mantissa.substr(first, last - first + 1);
  return static_cast<int>(digits.size() -
                          static_cast<std::size_t>(std::ranges::count(digits, '.')));
}

// The value of a number's picture: the double nearest to its nine-digit rounding.
double PictureValue(double value) {
  char picture[32];
  const std::to_chars_result end = std::to_chars(picture, picture + sizeof picture, value,
                                                 std::chars_format::scientific, kPictureDigits - 1);
  double rounded = value;
  std::from_chars(picture, end.ptr, rounded);
  return rounded;
}

double BoxNumber(std::string_view text) {
  try {
    return LeadingNumber(text);
  } catch (const Failure&) {
    return std::nan("");
  }
}

}  // namespace

FieldReading ReadCoefficientField(std::string_view columns) {
  char squeezed[kFieldWidth];
  std::size_t size = 0;
  for (char c : columns.substr(0, kFieldWidth)) {
    if (c != ' ') squeezed[size++] = c;
  }
  const std::string_view text(squeezed, size);
  if (text.empty()) return {};
  const std::optional<double> stated = StrictNumber(text);
  if (!stated) return {FieldKind::Text, BoxNumber(text), std::nullopt};
  // Adding 0 turns a negative zero into a positive one, as reading its picture does.
  double box_value = *stated + 0.0;
  if (SignificantDigits(text) > kPictureDigits) box_value = PictureValue(box_value);
  return {FieldKind::Number, box_value, stated};
}

std::string CoefficientPicture(double value) {
  char picture[32];
  const std::to_chars_result end = std::to_chars(picture, picture + sizeof picture, value + 0.0,
                                                 std::chars_format::scientific, kPictureDigits - 1);
  std::replace(picture, end.ptr, 'e', 'E');
  return std::string(picture, end.ptr);
}

std::string CoefficientText(std::string_view field) {
  const std::optional<double> value = StrictNumber(field);
  return value ? CoefficientPicture(*value) : std::string(field);
}

}  // namespace tabulon
