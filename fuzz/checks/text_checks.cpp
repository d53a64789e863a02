// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/reference.h"
#include "thermodb/coefficient_text.h"
#include "thermodb/temperature_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon::fuzz {
namespace {

// A limit text is empty (a number beyond the double range) or NumberText of what it reads as.
std::string CheckLimitText(const std::string& text, const char* which) {
  if (text.empty()) return {};
  try {
    if (NumberText(LeadingNumber(text)) != text) {
      return std::string(which) + " is not a NumberText: " + Quoted(text);
    }
  } catch (const Failure&) {
    return std::string(which) + " cannot be read back: " + Quoted(text);
  }
  return {};
}

bool SameLimits(const TemperatureLimits& a, const TemperatureLimits& b) {
  return a.low == b.low && a.high == b.high && a.mid == b.mid;
}

// The line with every blank doubled and two blanks in front: tokens are cut at runs of blanks,
// so this must read the same.
std::string Widened(std::string_view line) {
  std::string wide = "  ";
  for (char c : line) {
    wide += c;
    if (c == ' ') wide += ' ';
  }
  return wide;
}

}  // namespace

std::string CheckTemperatureLine(std::string_view data) {
  const TemperatureLimits limits = ParseTemperatureLine(data);
  std::string problem = CheckLimitText(limits.low, "T low");
  if (problem.empty()) problem = CheckLimitText(limits.high, "T high");
  if (problem.empty()) problem = CheckLimitText(limits.mid, "T common");
  if (!problem.empty()) return problem;
  try {
    TemperaturesAccepted(limits.low, limits.mid, limits.high);
  } catch (const Failure&) {
    return "the temperature check threw";
  }
  if (!SameLimits(ParseTemperatureLine(Widened(data)), limits)) {
    return "more blanks between the tokens change the limits";
  }
  return {};
}

std::string CheckCoefficientText(std::string_view data) {
  for (int k = -1; k <= 7; ++k) {
    const std::string field = CoefficientField(data, k);
    std::string expected;
    if (k >= 1 && static_cast<std::size_t>(15 * (k - 1)) < data.size()) {
      for (char c : data.substr(static_cast<std::size_t>(15 * (k - 1)), 15)) {
        if (c != ' ') expected += c;
      }
    }
    if (field != expected) return "field " + std::to_string(k) + " is " + Quoted(field);
  }

  const std::string text = CoefficientText(data);
  const std::optional<double> value = StrictNumber(data);
  if (!value) {
    return text == data ? std::string() : "a text that is not a number changed: " + Quoted(text);
  }
  char picture[64];
  std::snprintf(picture, sizeof picture, "%.8E", *value + 0.0);
  if (text != picture) return "coefficient text " + Quoted(text) + ", C gives " + picture;
  if (CoefficientText(text) != text) return "coefficient text changes when shown again";
  try {
    LeadingNumber(text);
  } catch (const Failure&) {
    return "LeadingNumber cannot read the coefficient text " + Quoted(text);
  }
  return {};
}

}  // namespace tabulon::fuzz
