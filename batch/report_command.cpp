// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch report DB1 DB2 --out FILE.html [--top N] [--si] [--tol-cp X] [--tol-h X]
// [--tol-s X]: the comparison of two databases as one HTML page.
#include <chrono>
#include <optional>
#include <ostream>
#include <sstream>

#include "batch/commands.h"
#include "batch/number_args.h"
#include "batch/thermo_file_load.h"
#include "common/version.h"
#include "compare/comparison_page.h"
#include "compare/output_file.h"
#include "thermodb/thermo_file_pair.h"

namespace tabulon::batch {
namespace {

struct ReportArgs {
  std::vector<std::string> paths;
  std::string out;
  SummaryOptions summary;
  DeviationTolerances tolerances;
};

// False for wrong usage, said on `err`.
bool ParseArgs(const std::vector<std::string>& args, ReportArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--si") {
      parsed.summary.units = &kSIUnits;
      continue;
    }
    if (!arg.starts_with("--")) {
      parsed.paths.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      err << "tabulon-batch report: " << arg << " needs a value\n";
      return false;
    }
    const std::string& value = args[++i];
    if (arg == "--out") {
      parsed.out = value;
    } else if (arg == "--top") {
      const auto top = CountArg(value);
      if (!top) {
        err << "tabulon-batch report: --top takes a count from 0 to 1000000, not '" << value
            << "'\n";
        return false;
      }
      parsed.summary.top = *top;
    } else {
      double* tolerance = arg == "--tol-cp"  ? &parsed.tolerances.cp
                          : arg == "--tol-h" ? &parsed.tolerances.h
                                             : &parsed.tolerances.s;
      const auto number = ToleranceArg(value);
      if (!number) {
        err << "tabulon-batch report: " << arg << " takes a number >= 0, not '" << value << "'\n";
        return false;
      }
      *tolerance = *number;
    }
  }
  if (parsed.out.empty()) {
    err << "tabulon-batch report: --out FILE.html is needed\n";
    return false;
  }
  return parsed.paths.size() == 2;
}

}  // namespace

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ReportArgs parsed;
  if (!ParseArgs(args, parsed, err)) return 2;
  const auto [first, second] = ReadThermoFilePair(parsed.paths[0], parsed.paths[1]);
  if (!ReportIfNotLoaded(first, "report", err) || !ReportIfNotLoaded(second, "report", err)) {
    return 1;
  }
  const ComparisonSummary summary = SummarizeComparison(first, second, parsed.summary);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const PageOptions page{
      parsed.tolerances, std::string("tabulon-batch ") + kVersion,
      UtcTimeText(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())};
  std::ostringstream html;
  WriteComparisonPage(html, summary, page);
  const OutputOutcome written = WriteWholeFile(parsed.out, html.str(), parsed.paths);
  if (!written.written) {
    err << "tabulon-batch report: " << parsed.out << " not written: " << written.problem << '\n';
    return 1;
  }
  out << parsed.out << ": " << summary.rows.size() << " species in both, " << summary.plotted.size()
      << " plotted\n";
  return 0;
}

}  // namespace tabulon::batch
