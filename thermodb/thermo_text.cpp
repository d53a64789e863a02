// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/thermo_text.h"

#include "thermodb/default_line.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

ThermoText::ThermoText() = default;
ThermoText::ThermoText(FileSnapshot snapshot) : snapshot_(std::move(snapshot)) {
  if (snapshot_.Readable()) lines_ = SplitLines(snapshot_.Bytes());
  DefaultLineSearch search;
  for (std::size_t i = 0; i < lines_.size() && !search.Take(Line(i)); ++i) {
  }
  default_mid_ = search.Default();
}
ThermoText::~ThermoText() = default;
ThermoText::ThermoText(ThermoText&&) noexcept = default;
ThermoText& ThermoText::operator=(ThermoText&&) noexcept = default;

int ThermoText::RecordLinesAt(std::size_t index, std::array<LineSpan, 4>& lines) const {
  lines = {};
  lines[0] = lines_[index];
  int count = 1;
  for (std::size_t next = index + 1; count < 4 && next < lines_.size(); ++next) {
    if (IsCommentLine(Line(next))) continue;
    lines[static_cast<std::size_t>(count++)] = lines_[next];
  }
  return count;
}

}  // namespace tabulon
