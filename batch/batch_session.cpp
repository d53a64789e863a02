// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_session.h"

#include <future>
#include <memory>
#include <ostream>
#include <string_view>

#include "app/model/database_loader.h"

namespace tabulon::batch {

void PrintMessage(std::ostream& out, const Message& message) {
  out << message.title << '\n';
  std::string_view text = message.text;
  // Message lines are joined by CR LF; a lone CR or LF also ends a line.
  while (true) {
    std::size_t end = text.find_first_of("\r\n");
    out << "  " << text.substr(0, end) << '\n';
    if (end == std::string_view::npos) break;
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    text.remove_prefix(next);
  }
}

BatchSession::BatchSession(std::ostream& err) : err_(err) {
  platform_.on_message = [this](const Message& message) { PrintMessage(err_, message); };
  platform_.reports_folder_hint =
      "To write the reports elsewhere, give tabulon-batch compare a folder with --out-dir DIR.";
  window_.Load();
}

bool BatchSession::Load(Db db, const std::string& path) {
  // The load of CMD1 / CMD2 with `path` chosen; a failure shows its message, which goes to
  // `err`, and leaves the window as it was.
  return LoadDatabase(window_, db, path) == LoadOutcome::Loaded;
}

bool BatchSession::LoadBoth(const std::string& path1, const std::string& path2) {
  std::future<DatabaseRead> second = std::async(std::launch::async, ReadDatabase, path2);
  DatabaseRead first = ReadDatabase(path1);
  const bool loaded1 =
      LoadDatabase(window_, Db::One, path1, std::move(first)) == LoadOutcome::Loaded;
  const bool loaded2 = LoadDatabase(window_, Db::Two, path2, second.get()) == LoadOutcome::Loaded;
  return loaded1 && loaded2;
}

}  // namespace tabulon::batch
