// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/merge_marks.h"

#include <algorithm>

#include "thermodb/thermo_file_pair.h"

namespace tabulon {

bool MergeMarks::Current() const {
  return db1_ == common_.DB1Path && db2_ == common_.DB2Path;
}

void MergeMarks::Follow() {
  if (Current()) return;
  db1_ = common_.DB1Path;
  db2_ = common_.DB2Path;
  taken_.clear();
  add_only_ = false;
}

void MergeMarks::ToggleTake(const std::vector<std::string>& names) {
  Follow();
  const bool all_marked = std::all_of(names.begin(), names.end(),
                                      [this](const std::string& n) { return taken_.contains(n); });
  for (const std::string& name : names) {
    if (all_marked) {
      taken_.erase(name);
    } else {
      taken_.insert(name);
    }
  }
  ++revision_;
}

void MergeMarks::SetAddOnly(bool add) {
  Follow();
  add_only_ = add;
  ++revision_;
}

void MergeMarks::Clear() {
  taken_.clear();
  add_only_ = false;
  ++revision_;
}

bool MergeMarks::Taken(std::string_view name) const {
  return Current() && taken_.contains(name);
}

bool MergeMarks::AddsOnly() const {
  return Current() && add_only_;
}

std::vector<std::string> MergeMarks::TakenNames() const {
  if (!Current()) return {};
  return {taken_.begin(), taken_.end()};
}

MergeOptions MergeMarks::Options() const {
  return {.take = TakenNames(), .add_missing = AddsOnly()};
}

MergedSave SaveMergedDatabase(const CommonValue& common, const MergeMarks& marks,
                              const std::string& target, bool replace_existing) {
  const SaveRules rules{replace_existing, {common.DB1Path, common.DB2Path}};
  if (const TargetCheck check = CheckTarget(target, rules); check.refusal != TargetRefusal::None) {
    return {{false, check.refusal, check.problem}, {}};
  }
  const auto [first, second] = ReadThermoFilePair(common.DB1Path, common.DB2Path);
  for (const ThermoFile* file : {&first, &second}) {
    if (!file->Outcome().Succeeded()) {
      return {{false, TargetRefusal::None,
               "cannot load " + file->Path() + ": " + file->Outcome().problem},
              {}};
    }
  }
  DatabaseEdit edit(first);
  MergedSave result;
  result.summary = MergeDatabases(first, second, marks.Options(), edit);
  result.saved = SaveDatabase(edit.Build(), target, rules);
  return result;
}

}  // namespace tabulon
