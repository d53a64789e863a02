// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/record_extent.h"

#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

bool EndsTheRecord(std::string_view line) {
  return IsEndLine(line) || ClassifyBodyLine(line) == BodyLineKind::Species;
}

}  // namespace

RecordExtent ExtentOf(const ThermoText& text, std::size_t first) {
  RecordExtent extent{first, first, 1, {}};
  for (std::size_t i = first + 1; extent.own_lines < kLinesPerRecord && i < text.LineCount(); ++i) {
    const std::string_view line = text.Line(i);
    if (IsCommentLine(line)) continue;
    if (EndsTheRecord(line)) break;
    extent.coefficient_lines[static_cast<std::size_t>(extent.own_lines - 1)] = i;
    extent.last = i;
    ++extent.own_lines;
  }
  return extent;
}

int OwnLineCount(const ThermoRecord& record) {
  for (int k = 1; k < record.line_count; ++k) {
    if (EndsTheRecord(record.Line(k))) return k;
  }
  return record.line_count;
}

}  // namespace tabulon
