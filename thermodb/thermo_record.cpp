// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_record.h"

#include <limits>
#include <optional>

#include "common/ascii_text.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "thermodb/coefficient_text.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

constexpr int kFieldsPerLine = 5;
constexpr int kHfField = 5;  // the fifth field of line 4

double BoxNumber(const std::string& text) {
  try {
    return LeadingNumber(text);
  } catch (const Failure&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

}  // namespace

bool ThermoRecord::LimitsAccepted() const {
  return TemperaturesAccepted(limit_texts.low, limit_texts.mid, limit_texts.high);
}

std::string ThermoRecord::Line1Upper() const {
  return UpperAscii(lines[0]);
}

ThermoRecord ParseThermoRecord(std::array<std::string, kLinesPerRecord> lines, int line_count,
                               int line_number, std::optional<double> file_default_mid) {
  ThermoRecord record;
  record.line_count =
      line_count < 0 ? 0 : (line_count > kLinesPerRecord ? kLinesPerRecord : line_count);
  for (int k = record.line_count; k < kLinesPerRecord; ++k)
    lines[static_cast<std::size_t>(k)].clear();
  record.lines = std::move(lines);
  record.line_number = line_number;
  record.name = RecordWord(record.lines[0]);

  record.file_default_mid = file_default_mid;
  record.limit_texts = ParseTemperatureLine(record.Line1Upper(), file_default_mid);
  record.mid_from_default = record.limit_texts.mid_from_default;
  record.molecular_weight = MolecularWeight(record.Fields().composition);
  // A limit text is a NumberText or empty, so reading it back never fails.
  record.t_low = LeadingNumber(record.limit_texts.low);
  record.t_high = LeadingNumber(record.limit_texts.high);
  record.t_mid = LeadingNumber(record.limit_texts.mid);

  bool all_read = record.Complete();
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    const std::string& line = record.lines[static_cast<std::size_t>(1 + k / kFieldsPerLine)];
    const std::string field = CoefficientField(line, k % kFieldsPerLine + 1);
    all_read = all_read && StrictNumber(field).has_value();
    std::string& text = record.coefficient_texts[static_cast<std::size_t>(k)];
    text = CoefficientText(field);
    CoefficientSet& set = k < kCoefficientsPerSet ? record.high : record.low;
    set[static_cast<std::size_t>(k % kCoefficientsPerSet)] = BoxNumber(text);
  }
  record.coefficients_read = all_read;
  record.hf_text = CoefficientText(CoefficientField(record.lines[3], kHfField));
  return record;
}

}  // namespace tabulon
