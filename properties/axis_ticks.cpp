// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/axis_ticks.h"

#include <cmath>
#include <cstdio>

namespace tabulon {
namespace {

// Room for the rounding of span / most_steps and of the power of ten: 0.2 / 0.1 is a hair
// above 2 in doubles, and must still count as 2.
constexpr double kStepSlack = 1e-9;

}  // namespace

double RoundStep(double span, int most_steps) {
  if (!(span > 0) || !std::isfinite(span) || most_steps < 1) return 1;
  const double raw = span / most_steps;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double mantissa = raw / power;
  for (const double round : {1.0, 2.0, 5.0}) {
    if (mantissa <= round * (1 + kStepSlack)) return round * power;
  }
  return 10 * power;
}

AxisRange RoundOutward(double low, double high, double step) {
  return {std::floor(low / step * (1 + kStepSlack * (low < 0 ? -1 : 1))) * step,
          std::ceil(high / step * (1 - kStepSlack * (high < 0 ? -1 : 1))) * step};
}

std::vector<double> TickValues(double low, double high, double step) {
  std::vector<double> ticks;
  if (!(step > 0) || !(low <= high)) return ticks;
  const double first = std::ceil(low / step - 1e-6), last = std::floor(high / step + 1e-6);
  // A range of a few thousand steps is a wrong step; no chart wants its ticks.
  if (!(last - first < 1000)) return ticks;
  for (double k = first; k <= last; ++k) ticks.push_back(k * step);
  return ticks;
}

std::string TickLabel(double value, double step) {
  char text[48];
  if (std::abs(value) < step * 1e-6) value = 0;
  const double magnitude = std::max(std::abs(value), step);
  if (magnitude >= 1e7 || step < 1e-5) {
    std::snprintf(text, sizeof text, "%.6g", value);
  } else {
    const int decimals = std::max(0, -int(std::floor(std::log10(step) + kStepSlack)));
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
  }
  return text;
}

}  // namespace tabulon
