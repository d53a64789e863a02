// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/coefficient_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tabulon {
namespace {

constexpr std::size_t kHfFieldStart = 4 * kCoefficientFieldWidth;  // column 61

// "%.8E" without the field's padding: to_chars ignores the locale, which a window program may
// have set to one with a decimal comma.
std::string Picture(double x) {
  char text[32];
  const std::to_chars_result end =
      std::to_chars(text, text + sizeof text, x + 0.0, std::chars_format::scientific, 8);
  std::replace(text, end.ptr, 'e', 'E');
  return std::string(text, end.ptr);
}

}  // namespace

std::optional<std::string> CoefficientField15(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const std::string picture = Picture(x);
  if (picture.size() > kCoefficientFieldWidth) return std::nullopt;
  return std::string(kCoefficientFieldWidth - picture.size(), ' ') + picture;
}

double WrittenCoefficient(double x) {
  if (!std::isfinite(x)) return x;
  const std::string picture = Picture(x);
  double value = 0;
  std::from_chars(picture.data(), picture.data() + picture.size(), value);
  return value;
}

std::optional<std::array<std::string, 3>> StandardCoefficientLines(const CoefficientSet& high,
                                                                   const CoefficientSet& low,
                                                                   std::string_view hf_field) {
  const double values[14] = {high[0], high[1], high[2], high[3], high[4], high[5], high[6],
                             low[0],  low[1],  low[2],  low[3],  low[4],  low[5],  low[6]};
  std::array<std::string, 3> lines;
  for (std::size_t k = 0; k < 14; ++k) {
    const std::optional<std::string> field = CoefficientField15(values[k]);
    if (!field) return std::nullopt;
    lines[k / 5] += *field;
  }
  std::string hf(hf_field.substr(0, kCoefficientFieldWidth));
  hf.resize(kCoefficientFieldWidth, ' ');
  lines[2] += hf;
  for (std::size_t k = 0; k < 3; ++k) lines[k] += "    " + std::to_string(k + 2);
  return lines;
}

std::string_view HfFieldText(std::string_view line4) {
  if (line4.size() <= kHfFieldStart) return {};
  return line4.substr(kHfFieldStart, kCoefficientFieldWidth);
}

}  // namespace tabulon
