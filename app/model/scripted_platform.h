// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/model/platform_services.h"

namespace tabulon {

// Platform services that answer from a script and record what was asked of them; used by the
// tests and by tabulon-batch.
class ScriptedPlatform : public PlatformServices {
 public:
  struct SilentFailure {
    std::string command;
    FailureKind kind;
    std::string detail;
  };

  // Answers of the open-file dialog, taken in order; nullopt (or an empty queue) is a cancel.
  std::deque<std::optional<std::string>> file_answers;
  // Answers of the folder dialog, taken in order; nullopt (or an empty queue) is a cancel.
  std::deque<std::optional<std::string>> folder_answers;
  // Called for every message as it is shown (tabulon-batch prints them).
  std::function<void(const Message&)> on_message;

  std::vector<Message> messages;
  std::vector<OpenFileRequest> file_requests;
  std::vector<std::string> links;
  std::vector<std::string> loaded_files;  // as told by DatabaseLoaded
  std::vector<SilentFailure> silent_failures;
  int repaints = 0;
  int about_shown = 0;
  bool ended = false;

  void ShowMessage(const Message& message) override;
  std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initial_dir) override;
  void DatabaseLoaded(const std::string& path) override { loaded_files.push_back(path); }
  void LetWindowRepaint() override { ++repaints; }
  void OpenLink(const std::string& link) override { links.push_back(link); }
  void ShowAboutWindow() override { ++about_shown; }
  void EndProgram() override { ended = true; }
  void NoteSilentFailure(std::string_view command, const Failure& failure) override;
  std::string HowToChooseReportsFolder() const override {
    return reports_folder_hint ? *reports_folder_hint
                               : PlatformServices::HowToChooseReportsFolder();
  }
  // What HowToChooseReportsFolder answers, when not the window's own words.
  std::optional<std::string> reports_folder_hint;
};

}  // namespace tabulon
