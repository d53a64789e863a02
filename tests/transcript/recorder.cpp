// SPDX-License-Identifier: GPL-3.0-or-later
// tabulon-transcript: drives the main window model through a script of user steps and writes a
// transcript of everything the user could observe: after each step, every control that changed
// (text or caption, visibility, colours, list items and selection), the shared values, every
// platform event in order (messages with title and icon, open-file dialogs, repaints, silent
// failures), the window's changes up to the repaint point, and every file of the work folder
// that was created or changed (the reports written out). Two builds of the window that give
// the same transcript for a script behave the same for its user.
//
//   tabulon-transcript --work DIR [--source DIR] [--corpus DIR] SCRIPT
//
// DIR must not exist; it is created and the script's files live there, named by relative
// paths, so transcripts do not depend on where they were recorded. Exit status 77: the script
// needs a corpus file that is not there (the caller skips it).
//
// Script lines (one step each; blank lines and lines starting with # are ignored; TEXT is the
// rest of the line, with \r, \n, \t, \\ and \xNN escapes):
//   write NAME TEXT        create or replace a file of the work folder
//   copy SOURCE NAME       copy examples/... (from --source) or corpus/... (from --corpus)
//   mkdir NAME | remove NAME
//   answer NAME | answer - the open-file dialog's next answer: a path, or a cancel
//   click CONTROL          CMD1 CMD2 CMD3 CMD4 AboutCmd QuitCMD
//   pick LIST TEXT         a user's click on the first item of LOS1..LOS5 equal to TEXT
//   type BOX TEXT          TXT1K TXT1KH TXT1KS TXT2K TXT2KH TXT2KS Ktxt Ktxt2 Ktxt3
//   check CK on|off        Ck1 Ck2
#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/model/main_window_model.h"
#include "app/model/platform_services.h"
#include "window_dump.h"

namespace fs = std::filesystem;

namespace tabulon::transcript {
namespace {

constexpr int kSkipped = 77;
// Reports up to this many lines are written whole; longer ones by their ends.
constexpr std::size_t kReportLines = 400;
constexpr std::size_t kReportHead = 60;
constexpr std::size_t kReportTail = 20;

struct ScriptError {
  std::string text;
  int status = 2;
};

// The platform services of the window, answering from the script and writing each event into
// the transcript together with the window's changes up to it.
class RecordingPlatform : public PlatformServices {
 public:
  explicit RecordingPlatform(std::ostream& out) : out_(out) {}

  void Watch(const MainWindowModel& window) {
    window_ = &window;
    last_ = DumpWindow(window);
  }
  void QueueAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }

  // Writes every state entry that differs from the last one written.
  void WriteChanges(const char* indent) {
    WindowState now = DumpWindow(*window_);
    for (std::size_t i = 0; i < now.size(); ++i) {
      if (i >= last_.size() || now[i] != last_[i]) {
        out_ << indent << now[i].first << " = " << now[i].second << '\n';
      }
    }
    last_ = std::move(now);
  }
  void WriteAll() {
    for (const auto& [key, value] : last_) out_ << "  " << key << " = " << value << '\n';
  }

  void ShowMessage(const Message& message) override {
    Event("message " + std::string(message.icon == MessageIcon::Error ? "error" : "information") +
          " title=" + Quoted(message.title) + " text=" + Quoted(message.text));
  }
  std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override {
    std::optional<std::string> answer;
    if (!answers_.empty()) {
      answer = std::move(answers_.front());
      answers_.pop_front();
    }
    Event("open-file dialog title=" + Quoted(request.title) + " filter=" + Quoted(request.filter) +
          " index=" + std::to_string(request.filter_index) + " folder=" +
          Quoted(request.initial_dir) + " answers " + (answer ? Quoted(*answer) : "cancel"));
    return answer;
  }
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initial_dir) override {
    Event("folder dialog title=" + Quoted(title) + " folder=" + Quoted(initial_dir) +
          " answers cancel");
    return std::nullopt;
  }
  // The one point inside a reaction where the window shows the model's state to the user.
  void LetWindowRepaint() override {
    WriteChanges("    ");
    Event("repaint");
  }
  void OpenLink(const std::string& link) override { Event("open link " + Quoted(link)); }
  void ShowAboutWindow() override { Event("About window shown"); }
  void EndProgram() override { Event("program ends"); }
  void NoteSilentFailure(std::string_view command, const Failure& failure) override {
    Event("silent failure of " + std::string(command) + ": " +
          std::string(FailureDescription(failure.Kind())) + " " + Quoted(failure.Detail()));
  }

 private:
  // Events are written in order. The window's state is written after each step and at the
  // repaint point only: a reaction may reach a message through other intermediate writes, as
  // long as the message, the repaint point and the final state are the same.
  void Event(const std::string& what) { out_ << "  > " << what << '\n'; }

  std::ostream& out_;
  const MainWindowModel* window_ = nullptr;
  WindowState last_;
  std::deque<std::optional<std::string>> answers_;
};

// The files of the work folder by content, to write what a step created, changed or removed.
class FolderWatch {
 public:
  explicit FolderWatch(std::ostream& out) : out_(out) {}

  void WriteChanges() {
    std::map<std::string, std::string> now;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
      if (!entry.is_regular_file()) continue;
      const std::string name = fs::relative(entry.path(), ".").generic_string();
      now[name] = ReadAll(entry.path());
    }
    for (const auto& [name, bytes] : now) {
      const auto before = hashes_.find(name);
      const std::string hash = HashText(bytes);
      if (before != hashes_.end() && before->second == hash) continue;
      out_ << "  file " << name << ": " << bytes.size() << " bytes, hash " << hash << '\n';
      const std::string file_name = fs::path(name).filename().string();
      if (file_name == "Comp.txt" || file_name == "Comp2.txt") WriteReport(bytes);
    }
    for (const auto& [name, hash] : hashes_) {
      if (!now.contains(name)) out_ << "  file " << name << " removed\n";
    }
    hashes_.clear();
    for (const auto& [name, bytes] : now) hashes_[name] = HashText(bytes);
  }

 private:
  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // A report line by line; each line ends in CR LF, so only other line ends are shown.
  void WriteReport(const std::string& bytes) {
    std::vector<std::string_view> lines;
    std::string_view rest = bytes;
    while (!rest.empty()) {
      const std::size_t end = rest.find("\r\n");
      if (end == std::string_view::npos) {
        lines.push_back(rest);  // a last line without CR LF is shown with its bytes quoted
        break;
      }
      lines.push_back(rest.substr(0, end));
      rest.remove_prefix(end + 2);
    }
    const bool whole = lines.size() <= kReportLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (!whole && i == kReportHead) {
        out_ << "    | ... " << lines.size() - kReportHead - kReportTail << " lines ...\n";
        i = lines.size() - kReportTail;
      }
      out_ << "    | " << Quoted(lines[i]) << '\n';
    }
    if (!bytes.empty() && !bytes.ends_with("\r\n")) out_ << "    | (no CR LF at the end)\n";
  }

  std::ostream& out_;
  std::map<std::string, std::string> hashes_;
};

std::string Unescaped(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char code = text[++i];
    switch (code) {
      case 'r':
        plain += '\r';
        break;
      case 'n':
        plain += '\n';
        break;
      case 't':
        plain += '\t';
        break;
      case 'x':
        if (i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
          plain += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
          i += 2;
          break;
        }
        [[fallthrough]];
      default:
        plain += code;
    }
  }
  return plain;
}

class ScriptRunner {
 public:
  ScriptRunner(std::ostream& out, fs::path source, fs::path corpus)
      : out_(out),
        source_(std::move(source)),
        corpus_(std::move(corpus)),
        platform_(out),
        folder_(out) {}

  void Start() {
    window_.Load();
    platform_.Watch(window_);
    out_ << "## window loaded\n";
    platform_.WriteAll();
    folder_.WriteChanges();
  }

  void Run(const std::string& line) {
    std::istringstream words(line);
    std::string command, target;
    words >> command;
    const std::size_t after_command = line.find(command) + command.size();
    words >> target;
    // TEXT: the rest after the target and one blank.
    std::string_view rest;
    const std::size_t target_at = line.find(target, after_command);
    if (!target.empty() && target_at + target.size() < line.size()) {
      rest = std::string_view(line).substr(target_at + target.size() + 1);
    }

    out_ << "## " << line << '\n';
    try {
      Act(command, target, rest, line);
    } catch (const ScriptError&) {
      throw;
    } catch (const std::exception& e) {
      // The window would lose this reaction's end; the transcript says so and goes on.
      platform_.WriteChanges("    ");
      out_ << "  > exception escaped the reaction: " << e.what() << '\n';
    }
    platform_.WriteChanges("  ");
    folder_.WriteChanges();
  }

 private:
  void Act(const std::string& command, const std::string& target, std::string_view rest,
           const std::string& line) {
    if (command == "write") {
      WriteFile(target, Unescaped(rest));
    } else if (command == "copy") {
      CopyFile(target, std::string(rest));
    } else if (command == "mkdir") {
      fs::create_directories(target);
    } else if (command == "remove") {
      fs::remove_all(target);
    } else if (command == "answer") {
      platform_.QueueAnswer(target == "-" ? std::nullopt : std::optional<std::string>(target));
    } else if (command == "click") {
      ButtonNamed(target).Click();
    } else if (command == "pick") {
      ListBox& list = ListNamed(target);
      const std::string name = Unescaped(rest);
      const std::vector<std::string>& items = list.Items();
      const auto hit = std::find(items.begin(), items.end(), name);
      if (hit == items.end()) {
        out_ << "  > the list holds no item " << Quoted(name) << " to click\n";
        return;
      }
      list.ClickAt(static_cast<int>(hit - items.begin()));
    } else if (command == "type") {
      BoxNamed(target).SetText(Unescaped(rest));
    } else if (command == "check") {
      CheckBox& box = target == "Ck1" ? window_.Ck1 : window_.Ck2;
      if (target != "Ck1" && target != "Ck2") throw ScriptError{"no check box " + target};
      box.SetChecked(rest == "on");
    } else {
      throw ScriptError{"unknown step: " + line};
    }
  }

  static void WriteFile(const std::string& name, const std::string& bytes) {
    if (fs::path(name).has_parent_path()) fs::create_directories(fs::path(name).parent_path());
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file << bytes;
  }

  void CopyFile(const std::string& source, const std::string& name) {
    fs::path from;
    if (source.starts_with("corpus/")) {
      from = corpus_ / source.substr(7);
      if (!fs::exists(from)) {
        throw ScriptError{"corpus file " + from.string() + " not found: skipped", kSkipped};
      }
    } else {
      from = source_ / source;
    }
    std::ifstream in(from, std::ios::binary);
    if (!in) throw ScriptError{"cannot read " + from.string()};
    WriteFile(name, std::string(std::istreambuf_iterator<char>(in), {}));
  }

  Button& ButtonNamed(const std::string& name) {
    for (Button* button : {&window_.CMD1, &window_.CMD2, &window_.CMD3, &window_.CMD4,
                           &window_.AboutCmd, &window_.QuitCMD}) {
      if (button->Name() == name) return *button;
    }
    throw ScriptError{"no button " + name};
  }
  ListBox& ListNamed(const std::string& name) {
    for (ListBox* list :
         {&window_.LOS1, &window_.LOS2, &window_.LOS3, &window_.LOS4, &window_.LOS5}) {
      if (list->Name() == name) return *list;
    }
    throw ScriptError{"no list " + name};
  }
  TextBox& BoxNamed(const std::string& name) {
    for (TextBox* box :
         {&window_.TXT1K, &window_.TXT1KH, &window_.TXT1KS, &window_.TXT2K, &window_.TXT2KH,
          &window_.TXT2KS, &window_.Ktxt, &window_.Ktxt2, &window_.Ktxt3}) {
      if (box->Name() == name) return *box;
    }
    throw ScriptError{"no text box " + name};
  }

  std::ostream& out_;
  fs::path source_;
  fs::path corpus_;
  RecordingPlatform platform_;
  FolderWatch folder_;
  MainWindowModel window_{platform_};
};

int Main(int argc, char** argv) {
  fs::path work, source = ".", corpus = "corpus", script;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "--work" || arg == "--source" || arg == "--corpus") && i + 1 < argc) {
      (arg == "--work" ? work : arg == "--source" ? source : corpus) = argv[++i];
    } else if (!arg.starts_with("--") && script.empty()) {
      script = arg;
    } else {
      script.clear();
      break;
    }
  }
  if (work.empty() || script.empty()) {
    std::cerr << "usage: tabulon-transcript --work DIR [--source DIR] [--corpus DIR] SCRIPT\n";
    return 2;
  }
  std::ifstream in(script);
  if (!in) {
    std::cerr << "cannot read " << script << '\n';
    return 2;
  }
  source = fs::absolute(source);
  corpus = fs::absolute(corpus);
  std::error_code error;
  if (fs::exists(work) || !fs::create_directories(work, error) || ::chdir(work.c_str()) != 0) {
    std::cerr << "the work folder " << work << " must be new and creatable\n";
    return 2;
  }

  std::ostringstream transcript;
  ScriptRunner runner(transcript, source, corpus);
  try {
    runner.Start();
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line.starts_with('#')) continue;
      runner.Run(line);
    }
  } catch (const ScriptError& e) {
    std::cerr << script.filename().string() << ": " << e.text << '\n';
    return e.status;
  }
  std::cout << transcript.str();
  return 0;
}

}  // namespace
}  // namespace tabulon::transcript

int main(int argc, char** argv) {
  return tabulon::transcript::Main(argc, argv);
}
