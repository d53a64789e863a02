// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/common_value.h"
#include "compare/database_merge.h"
#include "thermodb/database_save.h"

namespace tabulon {

// The species the user marked for a merged database of the two loaded files: common species
// whose record DB #2 gives (Take from DB #2), and whether DB #2's only species are added (Add
// DB #2's only species). The marks belong to the pair of files loaded when they were made:
// once another file is loaded on either side they are gone.
class MergeMarks {
 public:
  explicit MergeMarks(const CommonValue& common) : common_(common) {}

  // Marks `names` to be taken from DB #2; when every one of them is marked already, unmarks
  // them instead (the same command undoes itself).
  void ToggleTake(const std::vector<std::string>& names);
  // Marks (or unmarks) every species that only DB #2 holds.
  void SetAddOnly(bool add);
  void Clear();

  bool Taken(std::string_view name) const;
  bool AddsOnly() const;
  // The species to take, in byte order of their names.
  std::vector<std::string> TakenNames() const;
  bool Empty() const { return TakenNames().empty() && !AddsOnly(); }
  // Grows with every change of the marks, so a view knows when to show them again.
  std::uint64_t Revision() const { return revision_; }

  // The merge the marks ask for, as the batch command's options.
  MergeOptions Options() const;

 private:
  // Whether the marks were made for the files loaded now.
  bool Current() const;
  void Follow();

  const CommonValue& common_;
  std::string db1_, db2_;
  std::set<std::string, std::less<>> taken_;
  bool add_only_ = false;
  std::uint64_t revision_ = 0;
};

struct MergedSave {
  SaveOutcome saved;
  MergeSummary summary;
};

// Writes the merged database the marks ask for to `target`: DB #1 read as it is on disk now,
// with the marked species taken from DB #2 (and DB #2's only species added), never over either
// loaded database.
MergedSave SaveMergedDatabase(const CommonValue& common, const MergeMarks& marks,
                              const std::string& target, bool replace_existing);

}  // namespace tabulon
