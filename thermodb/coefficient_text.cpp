// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/coefficient_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

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

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsExponentLetter(char c) {
  return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// The powers of ten a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMostExactPower = 22;

}  // namespace

std::optional<double> UsualFieldNumber(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;

  std::uint32_t digits = 0;  // the mantissa's digits as one integer, below 1e9
  int digit_count = 0, after_period = 0;
  bool period = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digits = digits * 10 + static_cast<std::uint32_t>(c - '0');
      ++digit_count;
      after_period += period;
    } else if (c == '.' && !period) {
      period = true;
    } else {
      break;
    }
    if (digit_count > kPictureDigits) return std::nullopt;
  }
  if (digit_count == 0 || i == text.size() || !IsExponentLetter(text[i])) return std::nullopt;

  ++i;
  const bool exponent_negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t exponent_start = i;
  int exponent = 0;
  for (; i < text.size() && IsDigit(text[i]) && i - exponent_start < 3; ++i) {
    exponent = exponent * 10 + (text[i] - '0');
  }
  if (i == exponent_start || i != text.size()) return std::nullopt;

  const int power = (exponent_negative ? -exponent : exponent) - after_period;
  if (power < -kMostExactPower || power > kMostExactPower) return std::nullopt;
  // Both operands are exact, so the one rounding of the product or quotient gives the nearest
  // double, as a correctly rounded conversion of the text does.
  const double mantissa = static_cast<double>(digits);
  const double value =
      power >= 0 ? mantissa * kExactPowersOfTen[power] : mantissa / kExactPowersOfTen[-power];
  return negative ? -value : value;
}

FieldReading ReadCoefficientField(std::string_view columns) {
  char squeezed[kFieldWidth];
  std::size_t size = 0;
  for (char c : columns.substr(0, kFieldWidth)) {
    if (c != ' ') squeezed[size++] = c;
  }
  const std::string_view text(squeezed, size);
  if (text.empty()) return {};
  // Adding 0 turns a negative zero into a positive one, as reading its picture does.
  if (const std::optional<double> usual = UsualFieldNumber(text)) {
    return {FieldKind::Number, *usual + 0.0, usual};
  }
  const std::optional<double> stated = StrictNumber(text);
  if (!stated) return {FieldKind::Text, BoxNumber(text), std::nullopt};
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
