#include "properties/temperature_line.h"

#include <vector>

#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"

namespace tabulon {
namespace {

// The blank-separated tokens of a line; only the blank (code 32) separates, a tab is an
// ordinary character.
std::vector<std::string_view> Tokens(std::string_view line) {
  std::vector<std::string_view> tokens;
  std::size_t start = 0;
  while (start < line.size()) {
    std::size_t end = line.find(' ', start);
    if (end == std::string_view::npos) end = line.size();
    if (end > start) tokens.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return tokens;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The line-number token: "1", or a digit followed by "1" (as in 11 or 21). It is dropped only
// when a token stands before it.
bool IsLineNumber(std::string_view token) {
  return token == "1" || (token.size() == 2 && IsDigit(token[0]) && token[1] == '1');
}

std::string LimitText(std::string_view token) {
  try {
    return NumberText(LeadingNumber(token));
  } catch (const Failure&) {
    return {};  // beyond the double range: no limit, refused by the check
  }
}

}  // namespace

TemperatureLimits ParseTemperatureLine(std::string_view line) {
  std::vector<std::string_view> tokens = Tokens(line);
  if (tokens.size() >= 2 && IsLineNumber(tokens.back())) {
    const bool one = tokens.back() == "1";
    tokens.pop_back();
    // A lone 0 before the line number 1 (the empty fifth-element count of the Chemkin layout,
    // "1000.00    0 1") goes with it, so the common temperature stays the token before it.
    if (one && tokens.size() >= 2 && tokens.back() == "0") tokens.pop_back();
  }

  // Read from the end: the n-th token from the last, or the zero limit when the line is short.
  auto from_end = [&](std::size_t n) {
    return n < tokens.size() ? LimitText(tokens[tokens.size() - 1 - n]) : NumberText(0);
  };
  return TemperatureLimits{.mid = from_end(0), .high = from_end(1), .low = from_end(2)};
}

bool TemperaturesAccepted(const std::string& low, const std::string& mid, const std::string& high) {
  return LeadingNumber(low) != 0 && LeadingNumber(mid) != 0 && LeadingNumber(high) != 0;
}

}  // namespace tabulon
