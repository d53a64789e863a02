// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison_page_file.h"

#include <chrono>
#include <sstream>

#include "compare/comparison_page.h"
#include "compare/output_file.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon {

PageFileOutcome WriteComparisonPageFile(const std::string& first, const std::string& second,
                                        const std::string& page, const SummaryOptions& options,
                                        const std::string& generator,
                                        const SummaryProgress& progress) {
  using Status = PageFileOutcome::Status;
  const auto [file1, file2] = ReadThermoFilePair(first, second);
  for (const ThermoFile* file : {&file1, &file2}) {
    if (!file->Outcome().Succeeded()) {
      return {Status::NotLoaded, file->Path(), file->Outcome().problem};
    }
  }
  const ComparisonSummary summary = SummarizeComparison(file1, file2, options, progress);
  if (summary.cancelled) return {Status::Cancelled, page, {}};

  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const PageOptions page_options{
      generator, UtcTimeText(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())};
  std::ostringstream html;
  WriteComparisonPage(html, summary, page_options);
  const std::string databases[] = {first, second};
  const OutputOutcome written = WriteWholeFile(page, html.str(), databases);
  if (!written.written) return {Status::NotWritten, page, written.problem};
  return {Status::Written, page, {}, summary.rows.size(), summary.plotted.size()};
}

}  // namespace tabulon
