// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/database_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "thermodb/record_extent.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

constexpr std::array<std::string_view, kCheckCodeCount> kCodeNames = {"composition",
                                                                      "cp-jump",
                                                                      "cp-negative",
                                                                      "duplicate-conflicting",
                                                                      "duplicate-identical",
                                                                      "h-jump",
                                                                      "hf-mismatch",
                                                                      "incomplete",
                                                                      "layout",
                                                                      "limits",
                                                                      "mw-in-common",
                                                                      "s-jump"};

// Numbers in details: six significant digits, enough to see a jump, short enough to read.
std::string Short(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", x);
  return text;
}

std::string_view TrimmedRight(std::string_view line) {
  const std::size_t end = line.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1);
}

std::string IncompleteDetail(const ThermoRecord& record, int own_lines) {
  std::string detail = "only " + std::to_string(own_lines) + " of 4 lines, then ";
  if (own_lines == record.line_count) return detail + "the end of the file";
  const std::string_view next = record.Line(own_lines);
  return detail + (IsEndLine(next) ? "the END line" : "the next record");
}

class Checker {
 public:
  Checker(const CheckTolerances& tolerances, std::vector<CheckFinding>& out)
      : tolerances_(tolerances), out_(out) {}

  void Check(const ThermoRecord& record) {
    const int own_lines = OwnLineCount(record);
    const bool complete = own_lines == kLinesPerRecord;
    const auto [first, is_first] = first_of_name_.try_emplace(record.name, &record);
    if (!complete) {
      Add(record, CheckCode::Incomplete, IncompleteDetail(record, own_lines),
          {{"lines", own_lines}});
      return;
    }
    if (!is_first) Duplicate(record, *first->second);
    Line1(record);

    const std::optional<double> weight = record.MolecularWeight();
    if (WeightInCommon(record.t_mid, weight)) {
      Add(record, CheckCode::MwInCommon,
          "common temperature " + ShortestNumber(record.t_mid) + " K is the molecular weight " +
              ShortestNumber(*weight) + " g/mol",
          {{"t_mid", record.t_mid}, {"mw", *weight}});
      return;
    }
    if (!LimitsInOrder(record.t_low, record.t_high, record.t_mid)) {
      Add(record, CheckCode::Limits,
          "low " + Short(record.t_low) + ", high " + Short(record.t_high) + ", common " +
              Short(record.t_mid) + ": expected 0 < low < high and low <= common <= high",
          {{"t_low", record.t_low}, {"t_high", record.t_high}, {"t_mid", record.t_mid}});
      return;
    }
    if (!record.coefficients_read) return;
    const TwoRangeNasa7 curve = TwoRangeNasa7::Of(record);
    if (record.t_low < record.t_mid && record.t_mid < record.t_high) Jumps(record, curve);
    if (const auto negative = FirstNonPositiveCp(curve)) {
      Add(record, CheckCode::CpNegative,
          "cp/R = " + Short(negative->cp_over_r) + " at " + std::to_string(negative->t) +
              " K (first such kelvin of " + Short(record.t_low) + " .. " + Short(record.t_high) +
              ")",
          {{"t", negative->t}, {"cp_over_r", negative->cp_over_r}});
    }
    Hf(record, curve);
  }

 private:
  void Add(const ThermoRecord& record, CheckCode code, std::string detail,
           std::vector<std::pair<std::string, double>> numbers) {
    out_.push_back({record.line_number, record.name, code, std::move(detail), std::move(numbers)});
  }

  void Duplicate(const ThermoRecord& record, const ThermoRecord& first) {
    const std::vector<std::string> differences = RepeatDifferences(record, first);
    const std::vector<std::pair<std::string, double>> numbers = {{"first_line", first.line_number}};
    if (differences.empty()) {
      Add(record, CheckCode::DuplicateIdentical,
          "same data as line " + std::to_string(first.line_number), numbers);
      return;
    }
    std::string list;
    for (const std::string& d : differences) list += (list.empty() ? "" : ", ") + d;
    Add(record, CheckCode::DuplicateConflicting,
        "differs from line " + std::to_string(first.line_number) + " (" + list + ")", numbers);
  }

  // The rules of line 1's columns, which hold whatever the limits are.
  void Line1(const ThermoRecord& record) {
    const std::string problems = CompositionProblems(record.Fields().composition);
    if (!problems.empty()) Add(record, CheckCode::Composition, problems, {});
    std::string layout = LayoutDisagreement(record.Line(0), record.file_default_mid,
                                            {record.t_low, record.t_high, record.t_mid},
                                            {record.Line(1), record.Line(2), record.Line(3)});
    if (!layout.empty()) Add(record, CheckCode::Layout, std::move(layout), {});
  }

  void Jumps(const ThermoRecord& record, const TwoRangeNasa7& curve) {
    const JoinSide low = JoinSideOf(curve.low, curve.t_mid);
    const JoinSide high = JoinSideOf(curve.high, curve.t_mid);
    struct Rule {
      CheckCode code;
      const char* quantity;
      double low, high, measure, tolerance;
    };
    const Rule rules[] = {
        {CheckCode::CpJump, "cp/R", low.cp, high.cp, CpJumpMeasure(low, high), tolerances_.cp},
        {CheckCode::HJump, "h/RT", low.h, high.h, HJumpMeasure(low, high), tolerances_.h},
        {CheckCode::SJump, "s/R", low.s, high.s, SJumpMeasure(low, high), tolerances_.s},
    };
    for (const Rule& rule : rules) {
      if (!(rule.measure > rule.tolerance)) continue;
      Add(record, rule.code,
          std::string(rule.quantity) + " at " + Short(curve.t_mid) + " K: low set " +
              Short(rule.low) + ", high set " + Short(rule.high) + " (measure " +
              Short(rule.measure) + " > " + Short(rule.tolerance) + ")",
          {{"t_mid", curve.t_mid},
           {"low", rule.low},
           {"high", rule.high},
           {"measure", rule.measure},
           {"tolerance", rule.tolerance}});
    }
  }

  void Hf(const ThermoRecord& record, const TwoRangeNasa7& curve) {
    const std::optional<double> field = record.HfValue();
    if (!field) return;
    const double h298 = HfOverRAt298(curve);
    if (!HfDisagrees(*field, h298)) return;
    Add(record, CheckCode::HfMismatch,
        "Hf/R field " + Short(*field) + " K, H(298.15 K)/R of the polynomials " + Short(h298) +
            " K (difference " + Short(*field - h298) + " K)",
        {{"hf_field", *field}, {"h298_over_r", h298}, {"difference", *field - h298}});
  }

  const CheckTolerances& tolerances_;
  std::vector<CheckFinding>& out_;
  std::unordered_map<std::string, const ThermoRecord*> first_of_name_;
};

}  // namespace

std::vector<std::string> RepeatDifferences(const ThermoRecord& later, const ThermoRecord& first) {
  if (OwnLineCount(later) != kLinesPerRecord) return {"it is incomplete"};
  if (!first.Complete() || OwnLineCount(first) != kLinesPerRecord) {
    return {"the first is incomplete"};
  }
  std::vector<std::string> differences;
  if (later.t_low != first.t_low || later.t_high != first.t_high || later.t_mid != first.t_mid) {
    differences.push_back("limits");
  }
  for (int k = 1; k < kLinesPerRecord; ++k) {
    if (TrimmedRight(later.Line(k)) != TrimmedRight(first.Line(k))) {
      differences.push_back("line " + std::to_string(k + 1));
    }
  }
  return differences;
}

std::string_view CodeName(CheckCode code) {
  return kCodeNames[static_cast<std::size_t>(code)];
}

std::optional<CheckCode> CodeFromName(std::string_view name) {
  const auto it = std::find(kCodeNames.begin(), kCodeNames.end(), name);
  if (it == kCodeNames.end()) return std::nullopt;
  return static_cast<CheckCode>(it - kCodeNames.begin());
}

CheckRun CheckRecords(std::span<const ThermoRecord> records, const CheckTolerances& tolerances,
                      const CheckProgress& progress) {
  constexpr std::size_t kProgressEvery = 256;
  CheckRun run;
  Checker checker(tolerances, run.findings);
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (progress && i % kProgressEvery == 0 && !progress(i, records.size())) {
      run.cancelled = true;
      break;
    }
    checker.Check(records[i]);
  }
  if (!run.cancelled && progress) progress(records.size(), records.size());
  // Records come in file order and each record's findings are added in code order, except the
  // duplicate finding, which precedes the others of its record; a stable sort sets that right.
  std::stable_sort(run.findings.begin(), run.findings.end(),
                   [](const CheckFinding& a, const CheckFinding& b) {
                     return a.line != b.line ? a.line < b.line : a.code < b.code;
                   });
  return run;
}

}  // namespace tabulon
