// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/failure.h"

namespace tabulon {

enum class MessageIcon { Information, Error };

// A modal message box with one OK button.
struct Message {
  std::string text;  // lines joined by NewLine
  std::string title;
  MessageIcon icon;
};

// The four settings of the open-file dialog.
struct OpenFileRequest {
  std::string title;
  std::string filter;    // "Caption|pattern|Caption|pattern|..."
  int filter_index = 1;  // the preselected filter, counted from 1
  std::string initial_dir;
};

// What the logic needs from the desktop, behind one interface: the Qt window provides the real
// services, tests and tabulon-batch a scripted set.
class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // Shows the message and returns when the user has closed it.
  virtual void ShowMessage(const Message& message) = 0;
  // The full path of the chosen file, or nullopt when the user cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) = 0;
  // The full path of a folder the user chose, starting in `initial_dir`; nullopt when the user
  // cancelled.
  virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                  const std::string& initial_dir) = 0;
  // A database file was loaded (never told of a load that failed): the window offers it among
  // the recent files and opens its next dialog in its folder.
  virtual void DatabaseLoaded(const std::string& path) { (void)path; }
  // Lets the window repaint in the middle of a reaction (paint events only; user input waits).
  virtual void LetWindowRepaint() = 0;
  // Hands a mail or web link to the desktop's default program; failures are silent.
  virtual void OpenLink(const std::string& link) = 0;
  // Shows the About window modally and returns when it is closed.
  virtual void ShowAboutWindow() = 0;
  // Ends the program at once, without a question.
  virtual void EndProgram() = 0;
  // How the user chooses another folder for the reports, told when a report cannot be written
  // where it is: the window names its chooser, tabulon-batch its option.
  virtual std::string HowToChooseReportsFolder() const {
    return "To write the reports elsewhere, choose a folder with \"Reports folder\" at the top "
           "right of the comparison frame.";
  }
  // A command ended through its failure path without a message to the user. The window stays
  // silent, as its users expect; tabulon-batch prints the reason.
  virtual void NoteSilentFailure(std::string_view command, const Failure& failure) {
    (void)command;
    (void)failure;
  }
};

}  // namespace tabulon
