// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tabulon {

// Where a report's lines go, one at a time, in file order: the report file (ReportFile), or a
// test's list. A line that cannot be written throws (ReportFailure for a file).
class ReportSink {
 public:
  virtual ~ReportSink() = default;
  // Writes `text` as one line of the report.
  virtual void WriteLine(std::string_view text) = 0;
};

}  // namespace tabulon
