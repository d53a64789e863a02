#include "batch/batch_session.h"

#include <algorithm>
#include <ostream>
#include <string_view>

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
  window_.Load();
}

bool BatchSession::Load(Db db, const std::string& path) {
  Button& load = db == Db::One ? window_.CMD1 : window_.CMD2;
  const std::size_t failures_before = platform_.silent_failures.size();
  platform_.file_answers.clear();
  platform_.file_answers.push_back(path);
  load.Click();
  // Only the load's own failure counts; the reactions it runs may note theirs too.
  const auto& failures = platform_.silent_failures;
  const auto own =
      std::find_if(failures.rbegin(), failures.rend() - failures_before,
                   [&](const auto& failure) { return failure.command == load.Name(); });
  if (own == failures.rend() - failures_before) return true;
  const ScriptedPlatform::SilentFailure& failure = *own;
  err_ << "cannot load " << path << ": "
       << (failure.detail.empty() ? std::string(FailureDescription(failure.kind)) : failure.detail)
       << '\n';
  return false;
}

}  // namespace tabulon::batch
