// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/line1_fields.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/ascii_text.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "thermodb/atomic_weights.h"
#include "thermodb/temperature_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// A symbol and count pair of five columns: two of symbol, three of count.
void AddPair(std::string_view pair, std::vector<ElementCount>& composition) {
  const std::string_view symbol = TrimBlanks(Columns(pair, 1, 2));
  const std::string_view count_text = TrimBlanks(Columns(pair, 3, 5));
  if (symbol.empty() || count_text.empty()) return;
  const std::optional<double> count = StrictNumber(count_text);
  if (count && *count == 0) return;
  ElementCount element{std::string(symbol),
                       count ? *count : std::numeric_limits<double>::quiet_NaN()};
  for (std::size_t k = 0; k < element.symbol.size(); ++k) {
    char& c = element.symbol[k];
    c = k == 0 ? UpperAscii(c) : LowerAscii(c);
  }
  composition.push_back(std::move(element));
}

// Exact sums: weights in units of 1e-12 g/mol, counts in thousandths, products in 1e-15 g/mol.
using Exact = __int128;
constexpr int kWeightDecimals = 12;
constexpr int kCountDecimals = 3;

Exact ExactWeight(std::string_view text) {
  Exact units = 0;
  int decimals = -1;  // digits after the point so far; -1 before the point
  for (const char c : text) {
    if (c == '.') {
      decimals = 0;
      continue;
    }
    units = units * 10 + (c - '0');
    if (decimals >= 0) ++decimals;
  }
  for (int k = decimals < 0 ? 0 : decimals; k < kWeightDecimals; ++k) units *= 10;
  return units;
}

// The exact decimal text of units x 10^-decimals, read to the nearest double.
double NearestDouble(Exact units, int decimals) {
  const bool negative = units < 0;
  if (negative) units = -units;
  char text[64];  // digits from the end: at most 39 digits, the point and a leading zero
  char* first = text + sizeof text;
  for (int k = 0; units != 0 || k <= decimals; ++k) {
    if (k == decimals) *--first = '.';
    *--first = static_cast<char>('0' + static_cast<int>(units % 10));
    units /= 10;
  }
  double value = 0;
  std::from_chars(first, text + sizeof text, value);
  return negative ? -value : value;
}

}  // namespace

Line1Fields ReadLine1Fields(std::string_view line1) {
  const std::string_view line = WithoutComment(line1);
  Line1Fields fields;
  fields.note = std::string(TrimBlanks(Columns(line, 19, 24)));
  for (std::size_t first = 25; first < 45; first += 5) {
    AddPair(Columns(line, first, first + 4), fields.composition);
  }
  const std::string_view fifth = Columns(line, 74, 78);
  if (!fifth.empty() && IsLetter(fifth.front())) AddPair(fifth, fields.composition);
  const std::string_view phase = Columns(line, 45, 45);
  if (!phase.empty()) fields.phase = UpperAscii(phase.front());
  return fields;
}

std::string FormulaText(const std::vector<ElementCount>& composition, std::string_view separator) {
  std::string text;
  for (const ElementCount& element : composition) {
    if (!text.empty()) text += separator;
    text += element.symbol;
    text += std::isnan(element.count) ? "?" : ShortestNumber(element.count);
  }
  return text;
}

std::optional<double> MolecularWeight(const std::vector<ElementCount>& composition) {
  if (composition.empty()) return std::nullopt;
  Exact total = 0;
  for (const ElementCount& element : composition) {
    const ElementWeight* found = FindElement(element.symbol);
    if (found == nullptr || found->weight.empty() || !std::isfinite(element.count)) {
      return std::nullopt;
    }
    // Counts come from three columns, so they are whole thousandths at the finest.
    const double thousandths = std::round(element.count * 1000);
    if (std::abs(thousandths) > 1e15) return std::nullopt;
    total += ExactWeight(found->weight) * static_cast<Exact>(thousandths);
  }
  return NearestDouble(total, kWeightDecimals + kCountDecimals);
}

std::string PhaseWord(char phase) {
  switch (phase) {
    case 'G':
      return "gas";
    case 'L':
      return "liquid";
    case 'S':
      return "solid";
    case 'C':
      return "condensed";
    case ' ':
      return {};
    default:
      return std::string(1, phase);
  }
}

}  // namespace tabulon
