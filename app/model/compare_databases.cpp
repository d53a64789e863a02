// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/compare_databases.h"

#include "app/model/clear_detail_views.h"
#include "app/model/compare_sets.h"
#include "app/model/main_window_model.h"
#include "app/model/report_not_written.h"
#include "app/model/report_run_view.h"
#include "app/model/reports_folder.h"
#include "common/message_text.h"
#include "compare/comp_report.h"
#include "compare/repeated_species.h"
#include "compare/report_file.h"

namespace tabulon {

namespace {

constexpr std::string_view kRepeatedNameTitle = "Two (or more) species have the same name!";

void ResetComparison(MainWindowModel& window) {
  window.LOS3.Clear();
  window.LOS4.Clear();
  window.LOS5.Clear();
  CommonValue& common = window.common;
  common.CommonReady = common.Only1Ready = common.Only2Ready = false;
  common.CommonCount = 0;
  common.NewLine = "\r\n";
}

void ShowRemovalFailure(MainWindowModel& window, const RepeatedNameFailure& failure) {
  window.platform.ShowMessage({ErrorMessageText(failure.Description(),
                                                {"Two (or more) species have the same name...",
                                                 "You need to rename the following species: ",
                                                 failure.Name(), "Please, Close Tabulon first."},
                                                window.common.NewLine),
                               std::string(kRepeatedNameTitle), MessageIcon::Error});
}

// The warning names the repeated species that made the counts disagree, so that the user
// knows what to rename.
void ShowCountCheckFailure(MainWindowModel& window, std::string_view db, const ListBox& list,
                           const ListBox& other) {
  const std::string line =
      "Two (or more) species have the same name in DB #" + std::string(db) + "...";
  std::string text = ErrorMessageText("", {line, "You need to identify and rename those species."},
                                      window.common.NewLine);
  for (const std::string& name : NameLines(RepeatedNamesAlsoIn(list.Items(), other.Items()))) {
    text += window.common.NewLine;
    text += name;
  }
  window.platform.ShowMessage({text, std::string(kRepeatedNameTitle), MessageIcon::Error});
}

// A name repeated in one database and present in the other leaves a list short or long: the
// one-sided and common counts no longer add up to the database's count.
void CheckCounts(MainWindowModel& window) {
  const CommonValue& common = window.common;
  const Count16 sum1 = common.Only1Count + common.CommonCount;
  const Count16 sum2 = common.Only2Count + common.CommonCount;
  if (common.DB1Count != sum1) ShowCountCheckFailure(window, "1", window.LOS1, window.LOS2);
  if (common.DB2Count != sum2) ShowCountCheckFailure(window, "2", window.LOS2, window.LOS1);
}

// Writes Comp.txt from the two databases as they are now and shows what the run did; a run
// that ends early says why.
ReportOutcome WriteCompReport(MainWindowModel& window) {
  const CommonValue& common = window.common;
  // Every record of the run comes from the files as they are at its start.
  const CommandFiles files(window);
  const std::string path = ReportsFolder(common) + "Comp.txt";
  ReportFile file(path, ReportFile::Mode::Replace, {common.DB1Path, common.DB2Path});
  const CompReportInput input{.db1 = &files.One(),
                              .db2 = &files.Two(),
                              .db1_path = common.DB1Path,
                              .db2_path = common.DB2Path,
                              .db1_count = common.DB1Count,
                              .db2_count = common.DB2Count,
                              .only1 = window.LOS4.Items(),
                              .only2 = window.LOS5.Items(),
                              .common = window.LOS3.Items(),
                              .hf_asked = {window.Ck1.Checked(), window.Ck2.Checked()},
                              .r_gas = common.RGas,
                              .fields = FieldsBeforeReport(window)};
  ReportRunResult run = RunCompReport(input, file);
  CloseReport(file, run);
  ShowReportRun(window, run);
  if (run.failure) {
    return ShowReportNotWritten(window, ReportName::Comp, path, *run.failure,
                                run.report_file_failed);
  }
  return ReportOutcome::Written();
}

}  // namespace

ReportOutcome CompareDatabases(MainWindowModel& window) {
  if (window.Lbl1.Caption().empty() || window.Lbl2.Caption().empty()) return {};
  window.THERMIMG.SetVisible(false);
  window.msglbl1.SetCaption("");
  ClearDetailViews(window);
  ResetComparison(window);
  try {
    CompareSets(window);
  } catch (const RepeatedNameFailure& failure) {
    ShowRemovalFailure(window, failure);
    return ReportNotWrittenAfter(window, ReportName::Comp, failure);
  } catch (const Failure& failure) {
    return ShowReportNotWritten(window, ReportName::Comp, ReportsFolder(window.common) + "Comp.txt",
                                failure, false);
  }
  const ReportOutcome outcome = WriteCompReport(window);
  if (outcome.end != ReportOutcome::End::Written) return outcome;
  if (window.common.CommonCount != 0) {
    for (Control* control : std::initializer_list<Control*>{&window.CMD4, &window.Ktxt,
                                                            &window.Ktxt2, &window.Ktxt3}) {
      control->SetVisible(true);
    }
  }
  ClearCoefficientBoxes(window);
  ClearLimitLabels(window);
  window.msglbl1.SetCaption(kCompReportDone);
  try {
    CheckCounts(window);
  } catch (const Failure& failure) {
    // A 16-bit sum beyond 32767: the report is whole, only the name check could not be made.
    window.platform.NoteSilentFailure("Compare", failure);
  }
  return outcome;
}

}  // namespace tabulon
