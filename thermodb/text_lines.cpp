// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/text_lines.h"

#include <algorithm>
#include <cstring>

namespace tabulon {

namespace {

// The line ends of a text, from left to right: memchr finds the next LF and the next CR (it
// compares many bytes at once), and each is remembered until the lines pass it, so every byte
// is searched at most once for each, also in a file with CRs only or LFs only.
class LineEnds {
 public:
  explicit LineEnds(std::string_view bytes)
      : bytes_(bytes), next_lf_(Find('\n', 0)), next_cr_(Find('\r', 0)) {}

  // The first CR or LF at or after `start`, or the size of the text when there is none.
  std::size_t From(std::size_t start) {
    if (next_lf_ < start) next_lf_ = Find('\n', start);
    if (next_cr_ < start) next_cr_ = Find('\r', start);
    return std::min(next_lf_, next_cr_);
  }

 private:
  std::size_t Find(char c, std::size_t start) const {
    if (start >= bytes_.size()) return bytes_.size();
    const void* hit = std::memchr(bytes_.data() + start, c, bytes_.size() - start);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - bytes_.data())
               : bytes_.size();
  }

  std::string_view bytes_;
  std::size_t next_lf_, next_cr_;
};

}  // namespace

std::vector<LineSpan> SplitLines(std::string_view bytes) {
  std::vector<LineSpan> lines;
  // Room for lines of 64 bytes on average (record lines have 80), so a database's lines are not
  // copied as the vector grows; in a large file the pages of room never written are never given
  // memory.
  lines.reserve(bytes.size() / 64 + 1);
  LineEnds line_ends(bytes);
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = line_ends.From(start);
    lines.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(end - start)});
    if (end == bytes.size()) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace tabulon
