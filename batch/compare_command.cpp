// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch compare DB1 DB2 [--temps A,B,C] [--hf]: loads the two databases as the window
// would, clicks Compare and, when the window then offers it, the property comparison.
#include <array>
#include <optional>
#include <ostream>

#include "app/model/compare_databases.h"
#include "app/model/property_report.h"
#include "batch/batch_session.h"
#include "batch/commands.h"

namespace tabulon::batch {

namespace {

struct CompareArgs {
  std::string db1;
  std::string db2;
  std::optional<std::array<std::string, 3>> temps;  // texts for Ktxt, Ktxt2, Ktxt3
  bool hf = false;
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

// Whether `command` ended through its silent failure path since `first` failures were noted;
// the reason goes to `err`.
bool FailedSilently(const ScriptedPlatform& platform, std::size_t first, std::string_view command,
                    std::ostream& err) {
  bool failed = false;
  for (std::size_t i = first; i < platform.silent_failures.size(); ++i) {
    const ScriptedPlatform::SilentFailure& failure = platform.silent_failures[i];
    if (failure.command != command) continue;
    failed = true;
    err << command << " stopped: " << FailureDescription(failure.kind);
    if (!failure.detail.empty()) err << " (" << failure.detail << ")";
    err << '\n';
  }
  return failed;
}

}  // namespace

int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const std::optional<CompareArgs> parsed = ParseArgs(args);
  if (!parsed) return 2;

  BatchSession session(err);
  MainWindowModel& window = session.Window();
  const ScriptedPlatform& platform = session.Platform();
  bool complete = session.Load(Db::One, parsed->db1);
  complete = session.Load(Db::Two, parsed->db2) && complete;
  if (parsed->hf) {
    window.Ck1.SetChecked(true);
    window.Ck2.SetChecked(true);
  }

  std::size_t failures_before = platform.silent_failures.size();
  // The reaction of CMD3, called as a click calls it, for the outcome it returns.
  const bool comp_done = CompareDatabases(window) == ReportRun::Complete;
  complete =
      !FailedSilently(platform, failures_before, kCompareCommand, err) && comp_done && complete;

  if (window.CMD4.Visible()) {
    if (parsed->temps) {
      window.Ktxt.SetText((*parsed->temps)[0]);
      window.Ktxt2.SetText((*parsed->temps)[1]);
      window.Ktxt3.SetText((*parsed->temps)[2]);
    }
    failures_before = platform.silent_failures.size();
    const bool comp2_done = WritePropertyReport(window) == ReportRun::Complete;
    // A report that stopped at a species says where; the window shows it in msglbl2.
    if (window.msglbl2.Caption().starts_with("Comp2.txt stops at ")) {
      err << window.msglbl2.Caption() << '\n';
    }
    complete = !FailedSilently(platform, failures_before, kPropertyReportCommand, err) &&
               comp2_done && complete;
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
