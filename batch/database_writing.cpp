// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/database_writing.h"

#include <ostream>

#include "thermodb/database_save.h"
#include "thermodb/file_snapshot.h"

namespace tabulon::batch {
namespace {

void Refused(TargetRefusal refusal, const std::string& problem, std::string_view command,
             std::ostream& err) {
  err << "tabulon-batch " << command << ": " << problem;
  if (refusal == TargetRefusal::Exists) err << " (--force replaces it)";
  err << '\n';
}

}  // namespace

bool TargetAllowed(const std::string& target, bool force, const std::vector<std::string>& inputs,
                   std::string_view command, std::ostream& err) {
  const TargetCheck check = CheckTarget(target, {force, inputs});
  if (check.refusal == TargetRefusal::None) return true;
  Refused(check.refusal, check.problem, command, err);
  return false;
}

bool SaveForCommand(const DatabaseOutput& output, const std::string& target, bool force,
                    const std::vector<std::string>& inputs, std::string_view command,
                    std::ostream& err) {
  const SaveOutcome outcome = SaveDatabase(output, target, {force, inputs});
  if (!outcome.saved) Refused(outcome.refusal, outcome.problem, command, err);
  return outcome.saved;
}

std::optional<std::string> ReadNamesFile(const std::string& path, std::string_view command,
                                         std::ostream& err) {
  const FileSnapshot file = FileSnapshot::Take(path);
  if (!file.Readable()) {
    err << "tabulon-batch " << command << ": cannot read " << path << ": " << file.ErrorText()
        << '\n';
    return std::nullopt;
  }
  return std::string(file.Bytes());
}

}  // namespace tabulon::batch
