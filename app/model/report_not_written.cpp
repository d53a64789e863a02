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

}  // namespace

void ShowReportNotWritten(MainWindowModel& window, std::string_view title,
                          std::string_view file_name, const std::string& path,
                          const Failure& failure) {
  const std::string not_written = std::string(file_name) + " was not written completely:";
  window.platform.ShowMessage(Message{
      .text = ErrorMessageText(failure.Description(), {not_written, path + ": " + Reason(failure)},
                               window.common.NewLine),
      .title = std::string(title),
      .icon = MessageIcon::Error});
  Label& status = file_name == "Comp.txt" ? window.msglbl1 : window.msglbl2;
  status.SetCaption(std::string(file_name) + " not written completely");
}

}  // namespace tabulon
