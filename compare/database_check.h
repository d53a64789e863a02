// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compare/check_rules.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// What the database check can report about a record. The order is the alphabetical order of
// the codes' names, which is the order of a record's findings.
enum class CheckCode {
  Composition,           // an element symbol that names no element, or a count not whole
  CpJump,                // the two sets' Cp disagree at the common temperature
  CpNegative,            // Cp <= 0 at some integer kelvin of the record's range
  DuplicateConflicting,  // a name seen before, with other data
  DuplicateIdentical,    // a name seen before, with the same limits and coefficient lines
  HJump,                 // the two sets' H disagree at the common temperature
  HfMismatch,            // the Hf/R field disagrees with H(298.15 K)/R of the polynomials
  Incomplete,  // fewer than four lines before the end line, the next record or the file's end
  Layout,      // a fixed-column reader would read the limits or line numbers otherwise
  Limits,      // not 0 < low < high and low <= common <= high
  MwInCommon,  // the common temperature is the molecular weight
  SJump,       // the two sets' S disagree at the common temperature
};
inline constexpr int kCheckCodeCount = 12;

// "cp-jump", "duplicate-identical", ...
std::string_view CodeName(CheckCode code);
std::optional<CheckCode> CodeFromName(std::string_view name);

struct CheckFinding {
  int line = 0;      // file line of the record's line 1
  std::string name;  // the record's name, upper-cased
  CheckCode code = CheckCode::Limits;
  std::string detail;  // one line for people: what was found, with the numbers
  // The same numbers for programs, by name ("cp_low", "t", "first_line", ...).
  std::vector<std::pair<std::string, double>> numbers;
};

// How a later record of a repeated name differs from the first record of that name: "it is
// incomplete", "the first is incomplete", or each of "limits", "line 2", "line 3", "line 4"
// that differs (lines compared without trailing blanks). Empty when the two are identical.
std::vector<std::string> RepeatDifferences(const ThermoRecord& later, const ThermoRecord& first);

// Called now and then with the records checked so far and the total; returning false stops
// the check.
using CheckProgress = std::function<bool(std::size_t done, std::size_t total)>;

struct CheckRun {
  std::vector<CheckFinding> findings;  // by line, then code
  bool cancelled = false;              // stopped by the progress callback: findings incomplete
};

// Checks every record of a file (in file order, repeats included):
//  - incomplete: fewer than four lines before the end line, the next record or the file's end;
//    no other rule looks at such a record;
//  - composition: CompositionProblems of the composition of line 1;
//  - layout: LayoutDisagreement of the record's lines and limits;
//  - mw-in-common: WeightInCommon; no rule below looks at such a record;
//  - limits: not LimitsInOrder; no rule below looks at such a record;
//  - cp-jump, h-jump, s-jump: with low < common < high and all 14 coefficients read, a jump
//    measure (check_rules.h) above its tolerance;
//  - duplicate-identical / duplicate-conflicting: a later record with a name already seen,
//    compared with the first record of that name; identical when both are complete and their
//    limits and lines 2 to 4 (trailing blanks removed) are equal;
//  - cp-negative and hf-mismatch: with the limits in order and all coefficients read.
CheckRun CheckRecords(std::span<const ThermoRecord> records, const CheckTolerances& tolerances,
                      const CheckProgress& progress = {});

}  // namespace tabulon
