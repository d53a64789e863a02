// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/failure.h"

namespace tabulon {

class MainWindowModel;

// The pruning of LOS4 or LOS5 called for a removal before the first position: a name stands
// more than once in one database and also in the other. `name` is the LOS3 entry whose match
// called for that removal; the user has to rename that species.
class RepeatedNameFailure : public Failure {
 public:
  explicit RepeatedNameFailure(std::string name);
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

// The set comparison of CMD3: fills LOS3 with the names that both lists hold, LOS4 and LOS5
// with the names of one list minus what the pruning against LOS3 removes, and sets the counts,
// ready flags and count captions (with the "Job in progress..." caption and a repaint between
// the two prunings). Expects LOS3 to LOS5 empty, the ready flags cleared and CommonCount 0.
// Throws RepeatedNameFailure, and Failure(Overflow) when LOS3 would pass 32767 entries; the
// lists, counts and captions then stay as they were at that point.
void CompareSets(MainWindowModel& window);

// The matching of the two lists (each in its sorted list order): the position in `list1` of
// every entry to append to LOS3, in order. Entry i is taken once for each equal entry of
// `list2` (exact byte comparison), so a name standing m times in list1 and n times in list2
// gives m*n entries. Stops after `limit` entries.
std::vector<int> CommonMatches(std::span<const std::string> list1,
                               std::span<const std::string> list2, std::size_t limit);

// The pruning of a one-sided list that starts as a copy of `list`: for each entry i in order,
// one removal per LOS3 entry equal to it, each at position i - k after k earlier removals.
struct Pruning {
  std::vector<int> removed;         // positions of `list` removed, ascending
  std::optional<int> failed_entry;  // the entry whose removal fell below position 0
};
Pruning PruneOneSided(std::span<const std::string> list, std::span<const std::string> common);

}  // namespace tabulon
