// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/property_report.h"

#include "app/model/main_window_model.h"
#include "app/model/report_not_written.h"
#include "app/model/report_run_view.h"
#include "app/model/reports_folder.h"
#include "common/failure.h"
#include "common/message_text.h"
#include "compare/property_report.h"
#include "compare/report_file.h"

namespace tabulon {

namespace {

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

ReportOutcome WritePropertyReport(MainWindowModel& window) {
  const CommonValue& common = window.common;
  if (common.CommonCount == 0) return {};
  window.THERMIMG.SetVisible(false);
  window.msglbl2.SetCaption("");
  // Every record of the run comes from the files as they are at its start.
  const CommandFiles files(window);
  const std::string path = ReportsFolder(common) + "Comp2.txt";
  ReportFile file(path, ReportFile::Mode::Replace, {common.DB1Path, common.DB2Path});
  const PropertyReportInput input{
      .db1 = &files.One(),
      .db2 = &files.Two(),
      .db1_path = common.DB1Path,
      .db2_path = common.DB2Path,
      .common = window.LOS3.Items(),
      .temperatures = {window.Ktxt.Text(), window.Ktxt2.Text(), window.Ktxt3.Text()},
      .hf_asked = {window.Ck1.Checked(), window.Ck2.Checked()},
      .r_gas = common.RGas,
      .fields = FieldsBeforeReport(window)};
  ReportRunResult run = RunPropertyReport(input, file);
  CloseReport(file, run);
  ShowReportRun(window, run);
  if (!run.failure) {
    window.msglbl2.SetCaption(kPropertyReportDone);
    return ReportOutcome::Written();
  }
  window.THERMIMG.SetVisible(true);
  if (!run.stopped_at) {
    return ShowReportNotWritten(window, ReportName::Comp2, path, *run.failure,
                                run.report_file_failed);
  }
  // A species line that cannot be made ends the report there; only a division by zero is told.
  const bool told = run.failure->Kind() == FailureKind::DivisionByZero;
  if (told) {
    ShowMissingInformation(window, *run.failure);
  } else {
    window.platform.NoteSilentFailure(kPropertyReportCommand, *run.failure);
  }
  window.msglbl2.SetCaption("Comp2.txt stops at " + run.stopped_at->species +
                            " (T = " + run.stopped_at->temperature + " K)");
  return ReportOutcome::Stopped(*run.failure, *run.stopped_at, told);
}

}  // namespace tabulon
