// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch compare DB1 DB2 [--temps A,B,C] [--hf] [--out-dir DIR]: loads the two databases
// as the window would, clicks Compare and, when the window then offers it, the property
// comparison; the reports go to DIR when given, otherwise beside DB1.
#include <array>
#include <optional>
#include <ostream>

#include "app/model/compare_databases.h"
#include "app/model/property_report.h"
#include "app/model/reports_folder.h"
#include "batch/batch_session.h"
#include "batch/commands.h"

namespace tabulon::batch {

namespace {

struct CompareArgs {
  std::string db1;
  std::string db2;
  std::optional<std::array<std::string, 3>> temps;  // texts for Ktxt, Ktxt2, Ktxt3
  bool hf = false;
  std::optional<std::string> out_dir;  // the reports folder
};

// "A,B,C" into its three texts, each kept exactly as given (empty ones too).
std::optional<std::array<std::string, 3>> SplitTemps(const std::string& text) {
  std::array<std::string, 3> temps;
  std::size_t start = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t comma = text.find(',', start);
    if ((comma == std::string::npos) != (k == 2)) return std::nullopt;
    temps[k] = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    start = comma + 1;
  }
  return temps;
}

std::optional<CompareArgs> ParseArgs(const std::vector<std::string>& args) {
  CompareArgs parsed;
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--hf") {
      parsed.hf = true;
    } else if (args[i] == "--temps") {
      if (++i == args.size() || parsed.temps) return std::nullopt;
      parsed.temps = SplitTemps(args[i]);
      if (!parsed.temps) return std::nullopt;
    } else if (args[i] == "--out-dir") {
      if (++i == args.size() || parsed.out_dir || args[i].empty()) return std::nullopt;
      parsed.out_dir = args[i];
    } else if (args[i].starts_with("--")) {
      return std::nullopt;
    } else {
      paths.push_back(args[i]);
    }
  }
  if (paths.size() != 2) return std::nullopt;
  parsed.db1 = paths[0];
  parsed.db2 = paths[1];
  return parsed;
}

// Writes to `err` what the window leaves to its status line alone: where the property report
// stopped, and why, when no message said it. True when the report was written in full.
bool Written(const ReportOutcome& outcome, std::string_view command, std::ostream& err) {
  if (outcome.stopped_at) {
    err << "Comp2.txt stops at " << outcome.stopped_at->species
        << " (T = " << outcome.stopped_at->temperature << " K)\n";
  }
  if (outcome.failure && !outcome.told) {
    err << command << " stopped: " << outcome.failure->Description();
    if (!outcome.failure->Detail().empty()) err << " (" << outcome.failure->Detail() << ")";
    err << '\n';
  }
  return outcome.end == ReportOutcome::End::Written;
}

}  // namespace

int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<CompareArgs> parsed = ParseArgs(args);
  if (!parsed) return 2;

  BatchSession session(err);
  MainWindowModel& window = session.Window();
  bool complete = session.LoadBoth(parsed->db1, parsed->db2);
  if (parsed->out_dir) ChooseReportsFolder(window, *parsed->out_dir);
  if (parsed->hf) {
    window.Ck1.SetChecked(true);
    window.Ck2.SetChecked(true);
  }

  // The reaction of CMD3, called as a click calls it, for the outcome it returns.
  complete = Written(CompareDatabases(window), "Compare", err) && complete;
  // The property comparison, when the window offers it.
  if (window.CMD4.Visible()) {
    if (parsed->temps) {
      window.Ktxt.SetText((*parsed->temps)[0]);
      window.Ktxt2.SetText((*parsed->temps)[1]);
      window.Ktxt3.SetText((*parsed->temps)[2]);
    }
    complete = Written(WritePropertyReport(window), kPropertyReportCommand, err) && complete;
  }

  out << "DB1 " << window.List1Nbr.Caption() << '\n'
      << "DB2 " << window.List2Nbr.Caption() << '\n'
      << "common " << window.List3Nbr.Caption() << '\n'
      << "only1 " << window.List4Nbr.Caption() << '\n'
      << "only2 " << window.List5Nbr.Caption() << '\n'
      << "msglbl1: " << window.msglbl1.Caption() << '\n'
      << "msglbl2: " << window.msglbl2.Caption() << '\n';
  return complete ? 0 : 1;
}

}  // namespace tabulon::batch
