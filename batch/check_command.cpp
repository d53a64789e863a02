// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch check DB [--tol-cp X] [--tol-h X] [--tol-s X] [--format text|csv|json]:
// checks every record of a database and prints the findings.
#include <optional>
#include <ostream>

#include "batch/command_args.h"
#include "batch/commands.h"
#include "batch/thermo_file_load.h"
#include "compare/check_report.h"
#include "compare/database_check.h"

namespace tabulon::batch {

namespace {

enum class Format { Text, Csv, Json };

struct CheckArgs {
  std::string path;
  CheckTolerances tolerances;
  Format format = Format::Text;
};

std::optional<CheckArgs> ParseArgs(const std::vector<std::string>& args, std::ostream& err) {
  CheckArgs parsed;
  std::optional<std::string> path;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    double* tolerance = arg == "--tol-cp"  ? &parsed.tolerances.cp
                        : arg == "--tol-h" ? &parsed.tolerances.h
                        : arg == "--tol-s" ? &parsed.tolerances.s
                                           : nullptr;
    if (tolerance || arg == "--format") {
      if (++i == args.size()) {
        err << "tabulon-batch check: " << arg << " needs a value\n";
        return std::nullopt;
      }
      if (tolerance) {
        const auto value = NonNegativeNumber(args[i]);
        if (!value) {
          err << "tabulon-batch check: " << arg << " takes a number >= 0, not '" << args[i]
              << "'\n";
          return std::nullopt;
        }
        *tolerance = *value;
      } else if (args[i] == "text" || args[i] == "csv" || args[i] == "json") {
        parsed.format = args[i] == "text"  ? Format::Text
                        : args[i] == "csv" ? Format::Csv
                                           : Format::Json;
      } else {
        err << "tabulon-batch check: --format takes text, csv or json, not '" << args[i] << "'\n";
        return std::nullopt;
      }
    } else if (arg.starts_with("--") || path) {
      err << "tabulon-batch check: unexpected argument '" << arg << "'\n";
      return std::nullopt;
    } else {
      path = arg;
    }
  }
  if (!path) return std::nullopt;
  parsed.path = *path;
  return parsed;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<CheckArgs> parsed = ParseArgs(args, err);
  if (!parsed) return 2;
  const std::optional<ThermoFile> file = LoadForCommand(parsed->path, "check", err);
  if (!file) return kCheckNotLoaded;
  const CheckRun run = CheckRecords(file->Records(), parsed->tolerances);
  switch (parsed->format) {
    case Format::Text:
      WriteFindingsText(out, run.findings);
      break;
    case Format::Csv:
      WriteFindingsCsv(out, run.findings);
      break;
    case Format::Json:
      WriteFindingsJson(out, run.findings);
      break;
  }
  return run.findings.empty() ? 0 : 1;
}

}  // namespace tabulon::batch
