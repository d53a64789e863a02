// SPDX-License-Identifier: GPL-3.0-or-later
#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>
#include <string>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/reference.h"
#include "properties/value_text.h"

namespace tabulon::fuzz {
namespace {

// The syntax of a decimal number as the tool reads it, for std::regex: an optional sign, at
// least one digit with at most one period, and an exponent letter that counts only with digits.
const std::regex& DecimalPrefix() {
  static const std::regex pattern(R"(^[+-]?(\d+\.?\d*|\.\d+)([eEdD][+-]?\d+)?)");
  return pattern;
}

// Reads a decimal text of the syntax above with strtod in the C locale: nullopt for a value
// beyond the double range.
std::optional<double> ReferenceValue(std::string decimal) {
  for (char& c : decimal) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  const double value = strtod_l(decimal.c_str(), nullptr, c_locale);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

std::string CheckLeadingNumber(std::string_view text) {
  std::string squeezed;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
  }
  std::optional<double> got;
  try {
    got = LeadingNumber(text);
  } catch (const Failure& failure) {
    if (failure.Kind() != FailureKind::Overflow) {
      return "LeadingNumber threw " + Quoted(failure.what());
    }
  }
  if (got && !std::isfinite(*got)) return "LeadingNumber gave a value that is not finite";

  const bool radix =
      squeezed.size() >= 2 && squeezed[0] == '&' &&
      (squeezed[1] == 'H' || squeezed[1] == 'h' || squeezed[1] == 'O' || squeezed[1] == 'o');
  if (radix) {
    if (got && (*got < 0 || *got != std::floor(*got))) {
      return "LeadingNumber of a &H/&O text is not a whole number >= 0";
    }
    return {};
  }
  // std::regex recurses per character; long inputs are checked by the properties above only.
  if (squeezed.size() > 2000) return {};
  std::smatch match;
  std::optional<double> expected = 0.0;
  if (std::regex_search(squeezed, match, DecimalPrefix())) expected = ReferenceValue(match.str());
  if (expected.has_value() != got.has_value()) {
    return expected ? "LeadingNumber overflowed, reference reads " + std::to_string(*expected)
                    : "LeadingNumber read a number beyond the double range";
  }
  if (got && *got != *expected) {
    return "LeadingNumber gave " + NumberText(*got) + ", reference " + NumberText(*expected);
  }
  return {};
}

std::string CheckStrictNumber(std::string_view text) {
  if (text.size() > 2000) return {};  // see CheckLeadingNumber
  const std::size_t first = text.find_first_not_of(' ');
  std::optional<double> expected;
  if (first != std::string_view::npos) {
    const std::string core(text.substr(first, text.find_last_not_of(' ') - first + 1));
    std::smatch match;
    if (std::regex_search(core, match, DecimalPrefix()) &&
        match.length(0) == static_cast<std::ptrdiff_t>(core.size())) {
      expected = ReferenceValue(core);
    }
  }
  const std::optional<double> got = StrictNumber(text);
  if (got.has_value() != expected.has_value()) {
    return got ? "StrictNumber accepted a text that is not a number"
               : "StrictNumber refused a number";
  }
  if (got && *got != *expected) return "StrictNumber gave a different value";
  if (got) {
    // A strict number is also a leading number of the same value.
    try {
      if (LeadingNumber(text) != *got) return "StrictNumber and LeadingNumber disagree";
    } catch (const Failure&) {
      return "LeadingNumber overflowed on a strict number";
    }
  }
  return {};
}

// NumberText of a finite x: sign character, no exponent letter but "E", and the round trip.
std::string CheckNumberText(double x) {
  if (!std::isfinite(x)) return {};
  const std::string text = NumberText(x);
  if (text.empty() || text[0] != (x < 0 ? '-' : ' ')) return "NumberText sign " + Quoted(text);
  if (text.find_first_not_of("0123456789.E+-", 1) != std::string::npos) {
    return "NumberText character " + Quoted(text);
  }
  if (text.find('E') == std::string::npos && text.find('.') != std::string::npos &&
      (text.back() == '0' || text.back() == '.' || text.find("0.") == 1)) {
    return "NumberText zeros " + Quoted(text);
  }
  double back = 0;
  try {
    back = LeadingNumber(text);
  } catch (const Failure&) {
    return "LeadingNumber cannot read NumberText " + Quoted(text);
  }
  if (back != x) return "NumberText does not read back: " + Quoted(text);
  if (NumberText(back) != text) return "NumberText(LeadingNumber(text)) differs: " + Quoted(text);
  const std::optional<double> strict = StrictNumber(text);
  if (!strict || *strict != x) return "StrictNumber cannot read NumberText " + Quoted(text);
  return {};
}

// ValueText is NumberText of C's "%.3E" of x read back, or an overflow when that is infinite.
std::string CheckValueText(double x) {
  if (!std::isfinite(x)) return {};
  char picture[64];
  std::snprintf(picture, sizeof picture, "%.3E", x);
  const double rounded = std::strtod(picture, nullptr);
  std::string got;
  try {
    got = ValueText(x);
  } catch (const Failure& failure) {
    if (failure.Kind() == FailureKind::Overflow && std::isinf(rounded)) return {};
    return "ValueText threw for " + std::string(picture);
  }
  if (std::isinf(rounded)) return "ValueText did not overflow for " + std::string(picture);
  if (got != NumberText(rounded)) return "ValueText " + Quoted(got) + " for " + picture;
  return {};
}

}  // namespace

std::string CheckNumbers(std::string_view data) {
  std::string problem = CheckLeadingNumber(data);
  if (problem.empty()) problem = CheckStrictNumber(data);
  if (problem.empty() && data.size() >= sizeof(double)) {
    double x;
    std::memcpy(&x, data.data(), sizeof x);
    problem = CheckNumberText(x);
    if (problem.empty()) problem = CheckValueText(x);
  }
  return problem;
}

}  // namespace tabulon::fuzz
