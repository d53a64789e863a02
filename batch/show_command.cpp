// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-batch show DB NAME [--hf] [T ...]: the detail view of one species of DB as DB #1,
// then Cp, H and S at each temperature, typed into TXT1K as a user would.
#include <ostream>
#include <string>
#include <vector>

#include "app/model/detail_view.h"
#include "batch/batch_session.h"
#include "batch/commands.h"
#include "common/ascii_text.h"

namespace tabulon::batch {
namespace {

struct ShowArgs {
  std::string db;
  std::string name;
  bool hf = false;
  std::vector<std::string> temperatures;
};

// False for wrong usage: fewer than two arguments, or an option other than --hf.
bool ParseShowArgs(const std::vector<std::string>& args, ShowArgs& parsed) {
  if (args.size() < 2) return false;
  parsed.db = args[0];
  parsed.name = UpperAscii(args[1]);  // the lists hold names upper-cased
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--hf") {
      parsed.hf = true;
    } else if (args[i].starts_with("--")) {
      return false;
    } else {
      parsed.temperatures.push_back(args[i]);
    }
  }
  return true;
}

std::string Joined(MainWindowModel& window, int first, int last) {
  std::string line;
  for (int i = first; i <= last; ++i) {
    if (i > first) line += '\t';
    line += window.PropTxt[i].Text();
  }
  return line;
}

// A result box's text, then "/" and the second box's text when it is visible, and "!" when the
// second box is red (the two coefficient sets disagree at the common temperature).
std::string ResultText(const TextBox& result, const TextBox& second) {
  std::string text = result.Text();
  if (second.Visible()) {
    text += "/" + second.Text();
    if (second.ForeColour() == Colour::Red) text += "!";
  }
  return text;
}

void ReportNewSilentFailures(const ScriptedPlatform& platform, std::size_t& reported,
                             std::ostream& err) {
  for (; reported < platform.silent_failures.size(); ++reported) {
    const ScriptedPlatform::SilentFailure& failure = platform.silent_failures[reported];
    err << failure.command << ": " << FailureDescription(failure.kind);
    if (!failure.detail.empty()) err << " (" << failure.detail << ")";
    err << '\n';
  }
}

}  // namespace

int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ShowArgs parsed;
  if (!ParseShowArgs(args, parsed)) return 2;

  BatchSession session(err);
  if (!session.Load(Db::One, parsed.db)) return 1;
  MainWindowModel& window = session.Window();
  if (parsed.hf) window.Ck1.SetChecked(true);
  // A click on the name in LOS1: its reaction, called as the click calls it, for the outcome it
  // returns.
  window.LOS1.SelectWithoutReaction(parsed.name);
  const DetailOutcome outcome = ShowSpeciesDetail(window, Db::One);
  if (outcome == DetailOutcome::NotShown) {
    err << "tabulon-batch show: " << parsed.name << " not found in " << parsed.db << '\n';
    return 1;
  }
  // A refused species is printed as the window shows it: its limits, then empty coefficient
  // boxes and whatever the temperature fields give; the temperature message went to `err`.
  out << window.Lbl8.Caption() << '\n'
      << window.Lbl10.Caption() << '\n'
      << window.Lbl11.Caption() << '\n'
      << Joined(window, 0, 6) << '\n'
      << Joined(window, 7, 13) << '\n';
  if (parsed.hf) out << window.Ravuvatxt1.Text() << '\n';

  std::size_t reported = session.Platform().silent_failures.size();
  for (const std::string& t : parsed.temperatures) {
    window.TXT1K.SetText(t);
    out << t << '\t' << ResultText(window.TXT1CP, window.TXT1CPBis) << '\t'
        << ResultText(window.TXT1H, window.TXT1HBis) << '\t'
        << ResultText(window.TXT1S, window.TXT1SBis) << '\n';
    ReportNewSilentFailures(session.Platform(), reported, err);
  }
  return outcome == DetailOutcome::Shown ? 0 : 1;
}

}  // namespace tabulon::batch
