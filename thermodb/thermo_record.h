// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "thermodb/coefficient_set.h"
#include "thermodb/coefficient_text.h"
#include "thermodb/line1_fields.h"
#include "thermodb/temperature_line.h"
#include "thermodb/text_lines.h"

namespace tabulon {

inline constexpr int kCoefficientsPerSet = 7;      // a1..a7
inline constexpr int kCoefficientsPerRecord = 14;  // high set then low set, as the boxes hold them
inline constexpr int kLinesPerRecord = 4;

// One species record of a thermo file, parsed once: its numbers, and where its lines stand in
// the file's bytes. The record shares those bytes with the snapshot it was read from, so it
// stays valid on its own, and its texts are made from the numbers when asked for: what the
// detail view would show for it, without any control.
//
// Line 1 carries the name and the three temperature limits; lines 2 to 4 carry the fourteen
// coefficients in 15-character fields, five per line (a1..a5; a6, a7, a'1..a'3; a'4..a'7 and
// the Hf/R field).
struct ThermoRecord {
  std::string name;     // first word of line 1, upper-cased (RecordWord)
  int line_number = 0;  // file line of record line 1, counted from 1 (CR LF, CR, LF each end
                        // a line)
  int line_count = 0;   // 4 for a complete record; 1..3 when the file ends first. As the
                        // window's lookup does, lines 2 to 4 are simply the next lines that are
                        // not comment lines, so an END line right after a short record is taken
                        // as one of its lines (its coefficients then do not read:
                        // coefficients_read)
  // The limits as the detail view reads them back from its limit texts; a limit beyond the
  // double range (no text) reads as 0.
  double t_low = 0, t_high = 0, t_mid = 0;
  // The numbers the window evaluates: the value of each coefficient's box text, so a field with
  // more digits than the picture holds is rounded as the box rounds it. A field that is not a
  // number reads as the box would read it (LeadingNumber: "abc" is 0); one beyond the double
  // range gives NaN.
  CoefficientSet high{}, low{};
  bool coefficients_read = false;  // all 14 fields read wholly as numbers
  // The file's default common temperature (DefaultLineSearch), which a blank common temperature
  // takes; mid_from_default says it did.
  std::optional<double> file_default_mid;
  bool mid_from_default = false;

  bool Complete() const { return line_count == kLinesPerRecord; }
  // The detail view's temperature check: no limit reads as 0 (nor is missing). A refused
  // species shows its limits but no coefficients.
  bool LimitsAccepted() const { return t_low != 0 && t_mid != 0 && t_high != 0; }

  // Record line k (0 to 3) as it stands in the file, not upper-cased (comment lines between
  // the record's lines left out); empty past line_count.
  std::string_view Line(int k) const;
  // The four lines, as Line gives them.
  std::array<std::string_view, kLinesPerRecord> Lines() const;
  // Line 1 upper-cased, as the record lookup returns it and the reports write it.
  std::string Line1Upper() const;
  // The note, composition and phase of line 1, read from it when asked for.
  Line1Fields Fields() const { return ReadLine1Fields(Line(0)); }
  // The molecular weight from the composition of line 1 (Fields()), computed when asked for,
  // since few commands need it; empty when an element or a count is unknown.
  std::optional<double> MolecularWeight() const;
  // The limit texts the detail view shows (" 300", " 5000", " 1000"; empty for a limit beyond
  // the double range).
  TemperatureLimits LimitTexts() const;
  // Coefficient k (0 to 13: a1..a7, then a'1..a'7) as its box shows it: the picture
  // "0.00000000E+00" of its number, the field's text unchanged when it is not a number, empty
  // when the field is.
  std::string CoefficientText(int k) const;
  // The Hf/R field (the fifth of line 4) as its box shows it, whatever the check box.
  std::string HfText() const;
  // The Hf/R field's value as the file states it, when it reads wholly as a number.
  std::optional<double> HfValue() const { return hf_; }
  // Field k (0 to 13 the coefficients, 14 the Hf/R field) as the file states it, blanks removed.
  std::string Field(int k) const;
  // Whether Field(k) is empty, known from the parse without reading the line again.
  bool FieldEmpty(int k) const { return kinds_[static_cast<std::size_t>(k)] == FieldKind::Empty; }

 private:
  friend ThermoRecord ParseThermoRecord(std::shared_ptr<const std::string> bytes,
                                        const std::array<LineSpan, kLinesPerRecord>& lines,
                                        int line_count, int line_number,
                                        std::optional<double> file_default_mid);

  static constexpr int kFields = kCoefficientsPerRecord + 1;  // the coefficients, then Hf/R

  std::string_view FieldColumns(int k) const;
  double Coefficient(int k) const;

  std::shared_ptr<const std::string> bytes_;  // the file's bytes (or the lines given directly)
  std::array<LineSpan, kLinesPerRecord> lines_{};
  std::array<FieldKind, kFields> kinds_{};
  std::array<bool, 3> limit_missing_{};  // low, high, common beyond the double range
  std::optional<double> hf_;
};

// Parses the record whose lines are `lines` (the first `line_count` of them; the others are
// ignored) in `bytes`, line 1 being line `line_number` of a file whose default common
// temperature is `file_default_mid`. Never throws.
ThermoRecord ParseThermoRecord(std::shared_ptr<const std::string> bytes,
                               const std::array<LineSpan, kLinesPerRecord>& lines, int line_count,
                               int line_number,
                               std::optional<double> file_default_mid = std::nullopt);

// Parses a record from lines given directly (lines[0] .. lines[line_count - 1]), kept in a
// buffer of the record's own. Never throws.
ThermoRecord ParseThermoRecord(const std::array<std::string, kLinesPerRecord>& lines,
                               int line_count, int line_number,
                               std::optional<double> file_default_mid = std::nullopt);

}  // namespace tabulon
