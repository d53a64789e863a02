// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/reports_folder.h"

#include "app/model/main_window_model.h"

namespace tabulon {

std::string ReportsFolder(const CommonValue& common) {
  return common.ReportsDir.empty() ? common.DB1Dir : common.ReportsDir;
}

void ChooseReportsFolder(MainWindowModel& window, std::string folder) {
  if (!folder.empty() && !folder.ends_with('/')) folder += '/';
  window.common.ReportsDir = std::move(folder);
}

bool AskForReportsFolder(MainWindowModel& window) {
  std::optional<std::string> chosen =
      window.platform.ChooseFolder("Folder for the reports", ReportsFolder(window.common));
  if (!chosen || chosen->empty()) return false;
  ChooseReportsFolder(window, std::move(*chosen));
  return true;
}

}  // namespace tabulon
