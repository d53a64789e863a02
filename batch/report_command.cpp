// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch report DB1 DB2 --out FILE.html [--top N] [--si] [--tol-cp X] [--tol-h X]
// [--tol-s X]: the comparison of two databases as one HTML page.
#include <cmath>
#include <optional>
#include <ostream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "common/version.h"
#include "compare/comparison_page_file.h"

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
  if (!parsed.NonNegativeNumbers(
          {{"--tol-cp", &tolerances.cp}, {"--tol-h", &tolerances.h}, {"--tol-s", &tolerances.s}},
          kCommand, err)) {
    return std::nullopt;
  }
  return report;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<ReportArgs> parsed = ParseReportArgs(args, err);
  if (!parsed) return 2;
  const PageFileOutcome outcome =
      WriteComparisonPageFile(parsed->paths[0], parsed->paths[1], parsed->out, parsed->summary,
                              std::string("tabulon-batch ") + kVersion);
  switch (outcome.status) {
    case PageFileOutcome::Status::NotLoaded:
      err << "tabulon-batch report: cannot load " << outcome.path << ": " << outcome.problem
          << '\n';
      return 1;
    case PageFileOutcome::Status::NotWritten:
    case PageFileOutcome::Status::Cancelled:
      err << "tabulon-batch report: " << outcome.path << " not written: " << outcome.problem
          << '\n';
      return 1;
    case PageFileOutcome::Status::Written:
      break;
  }
  out << outcome.path << ": " << outcome.common << " species in both, " << outcome.plotted
      << " plotted\n";
  return 0;
}

}  // namespace tabulon::batch
