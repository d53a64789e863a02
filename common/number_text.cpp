// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"

#include <charconv>
#include <cmath>

namespace tabulon {

std::string DecimalText(bool negative, std::string_view digits, int exponent) {
  char text[48];
  std::size_t size = 0;
  text[size++] = negative ? '-' : ' ';
  const std::size_t count = digits.size();
  if (exponent < -4 || exponent >= 15) {
    text[size++] = digits[0];
    if (count > 1) {
      text[size++] = '.';
      for (std::size_t i = 1; i < count; ++i) text[size++] = digits[i];
    }
    text[size++] = 'E';
    text[size++] = exponent < 0 ? '-' : '+';
    const int shown = exponent < 0 ? -exponent : exponent;
    if (shown < 10) text[size++] = '0';
    size =
        static_cast<std::size_t>(std::to_chars(text + size, text + sizeof text, shown).ptr - text);
    return std::string(text, size);
  }
  const int point = exponent + 1;  // digits before the decimal point: -3 to 15 here
  if (point <= 0) {
    text[size++] = '.';
    for (int i = point; i < 0; ++i) text[size++] = '0';
    for (std::size_t i = 0; i < count; ++i) text[size++] = digits[i];
  } else {
    for (std::size_t i = 0; i < static_cast<std::size_t>(point); ++i) {
      text[size++] = i < count ? digits[i] : '0';
    }
    if (static_cast<std::size_t>(point) < count) {
      text[size++] = '.';
      for (std::size_t i = static_cast<std::size_t>(point); i < count; ++i)
        text[size++] = digits[i];
    }
  }
  return std::string(text, size);
}

// The digits come from one shortest round-trip conversion and the text is assembled in place:
// the reports write hundreds of thousands of these.
std::string NumberText(double x) {
  const bool negative = x < 0;
  if (std::isnan(x)) return std::string(negative ? "-" : " ") + "NaN";
  if (std::isinf(x)) return std::string(negative ? "-" : " ") + "Infinity";
  const double magnitude = std::fabs(x);
  if (magnitude == 0) return " 0";
  // Shortest round-trip digits of the magnitude and the decimal exponent of the first digit:
  // 298.15 is "2.9815e+02", digits 29815, exponent 2.
  char scientific[32];
  const char* end = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                  std::chars_format::scientific)
                        .ptr;
  char digits[24];
  std::size_t count = 0;
  const char* at = scientific;
  for (; *at != 'e'; ++at) {
    if (*at != '.') digits[count++] = *at;
  }
  int exponent = 0;
  std::from_chars(at + 2, end, exponent);
  if (at[1] == '-') exponent = -exponent;
  return DecimalText(negative, std::string_view(digits, count), exponent);
}

std::string ShortestNumber(double x) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, x);
  return std::string(text, result.ptr);
}

std::string CountCaption(int count) {
  return "(" + std::to_string(count) + ")";
}

}  // namespace tabulon
