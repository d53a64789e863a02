// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/check_rules.h"

#include <cmath>

#include "common/number_text.h"
#include "thermodb/atomic_weights.h"
#include "thermodb/temperature_line.h"
#include "thermodb/thermo_format.h"

#include "compare/grid_search.h"
#include "compare/nasa7_forms.h"

namespace tabulon {

bool LimitsInOrder(double t_low, double t_high, double t_mid) {
  return 0 < t_low && t_low < t_high && t_low <= t_mid && t_mid <= t_high;
}

JoinSide JoinSideOf(const CoefficientSet& set, double t_mid) {
  return {CpOverR(set, t_mid), HOverRT(set, t_mid), SOverR(set, t_mid)};
}

namespace {

// A difference over a denominator; 0/0 is no jump (both sets agree), x/0 an infinite one.
double Ratio(double difference, double denominator) {
  if (difference == 0) return 0;
  return difference / denominator;
}

}  // namespace

double CpJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.cp - high.cp), std::abs(low.cp) + 1e-4);
}

double HJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.h - high.h), std::abs(low.cp));
}

double SJumpMeasure(const JoinSide& low, const JoinSide& high) {
  return Ratio(std::abs(low.s - high.s), std::abs(low.s) + std::abs(low.cp));
}

JoinMeasures JoinMeasuresOf(const TwoRangeNasa7& curve) {
  const JoinSide low = JoinSideOf(curve.low, curve.t_mid);
  const JoinSide high = JoinSideOf(curve.high, curve.t_mid);
  return {CpJumpMeasure(low, high), HJumpMeasure(low, high), SJumpMeasure(low, high)};
}

std::optional<NonPositiveCp> FirstNonPositiveCp(const TwoRangeNasa7& curve) {
  const int from = int(std::ceil(curve.t_low));
  const int to = GridTop(curve.t_high);
  if (from > to) return std::nullopt;
  // Integer T below t_mid are exactly those below its ceiling.
  const int first_high = int(std::ceil(std::min(curve.t_mid, double(to) + 1)));
  struct Piece {
    const CoefficientSet* set;
    int from, to;
  };
  const Piece pieces[] = {{&curve.low, from, std::min(to, first_high - 1)},
                          {&curve.high, std::max(from, first_high), to}};
  for (const Piece& piece : pieces) {
    if (piece.from > piece.to) continue;
    const GridFunction form = CpOverRForm(*piece.set);
    const double margin = kGridMarginFraction * form.Magnitude(double(piece.to));
    const auto exact = [&](int t) { return CpOverR(*piece.set, double(t)); };
    if (auto t = FirstAtOrBelowZero(form, std::max(piece.from, 1), piece.to, margin, exact)) {
      return NonPositiveCp{*t, exact(*t)};
    }
  }
  return std::nullopt;
}

double HfOverRAt298(const TwoRangeNasa7& curve) {
  return kReferenceTemperature * HOverRT(curve.SetAt(kReferenceTemperature), kReferenceTemperature);
}

bool HfDisagrees(double hf_field, double h298_over_r) {
  if (hf_field == 0) return false;
  const double difference = std::abs(hf_field - h298_over_r);
  return difference > 1.0 && difference > 1e-4 * std::abs(hf_field);
}

std::string CompositionProblems(const std::vector<ElementCount>& composition) {
  std::string problems;
  const auto add = [&problems](const std::string& problem) {
    problems += (problems.empty() ? "" : "; ") + problem;
  };
  for (const ElementCount& element : composition) {
    if (FindElement(element.symbol) == nullptr) add(element.symbol + " is no element");
    if (std::isnan(element.count)) {
      add("the count of " + element.symbol + " is no number");
    } else if (element.count != std::floor(element.count)) {
      add("count " + ShortestNumber(element.count) + " of " + element.symbol +
          " is not a whole number");
    }
  }
  return problems;
}

bool WeightInCommon(double t_mid, std::optional<double> molecular_weight) {
  if (!molecular_weight) return false;
  // Compared in whole nanograms per mole, so that two decimal texts written exactly 0.01 apart
  // ("65.39", "65.38") are within the tolerance whatever their binary rounding.
  const double nanograms = std::round(std::abs(t_mid - *molecular_weight) * 1e9);
  return nanograms <= std::round(kWeightInCommonTolerance * 1e9);
}

namespace {

std::string_view ColumnText(std::string_view line, std::size_t first, std::size_t last) {
  return TrimBlanks(Columns(WithoutComment(line), first, last));
}

// One column reading for the layout detail: the number, "blank", or the text that is no number.
std::string ColumnReading(std::optional<double> value, std::string_view text) {
  if (value) return ShortestNumber(*value);
  return text.empty() ? "blank" : "\"" + std::string(text) + "\"";
}

}  // namespace

std::string LayoutDisagreement(std::string_view line1, std::optional<double> default_mid,
                               const ReadLimits& limits,
                               const std::array<std::string_view, 3>& lines2to4) {
  std::string detail;
  const ColumnLimits columns = ReadLimitColumns(line1, default_mid);
  if (columns.low != limits.low || columns.high != limits.high || columns.mid != limits.mid) {
    std::string mid = ColumnReading(columns.mid, ColumnText(line1, 66, 73));
    if (columns.mid_blank) {
      mid = columns.mid ? mid + " (blank: the default)" : "blank (no default line)";
    }
    detail = "columns 46-55, 56-65, 66-73 give low " +
             ColumnReading(columns.low, ColumnText(line1, 46, 55)) + ", high " +
             ColumnReading(columns.high, ColumnText(line1, 56, 65)) + ", common " + mid +
             "; the limits read are low " + ShortestNumber(limits.low) + ", high " +
             ShortestNumber(limits.high) + ", common " + ShortestNumber(limits.mid);
  }
  for (std::size_t k = 0; k < lines2to4.size(); ++k) {
    const std::string_view line = lines2to4[k];
    const char expected = static_cast<char>('2' + k);
    if (line.size() >= 80 && line[79] == expected) continue;
    detail += detail.empty() ? "" : "; ";
    detail += "line " + std::to_string(k + 2) +
              (line.size() < 80 ? " ends before column 80"
                                : " has \"" + std::string(1, line[79]) + "\" in column 80");
    detail += std::string(", not ") + expected;
  }
  return detail;
}

}  // namespace tabulon
