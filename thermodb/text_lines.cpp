// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/text_lines.h"

namespace tabulon {

std::vector<LineSpan> SplitLines(std::string_view bytes) {
  std::vector<LineSpan> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    lines.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
    if (end == bytes.size()) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace tabulon
