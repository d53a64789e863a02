// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/scripted_platform.h"

namespace tabulon {

void ScriptedPlatform::ShowMessage(const Message& message) {
  messages.push_back(message);
  if (on_message) on_message(message);
}

std::optional<std::string> ScriptedPlatform::ChooseOpenFile(const OpenFileRequest& request) {
  file_requests.push_back(request);
  if (file_answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(file_answers.front());
  file_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPlatform::ChooseFolder(const std::string&, const std::string&) {
  if (folder_answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(folder_answers.front());
  folder_answers.pop_front();
  return answer;
}

void ScriptedPlatform::NoteSilentFailure(std::string_view command, const Failure& failure) {
  silent_failures.push_back({std::string(command), failure.Kind(), failure.Detail()});
}

}  // namespace tabulon
