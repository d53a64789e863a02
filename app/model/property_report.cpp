// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/property_report.h"

#include <array>
#include <optional>
#include <unordered_map>

#include "app/model/main_window_model.h"
#include "app/model/report_not_written.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/message_text.h"
#include "common/number_text.h"
#include "compare/ratio_text.h"
#include "compare/report_file.h"
#include "properties/field_evaluation.h"
#include "properties/species_view.h"

namespace tabulon {

namespace {

constexpr int kTemperatureLineTabs = 9;

void WriteHeading(const std::string& path, const CommonValue& common) {
  ReportFile file(path, ReportFile::Mode::Replace, {common.DB1Path, common.DB2Path});
  file.WriteLine("DB #1: " + common.DB1Path);
  file.WriteLine("DB #2: " + common.DB2Path);
  file.WriteLine("Cp (cal/mol/K), S (cal/mol/K), H (kcal/mol)");
  file.WriteLine("");
  file.Close();
}

// The species line: the name, then Cp, H and S of both databases, each pair with its ratio.
std::string SpeciesLine(const MainWindowModel& w, const std::string& name) {
  std::string line = name;
  for (const auto& [one, two] : {std::pair{&w.TXT1CP, &w.TXT2CP}, std::pair{&w.TXT1H, &w.TXT2H},
                                 std::pair{&w.TXT1S, &w.TXT2S}}) {
    const std::string ratio = RatioText(one->Text(), two->Text());
    line += '\t' + one->Text() + '\t' + two->Text() + '\t' + ratio;
  }
  return line;
}

// A species line that could not be made (a result that is no number, a zero ratio): where the
// report stops, and why.
class StoppedAtSpecies : public Failure {
 public:
  StoppedAtSpecies(const Failure& cause, const std::string& name, const std::string& t_text)
      : Failure(cause.Kind(), cause.Detail()),
        status_("Comp2.txt stops at " + name + " (T = " + t_text + " K)") {}
  const std::string& Status() const { return status_; }

 private:
  std::string status_;
};

// The six second boxes (Cp, H, S of DB #1, then of DB #2): hidden between species, they keep
// the text of the last evaluation at a common temperature, which is part of the window's state.
using SecondTexts = std::array<std::string, 6>;

std::array<TextBox*, 6> SecondBoxes(MainWindowModel& w) {
  return {&w.TXT1CPBis, &w.TXT1HBis, &w.TXT1SBis, &w.TXT2CPBis, &w.TXT2HBis, &w.TXT2SBis};
}

// What the window shows for a species at a temperature: the step the report takes for each
// species, as the user would take it.
void ShowSpeciesAt(MainWindowModel& window, const std::string& name,
                   const std::string& field_text) {
  window.LOS1.SelectByName(name);
  window.LOS2.SelectByName(name);
  window.TXT1K.SetText(field_text);
  window.TXT2K.SetText(field_text);
}

// The report is computed from the records wherever a species' step is plain: shown in both
// views, evaluated without a failure or a message, its ratios defined. The window then does not
// follow species by species; Sync remembers what it would show, and CatchUp brings it there
// before any step that the window takes itself (one that is not plain, the last one, or a
// failure), so messages, report lines and the final state are those of the species-by-species
// run.
struct Sync {
  // What a plain step needs of a species' record in one database, kept for the three blocks.
  struct Side {
    bool usable = false;  // shown, with an a1 text, and T = 0 outside its range
    double t_low = 0, t_high = 0, t_mid = 0;
    CoefficientSet high{}, low{};
  };
  std::unordered_map<std::string, std::array<Side, 2>> records;

  bool in_sync = true;
  std::string previous;        // the last species computed from the records
  std::string previous_field;  // its temperature text
  SecondTexts seconds_before_previous;
  SecondTexts seconds;  // the second boxes' texts after the last species
};

void ReadSeconds(MainWindowModel& window, Sync& sync) {
  const auto boxes = SecondBoxes(window);
  for (std::size_t k = 0; k < boxes.size(); ++k) sync.seconds[k] = boxes[k]->Text();
}

void CatchUp(MainWindowModel& window, Sync& sync) {
  if (sync.in_sync) return;
  // Second boxes have no change reaction: their texts are restored as they stood before the
  // previous species, whose steps then run as they did.
  const auto boxes = SecondBoxes(window);
  for (std::size_t k = 0; k < boxes.size(); ++k) boxes[k]->SetText(sync.seconds_before_previous[k]);
  ShowSpeciesAt(window, sync.previous, sync.previous_field);
  sync.in_sync = true;
}

// The result box's text after the field's reaction, from a clean outcome.
std::string ResultText(const FieldOutcome& outcome) {
  std::string text = outcome.main.value_or("");
  if (outcome.out_of_range) text = "xxx";
  if (outcome.zero_temperature) text.clear();
  return text;
}

// The species line computed from the two records, or nothing when the step is not plain.
// `seconds` is updated with the second texts the step leaves.
const std::array<Sync::Side, 2>& RecordsOf(MainWindowModel& window, const std::string& name,
                                           Sync& sync) {
  const auto known = sync.records.find(name);
  if (known != sync.records.end()) return known->second;
  std::array<Sync::Side, 2> sides;
  for (int side = 0; side < 2; ++side) {
    const std::string& path = side == 0 ? window.common.DB1Path : window.common.DB2Path;
    const SpeciesView view = ViewOf(window.records.Find(path, name));
    const ThermoRecord& record = view.record;
    // Refused: a message. An empty a1: no evaluation, so no line. T = 0 inside the range: the
    // emptied fields' reactions would evaluate, and could tell of a failure.
    Sync::Side& kept = sides[static_cast<std::size_t>(side)];
    kept.usable = view.outcome == DetailOutcome::Shown && !record.CoefficientText(0).empty() &&
                  PickSet(0, record.t_low, record.t_high, record.t_mid).main == SetPick::Main::None;
    kept.t_low = record.t_low;
    kept.t_high = record.t_high;
    kept.t_mid = record.t_mid;
    kept.high = record.high;
    kept.low = record.low;
  }
  return sync.records.emplace(name, sides).first->second;
}

std::optional<std::string> PlainLine(MainWindowModel& window, const std::string& name,
                                     const std::string& field_text, Sync& sync,
                                     SecondTexts& seconds) {
  const double t = LeadingNumber(field_text);
  std::array<std::array<std::string, 3>, 2> results;
  const std::array<Sync::Side, 2>& sides = RecordsOf(window, name, sync);
  for (int side = 0; side < 2; ++side) {
    const Sync::Side& record = sides[static_cast<std::size_t>(side)];
    if (!record.usable) return std::nullopt;
    const FieldSpecies species{.t_low = record.t_low,
                               .t_high = record.t_high,
                               .t_mid = record.t_mid,
                               .r_gas = window.common.RGas,
                               .high = &record.high,
                               .low = &record.low};
    int k = 0;
    for (Property property : {Property::Cp, Property::H, Property::S}) {
      const FieldOutcome outcome = EvaluateField(property, t, species);
      if (outcome.failure) return std::nullopt;
      if (outcome.second) seconds[static_cast<std::size_t>(3 * side + k)] = *outcome.second;
      results[static_cast<std::size_t>(side)][static_cast<std::size_t>(k++)] = ResultText(outcome);
    }
  }
  std::string line = name;
  try {
    for (std::size_t k = 0; k < 3; ++k) {
      const std::string ratio = RatioText(results[0][k], results[1][k]);
      line += '\t' + results[0][k] + '\t' + results[1][k] + '\t' + ratio;
    }
  } catch (const Failure&) {
    return std::nullopt;
  }
  return line;
}

// One block: the temperature line, the column line and a line per common species. The file
// is opened for this block alone, so a failure leaves every line written before it on disk.
void WriteBlock(const std::string& path, MainWindowModel& window, double t, bool last_block,
                Sync& sync) {
  ReportFile file(path, ReportFile::Mode::Append, {window.common.DB1Path, window.common.DB2Path});
  file.WriteLine("T (K) = " + NumberText(t) + std::string(kTemperatureLineTabs, '\t'));
  file.WriteLine("Species\tCp1\tCp2\tCp1/Cp2\tH1\tH2\tH1/H2\tS1\tS2\tS1/S2");
  const std::string field_text = TemperatureFieldText(t);
  const int common_count = window.common.CommonCount;
  for (int i = 0; i < common_count; ++i) {
    const std::string name = window.LOS3.Item(i);
    const bool last = last_block && i == common_count - 1;
    SecondTexts seconds = sync.seconds;
    const std::optional<std::string> plain =
        last ? std::nullopt : PlainLine(window, name, field_text, sync, seconds);
    if (plain) {
      sync.seconds_before_previous = sync.seconds;
      sync.seconds = seconds;
      sync.previous = name;
      sync.previous_field = field_text;
      sync.in_sync = false;
      file.WriteLine(*plain);
      continue;
    }
    CatchUp(window, sync);
    ShowSpeciesAt(window, name, field_text);
    ReadSeconds(window, sync);
    std::string line;
    try {
      line = SpeciesLine(window, name);
    } catch (const Failure& failure) {
      throw StoppedAtSpecies(failure, name, field_text);
    }
    file.WriteLine(line);
  }
  file.Close();
}

void WriteBlockSeparator(const std::string& path, const CommonValue& common) {
  ReportFile file(path, ReportFile::Mode::Append, {common.DB1Path, common.DB2Path});
  file.WriteLine(" ");
  file.WriteLine(" ");
  file.Close();
}

void ShowMissingInformation(MainWindowModel& window, const Failure& failure) {
  window.platform.ShowMessage(
      {ErrorMessageText(failure.Description(),
                        {"Some information is missing in your database.",
                         "Please check your database content (see temperatures etc.)",
                         "Please, Close Tabulon first."},
                        window.common.NewLine),
       "Missing information...", MessageIcon::Error});
}

}  // namespace

std::string TemperatureFieldText(double t) {
  std::string text = NumberText(t);
  if (text.starts_with(' ')) text.erase(0, 1);
  return text;
}

ReportRun WritePropertyReport(MainWindowModel& window) {
  if (window.common.CommonCount == 0) return ReportRun::NotRun;
  try {
    // Every record lookup of the report is answered from one read of each file.
    const RecordFinder::Pin pin(window.records, {window.common.DB1Path, window.common.DB2Path});
    window.THERMIMG.SetVisible(false);
    window.msglbl2.SetCaption("");
    const std::string path = window.common.DB1Dir + "Comp2.txt";
    Sync sync;
    ReadSeconds(window, sync);
    try {
      const double t1 = LeadingNumber(window.Ktxt.Text());
      WriteHeading(path, window.common);
      WriteBlock(path, window, t1, false, sync);
      WriteBlockSeparator(path, window.common);
      const double t2 = LeadingNumber(window.Ktxt2.Text());
      WriteBlock(path, window, t2, false, sync);
      WriteBlockSeparator(path, window.common);
      const double t3 = LeadingNumber(window.Ktxt3.Text());
      WriteBlock(path, window, t3, true, sync);
    } catch (...) {
      // Whatever ends the run, the window first shows what the species-by-species run left.
      CatchUp(window, sync);
      throw;
    }
    window.msglbl2.SetCaption(kPropertyReportDone);
    return ReportRun::Complete;
  } catch (const ReportFailure& failure) {
    window.THERMIMG.SetVisible(true);
    ShowReportNotWritten(window, "Compare Common Species", "Comp2.txt", failure);
  } catch (const StoppedAtSpecies& failure) {
    window.THERMIMG.SetVisible(true);
    if (failure.Kind() == FailureKind::DivisionByZero) {
      ShowMissingInformation(window, failure);
    } else {
      window.platform.NoteSilentFailure(kPropertyReportCommand, failure);
    }
    window.msglbl2.SetCaption(failure.Status());
  } catch (const Failure& failure) {
    window.THERMIMG.SetVisible(true);
    window.platform.NoteSilentFailure(kPropertyReportCommand, failure);
  }
  return ReportRun::Stopped;
}

}  // namespace tabulon
