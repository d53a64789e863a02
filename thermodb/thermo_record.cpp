// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_record.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

constexpr int kFieldsPerLine = 5;
constexpr std::size_t kFieldWidth = 15;

}  // namespace

std::string_view ThermoRecord::Line(int k) const {
  if (k < 0 || k >= line_count || !bytes_) return {};
  return lines_[static_cast<std::size_t>(k)].In(*bytes_);
}

std::array<std::string_view, kLinesPerRecord> ThermoRecord::Lines() const {
  return {Line(0), Line(1), Line(2), Line(3)};
}

std::string ThermoRecord::Line1Upper() const {
  return UpperAscii(Line(0));
}

std::optional<double> ThermoRecord::MolecularWeight() const {
  return tabulon::MolecularWeight(Fields().composition);
}

TemperatureLimits ThermoRecord::LimitTexts() const {
  auto text = [this](double t, int missing) {
    return limit_missing_[static_cast<std::size_t>(missing)] ? std::string() : LimitText(t);
  };
  return TemperatureLimits{.mid = text(t_mid, 2),
                           .high = text(t_high, 1),
                           .low = text(t_low, 0),
                           .mid_from_default = mid_from_default};
}

std::string_view ThermoRecord::FieldColumns(int k) const {
  const std::string_view line = Line(1 + k / kFieldsPerLine);
  const std::size_t start = kFieldWidth * static_cast<std::size_t>(k % kFieldsPerLine);
  return start < line.size() ? line.substr(start, kFieldWidth) : std::string_view();
}

double ThermoRecord::Coefficient(int k) const {
  const CoefficientSet& set = k < kCoefficientsPerSet ? high : low;
  return set[static_cast<std::size_t>(k % kCoefficientsPerSet)];
}

std::string ThermoRecord::Field(int k) const {
  std::string field(FieldColumns(k));
  std::erase(field, ' ');
  return field;
}

std::string ThermoRecord::CoefficientText(int k) const {
  switch (kinds_[static_cast<std::size_t>(k)]) {
    case FieldKind::Empty:
      return {};
    case FieldKind::Number:
      // The picture of the box's number is the picture of the field's own value.
      return CoefficientPicture(Coefficient(k));
    case FieldKind::Text:
      break;
  }
  return Field(k);
}

std::string ThermoRecord::HfText() const {
  constexpr int kHf = kFields - 1;
  if (kinds_[kHf] == FieldKind::Number) return CoefficientPicture(*hf_);
  return kinds_[kHf] == FieldKind::Empty ? std::string() : Field(kHf);
}

ThermoRecord ParseThermoRecord(std::shared_ptr<const std::string> bytes,
                               const std::array<LineSpan, kLinesPerRecord>& lines, int line_count,
                               int line_number, std::optional<double> file_default_mid) {
  ThermoRecord record;
  record.bytes_ = std::move(bytes);
  record.line_count = std::clamp(line_count, 0, kLinesPerRecord);
  std::copy_n(lines.begin(), record.line_count, record.lines_.begin());
  record.line_number = line_number;
  const std::string_view line1 = record.Line(0);
  record.name = RecordWord(line1);

  record.file_default_mid = file_default_mid;
  const TemperatureLimitValues limits = ReadTemperatureLimits(line1, file_default_mid);
  record.mid_from_default = limits.mid_from_default;
  record.t_low = limits.low.value_or(0);
  record.t_high = limits.high.value_or(0);
  record.t_mid = limits.mid.value_or(0);
  record.limit_missing_ = {!limits.low, !limits.high, !limits.mid};

  bool all_read = record.Complete();
  for (int k = 0; k < ThermoRecord::kFields; ++k) {
    const FieldReading reading = ReadCoefficientField(record.FieldColumns(k));
    record.kinds_[static_cast<std::size_t>(k)] = reading.kind;
    if (k == kCoefficientsPerRecord) {
      record.hf_ = reading.stated;
      break;
    }
    all_read = all_read && reading.kind == FieldKind::Number;
    CoefficientSet& set = k < kCoefficientsPerSet ? record.high : record.low;
    set[static_cast<std::size_t>(k % kCoefficientsPerSet)] = reading.box_value;
  }
  record.coefficients_read = all_read;
  return record;
}

ThermoRecord ParseThermoRecord(const std::array<std::string, kLinesPerRecord>& lines,
                               int line_count, int line_number,
                               std::optional<double> file_default_mid) {
  auto bytes = std::make_shared<std::string>();
  std::array<LineSpan, kLinesPerRecord> spans{};
  for (std::size_t k = 0; k < lines.size(); ++k) {
    spans[k] = {static_cast<std::uint32_t>(bytes->size()),
                static_cast<std::uint32_t>(lines[k].size())};
    *bytes += lines[k];
    *bytes += '\n';
  }
  return ParseThermoRecord(std::move(bytes), spans, line_count, line_number, file_default_mid);
}

}  // namespace tabulon
