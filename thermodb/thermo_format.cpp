// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_format.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "common/leading_number.h"

namespace tabulon {

namespace {

constexpr char kBlank = ' ';

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool EqualsUpperCased(std::string_view text, std::string_view upper_keyword) {
  return text.size() == upper_keyword.size() &&
         std::equal(text.begin(), text.end(), upper_keyword.begin(),
                    [](char a, char b) { return UpperAscii(a) == b; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A line that begins with a digit or "(" names a species when it ends like record line 1 and
// its first token is not a number (a line of temperatures, a stray coefficient).
bool IsDigitNamedSpeciesLine(std::string_view line) {
  if (line.empty() || !(IsDigit(line.front()) || line.front() == '(')) return false;
  const std::size_t last = line.find_last_not_of(kBlank);
  const std::size_t before = line.find_last_of(kBlank, last);
  if (before == std::string_view::npos) return false;  // a single token
  const std::string_view tail = line.substr(before + 1, last - before);
  if (!IsLineNumberTail(tail, last + 1)) return false;
  return !IsNumberText(line.substr(0, line.find(kBlank)));
}

}  // namespace

bool IsLineNumberTail(std::string_view token, std::size_t end_column) {
  if (token.empty() || token.back() != '1' || token.size() > 5) return false;
  if (!std::all_of(token.begin(), token.end(), IsDigit)) return false;
  if (token.size() <= 2) return true;
  return end_column == 80;
}

bool IsHeaderLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return false;
  line.remove_prefix(first);
  return line.size() >= 6 && EqualsUpperCased(line.substr(0, 6), "THERMO");
}

bool IsEndLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return false;
  const std::size_t last = line.find_last_not_of(kBlank);
  return EqualsUpperCased(line.substr(first, last - first + 1), "END");
}

BodyLineKind ClassifyBodyLine(std::string_view line) {
  if (IsEndLine(line)) return BodyLineKind::End;
  if (line.empty() || line.starts_with("  ")) return BodyLineKind::Filler;
  if (IsAsciiLetter(line.front()) || IsDigitNamedSpeciesLine(line)) return BodyLineKind::Species;
  return BodyLineKind::Other;
}

std::string RecordWord(std::string_view line) {
  const std::size_t blank = line.find(kBlank);
  if (blank == std::string_view::npos) return {};
  return UpperAscii(line.substr(0, blank));
}

bool IsCommentLine(std::string_view line) {
  return line.starts_with('!') || line.starts_with(" !");
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  if (first < 1 || first > line.size()) return {};
  return line.substr(first - 1, last + 1 - first);
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t begin = text.find_first_not_of(kBlank);
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(kBlank) + 1 - begin);
}

std::string CoefficientField(std::string_view line, int k) {
  if (k < 1) return {};
  const std::size_t start = static_cast<std::size_t>(15 * (k - 1));
  if (start >= line.size()) return {};
  std::string field(line.substr(start, 15));
  std::erase(field, kBlank);
  return field;
}

}  // namespace tabulon
