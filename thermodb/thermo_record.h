// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "thermodb/coefficient_set.h"
#include "thermodb/line1_fields.h"
#include "thermodb/temperature_line.h"

namespace tabulon {

inline constexpr int kCoefficientsPerSet = 7;      // a1..a7
inline constexpr int kCoefficientsPerRecord = 14;  // high set then low set, as the boxes hold them
inline constexpr int kLinesPerRecord = 4;

// One species record of a thermo file, parsed once, as a value: what the detail view would show
// for it, without any control. Line 1 carries the name and the three temperature limits; lines
// 2 to 4 carry the fourteen coefficients in 15-character fields, five per line (a1..a5; a6, a7,
// a'1..a'3; a'4..a'7 and the Hf/R field).
struct ThermoRecord {
  std::string name;     // first word of line 1, upper-cased (RecordWord)
  int line_number = 0;  // file line of record line 1, counted from 1 (CR LF, CR, LF
                        // each end a line)
  std::array<std::string, kLinesPerRecord>
      lines;                      // the record's lines as they stand in the
                                  // file, not upper-cased (comment lines between them left
                                  // out); those past line_count are empty
  int line_count = 0;             // 4 for a complete record; 1..3 when the file ends first.
                                  // As the window's lookup does, lines 2 to 4 are simply the
                                  // next lines that are not comment lines, so an END line
                                  // right after a short record is taken as one of its lines
                                  // (its coefficients then do not read: coefficients_read)
  TemperatureLimits limit_texts;  // as ParseTemperatureLine gives them (" 300", " 5000", " 1000")
  double t_low = 0, t_high = 0, t_mid = 0;  // the limit texts read with LeadingNumber
  std::array<std::string, kCoefficientsPerRecord>
      coefficient_texts;  // as the boxes show them
                          // (CoefficientText of each field; empty past line_count)
  // The numbers the window evaluates: each coefficient text read with LeadingNumber, so a field
  // with more digits than the picture holds is rounded as the box rounds it. A text beyond the
  // double range gives NaN.
  CoefficientSet high{}, low{};
  bool coefficients_read = false;  // all 14 fields read wholly as numbers
  std::string hf_text;             // the Hf/R field as its box shows it (whatever the check box)
  // The file's default common temperature (DefaultLineSearch), which a blank common temperature
  // takes; mid_from_default says it did.
  std::optional<double> file_default_mid;
  bool mid_from_default = false;
  // From the composition of line 1 (Fields()); empty when an element or a count is unknown.
  std::optional<double> molecular_weight;

  bool Complete() const { return line_count == kLinesPerRecord; }
  // The detail view's temperature check: no limit reads as 0 (nor is missing). A refused
  // species shows its limits but no coefficients.
  bool LimitsAccepted() const;
  // Line 1 upper-cased, as the record lookup returns it and the reports write it.
  std::string Line1Upper() const;
  // The note, composition and phase of line 1.
  Line1Fields Fields() const { return ReadLine1Fields(lines[0]); }
};

// Parses a record from its lines (lines[0] .. lines[line_count - 1], the others ignored) and
// the file line number of line 1, in a file whose default common temperature is
// `file_default_mid`. Never throws.
ThermoRecord ParseThermoRecord(std::array<std::string, kLinesPerRecord> lines, int line_count,
                               int line_number,
                               std::optional<double> file_default_mid = std::nullopt);

}  // namespace tabulon
