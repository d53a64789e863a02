// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch report DB1 DB2 --out FILE.html [--top N] [--si] [--tol-cp X] [--tol-h X]
// [--tol-s X]: the comparison of two databases as one HTML page.
#include <chrono>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "batch/thermo_file_load.h"
#include "common/version.h"
#include "compare/comparison_page.h"
#include "compare/output_file.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::batch {
namespace {

constexpr std::string_view kCommand = "report";

struct ReportArgs {
  std::vector<std::string> paths;
  std::string out;
  SummaryOptions summary;
};

// None for wrong usage (said on `err` where there is more to say than the usage line).
std::optional<ReportArgs> ParseReportArgs(const std::vector<std::string>& args, std::ostream& err) {
  CommandArgs parsed;
  if (!parsed.Parse(args, {"--out", "--top", "--tol-cp", "--tol-h", "--tol-s"}, kCommand, err)) {
    return std::nullopt;
  }
  if (!parsed.Value("--out")) {
    err << "tabulon-batch report: --out FILE.html is needed\n";
    return std::nullopt;
  }
  if (parsed.Positional().size() != 2) return std::nullopt;
  ReportArgs report{parsed.Positional(), *parsed.Value("--out"), {}};
  if (parsed.Flag("--si")) report.summary.units = &kSIUnits;
  if (const auto top = parsed.Value("--top")) {
    const std::optional<double> count = NonNegativeNumber(*top);
    if (!count || *count != std::floor(*count) || *count > 1e6) {
      err << "tabulon-batch report: --top takes a count from 0 to 1000000, not '" << *top << "'\n";
      return std::nullopt;
    }
    report.summary.top = std::size_t(*count);
  }
  CheckTolerances& tolerances = report.summary.tolerances;
  const std::pair<const char*, double*> numbers[] = {
      {"--tol-cp", &tolerances.cp}, {"--tol-h", &tolerances.h}, {"--tol-s", &tolerances.s}};
  for (const auto& [option, target] : numbers) {
    const std::optional<std::string> text = parsed.Value(option);
    if (!text) continue;
    const std::optional<double> value = NonNegativeNumber(*text);
    if (!value) {
      err << "tabulon-batch report: " << option << " takes a number >= 0, not '" << *text << "'\n";
      return std::nullopt;
    }
    *target = *value;
  }
  return report;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<ReportArgs> parsed = ParseReportArgs(args, err);
  if (!parsed) return 2;
  const auto [first, second] = ReadThermoFilePair(parsed->paths[0], parsed->paths[1]);
  if (!ReportIfNotLoaded(first, kCommand, err) || !ReportIfNotLoaded(second, kCommand, err)) {
    return 1;
  }
  const ComparisonSummary summary = SummarizeComparison(first, second, parsed->summary);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const PageOptions page{
      std::string("tabulon-batch ") + kVersion,
      UtcTimeText(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())};
  std::ostringstream html;
  WriteComparisonPage(html, summary, page);
  const OutputOutcome written = WriteWholeFile(parsed->out, html.str(), parsed->paths);
  if (!written.written) {
    err << "tabulon-batch report: " << parsed->out << " not written: " << written.problem << '\n';
    return 1;
  }
  out << parsed->out << ": " << summary.rows.size() << " species in both, "
      << summary.plotted.size() << " plotted\n";
  return 0;
}

}  // namespace tabulon::batch
