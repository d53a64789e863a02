// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tabulon {
namespace {

// Shortest round-trip digits of |x| > 0 and the decimal exponent of the first digit:
// 298.15 gives ("29815", 2).
void ShortestDigits(double magnitude, std::string& digits, int& exponent) {
  char buffer[64];
  auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  std::size_t e = text.find('e');
  exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  digits.clear();
  for (char c : text.substr(0, e)) {
    if (c != '.') digits += c;
  }
}

}  // namespace

std::string NumberText(double x) {
  std::string text = (x < 0) ? "-" : " ";
  if (std::isnan(x)) return text + "NaN";
  if (std::isinf(x)) return text + "Infinity";
  double magnitude = std::fabs(x);
  if (magnitude == 0) return " 0";

  std::string digits;
  int exponent = 0;
  ShortestDigits(magnitude, digits, exponent);

  if (magnitude < 1e-4 || magnitude >= 1e15) {
    text += digits[0];
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += (exponent < 0) ? "E-" : "E+";
    std::string exponent_digits = std::to_string(std::abs(exponent));
    if (exponent_digits.size() < 2) exponent_digits.insert(0, "0");
    return text + exponent_digits;
  }
  int point = exponent + 1;  // digits before the decimal point
  if (point <= 0) {
    text += "." + std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (static_cast<std::size_t>(point) >= digits.size()) {
    text += digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    text += digits.substr(0, static_cast<std::size_t>(point)) + "." +
            digits.substr(static_cast<std::size_t>(point));
  }
  return text;
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
