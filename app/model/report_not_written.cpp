// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/report_not_written.h"

#include "app/model/main_window_model.h"
#include "common/message_text.h"

namespace tabulon {

namespace {

std::string Reason(const Failure& failure) {
  if (failure.Kind() == FailureKind::FileFailure) return failure.Detail();
  std::string reason(failure.Description());
  if (!failure.Detail().empty()) reason += " (" + failure.Detail() + ")";
  return reason;
}

std::string_view FileName(ReportName report) {
  return report == ReportName::Comp ? "Comp.txt" : "Comp2.txt";
}

}  // namespace

ReportOutcome ReportNotWrittenAfter(MainWindowModel& window, ReportName report,
                                    const Failure& failure) {
  Label& status = report == ReportName::Comp ? window.msglbl1 : window.msglbl2;
  status.SetCaption(std::string(FileName(report)) + " not written completely");
  return ReportOutcome::NotWritten(failure);
}

ReportOutcome ShowReportNotWritten(MainWindowModel& window, ReportName report,
                                   const std::string& path, const Failure& failure,
                                   bool file_refused) {
  const std::string not_written = std::string(FileName(report)) + " was not written completely:";
  std::string text = ErrorMessageText(
      failure.Description(), {not_written, path + ": " + Reason(failure)}, window.common.NewLine);
  if (file_refused) text += window.common.NewLine + window.platform.HowToChooseReportsFolder();
  window.platform.ShowMessage(
      Message{.text = text,
              .title = report == ReportName::Comp ? "Compare" : "Compare Common Species",
              .icon = MessageIcon::Error});
  return ReportNotWrittenAfter(window, report, failure);
}

}  // namespace tabulon
