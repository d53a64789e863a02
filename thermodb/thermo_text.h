// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thermodb/file_snapshot.h"
#include "thermodb/text_lines.h"

namespace tabulon {

// The lines of a database held in memory (a FileSnapshot), as FindSpeciesRecord reads them in
// the file the bytes were read from, without reading it again. Nothing is parsed beyond the
// lines and the default common temperature; ThermoFile parses the records and looks names up.
class ThermoText {
 public:
  ThermoText();
  explicit ThermoText(FileSnapshot snapshot);
  ~ThermoText();
  ThermoText(ThermoText&&) noexcept;
  ThermoText& operator=(ThermoText&&) noexcept;

  const FileSnapshot& Snapshot() const { return snapshot_; }
  std::size_t LineCount() const { return lines_.size(); }
  // Line `index` (from 0) without its line end.
  std::string_view Line(std::size_t index) const { return lines_[index].In(snapshot_.Bytes()); }

  // The file's default common temperature (DefaultLineSearch); empty when it has none.
  std::optional<double> DefaultMid() const { return default_mid_; }

  // Where the lines of the record whose line 1 is line `index` stand, as the lookup reads them
  // (line 1, then the next three lines that are not comment lines); returns how many of its
  // four lines the file holds.
  int RecordLinesAt(std::size_t index, std::array<LineSpan, 4>& lines) const;

 private:
  FileSnapshot snapshot_;
  std::vector<LineSpan> lines_;
  std::optional<double> default_mid_;
};

}  // namespace tabulon
