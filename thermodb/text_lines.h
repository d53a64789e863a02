// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace tabulon {

// Where one line lies in a text held in memory: its first byte and its length, line end
// excluded. Offsets fit 32 bits, as a database is at most LineReader::kMostFileBytes long.
struct LineSpan {
  std::uint32_t offset = 0;
  std::uint32_t length = 0;

  std::string_view In(std::string_view bytes) const { return bytes.substr(offset, length); }
};

// The lines of `bytes` by the rules of LineReader: a line ends at CR LF (one line end), at a
// lone CR or at a lone LF; the last line may lack a line end, and a final line end does not
// make an extra empty line. Line k of the file (counted from 1) is element k - 1.
std::vector<LineSpan> SplitLines(std::string_view bytes);

}  // namespace tabulon
