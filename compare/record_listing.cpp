// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/record_listing.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "common/number_text.h"
#include "compare/check_report.h"
#include "thermodb/line1_fields.h"

namespace tabulon {
namespace {

constexpr std::size_t kColumns = 10;
constexpr std::array<const char*, kColumns> kHeader = {
    "line", "name", "note", "formula", "phase", "mw", "t_low", "t_mid", "t_high", "common_from"};
// Numbers stand right-aligned in the table.
constexpr std::array<bool, kColumns> kNumber = {true, false, false, false, false,
                                                true, true,  true,  true,  false};

std::array<const std::string*, kColumns> Cells(const RecordRow& row) {
  return {&row.line, &row.name,  &row.note,  &row.formula, &row.phase,
          &row.mw,   &row.t_low, &row.t_mid, &row.t_high,  &row.common_from};
}

}  // namespace

RecordRow RowOf(const ThermoRecord& record) {
  const Line1Fields fields = record.Fields();
  const std::optional<double> weight = MolecularWeight(fields.composition);
  return RecordRow{
      .line = std::to_string(record.line_number),
      .name = record.name,
      .note = fields.note,
      .formula = FormulaText(fields.composition, ""),
      .phase = fields.phase == ' ' ? std::string() : std::string(1, fields.phase),
      .mw = weight ? ShortestNumber(*weight) : std::string(),
      .t_low = ShortestNumber(record.t_low),
      .t_mid = ShortestNumber(record.t_mid),
      .t_high = ShortestNumber(record.t_high),
      .common_from = record.mid_from_default ? "default" : "line",
  };
}

void WriteRecordsCsv(std::ostream& out, std::span<const ThermoRecord> records) {
  for (std::size_t k = 0; k < kColumns; ++k) out << (k ? "," : "") << kHeader[k];
  out << '\n';
  for (const ThermoRecord& record : records) {
    const RecordRow row = RowOf(record);
    const auto cells = Cells(row);
    for (std::size_t k = 0; k < kColumns; ++k) out << (k ? "," : "") << CsvField(*cells[k]);
    out << '\n';
  }
}

void WriteRecordsTable(std::ostream& out, std::span<const ThermoRecord> records) {
  std::vector<RecordRow> rows;
  rows.reserve(records.size());
  std::array<std::size_t, kColumns> width{};
  for (std::size_t k = 0; k < kColumns; ++k) width[k] = std::string_view(kHeader[k]).size();
  for (const ThermoRecord& record : records) {
    rows.push_back(RowOf(record));
    const auto cells = Cells(rows.back());
    for (std::size_t k = 0; k < kColumns; ++k) width[k] = std::max(width[k], cells[k]->size());
  }
  const auto write = [&](const std::array<std::string_view, kColumns>& cells) {
    std::string line;
    for (std::size_t k = 0; k < kColumns; ++k) {
      const std::string pad(width[k] - cells[k].size(), ' ');
      if (k) line += "  ";
      line += kNumber[k] ? pad + std::string(cells[k]) : std::string(cells[k]) + pad;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  };
  std::array<std::string_view, kColumns> header;
  std::copy(kHeader.begin(), kHeader.end(), header.begin());
  write(header);
  for (const RecordRow& row : rows) {
    std::array<std::string_view, kColumns> cells;
    const auto texts = Cells(row);
    for (std::size_t k = 0; k < kColumns; ++k) cells[k] = *texts[k];
    write(cells);
  }
}

}  // namespace tabulon
