// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/compare_sets.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "app/model/main_window_model.h"
#include "common/number_text.h"

namespace tabulon {

namespace {

using NameCounts = std::unordered_map<std::string_view, std::size_t>;

NameCounts CountNames(std::span<const std::string> names) {
  NameCounts counts;
  counts.reserve(names.size());
  for (const std::string& name : names) ++counts[name];
  return counts;
}

// The first `count` entries of a species list: the entries that the comparison takes in.
// Loading keeps the count equal to the list's size.
std::span<const std::string> Entries(const ListBox& list, int count) {
  const std::vector<std::string>& items = list.Items();
  return std::span(items).first(std::min(items.size(), static_cast<std::size_t>(count)));
}

// One database's side of the comparison: LOS1 into LOS4, or LOS2 into LOS5.
struct OneSidedList {
  std::span<const std::string> entries;
  ListBox& list;
  Count16& count;
  bool& ready;
  Label& count_label;
};

void Fill(const OneSidedList& side) {
  side.list.AddItems({side.entries.begin(), side.entries.end()});
  side.count = Count16(side.count.Value() + static_cast<int>(side.entries.size()));
}

// Fills the list with the entries and then removes those the common list holds: the entries
// that are left are added, without the others (the entries are in the list's order already).
void FillPruned(const OneSidedList& side, const ListBox& common) {
  const Pruning pruning = PruneOneSided(side.entries, common.Items());
  std::vector<std::string> left;
  left.reserve(side.entries.size() - pruning.removed.size());
  auto removed = pruning.removed.begin();
  for (std::size_t i = 0; i < side.entries.size(); ++i) {
    if (removed != pruning.removed.end() && *removed == static_cast<int>(i)) {
      ++removed;
      continue;
    }
    left.push_back(side.entries[i]);
  }
  side.list.AddItems(std::move(left));
  side.count =
      Count16(side.count.Value() + static_cast<int>(side.entries.size() - pruning.removed.size()));
  if (pruning.failed_entry) {
    throw RepeatedNameFailure(side.entries[static_cast<std::size_t>(*pruning.failed_entry)]);
  }
}

void ShowCount(const OneSidedList& side) {
  if (side.count != 0) side.ready = true;
  side.count_label.SetCaption(CountCaption(side.count));
}

}  // namespace

RepeatedNameFailure::RepeatedNameFailure(std::string name)
    : Failure(FailureKind::InvalidListPosition, "species " + name + " stands more than once"),
      name_(std::move(name)) {}

std::vector<int> CommonMatches(std::span<const std::string> list1,
                               std::span<const std::string> list2, std::size_t limit) {
  const NameCounts in_list2 = CountNames(list2);
  std::vector<int> matches;
  for (std::size_t i = 0; i < list1.size() && matches.size() < limit; ++i) {
    auto found = in_list2.find(list1[i]);
    if (found == in_list2.end()) continue;
    const std::size_t copies = std::min(found->second, limit - matches.size());
    matches.insert(matches.end(), copies, static_cast<int>(i));
  }
  return matches;
}

// When entry i is reached after k removals, the list holds the i - k entries before i that are
// still there, then entry i itself at position i - k, then the untouched entries after it. So
// the first removal for entry i takes entry i, and each further one the nearest surviving entry
// before it: the survivors behave as a stack. A removal from the empty stack is the position
// below 0.
Pruning PruneOneSided(std::span<const std::string> list, std::span<const std::string> common) {
  const NameCounts in_common = CountNames(common);
  std::vector<int> survivors;
  std::vector<bool> removed(list.size(), false);
  Pruning pruning;
  for (std::size_t i = 0; i < list.size() && !pruning.failed_entry; ++i) {
    survivors.push_back(static_cast<int>(i));
    auto found = in_common.find(list[i]);
    std::size_t removals = found == in_common.end() ? 0 : found->second;
    for (; removals > 0 && !survivors.empty(); --removals) {
      removed[static_cast<std::size_t>(survivors.back())] = true;
      survivors.pop_back();
    }
    if (removals > 0) pruning.failed_entry = static_cast<int>(i);
  }
  for (std::size_t i = 0; i < removed.size(); ++i) {
    if (removed[i]) pruning.removed.push_back(static_cast<int>(i));
  }
  return pruning;
}

void CompareSets(MainWindowModel& window) {
  CommonValue& common = window.common;
  const std::span<const std::string> list1 = Entries(window.LOS1, common.DB1Count);
  const std::span<const std::string> list2 = Entries(window.LOS2, common.DB2Count);

  if (common.DB1Loaded && common.DB2Loaded) {
    // One match past the limit, so that the count fails where the entry-by-entry run fails:
    // with that match in the list, and the count at the limit.
    const std::vector<int> matches = CommonMatches(list1, list2, Count16::kMax + 1);
    std::vector<std::string> names;
    names.reserve(matches.size());
    for (int i : matches) names.push_back(list1[static_cast<std::size_t>(i)]);
    window.LOS3.AddItems(std::move(names));
    common.CommonReady = common.CommonReady || !matches.empty();
    const int counted = std::min<int>(static_cast<int>(matches.size()), Count16::kMax);
    common.CommonCount = Count16(common.CommonCount.Value() + counted);
    if (matches.size() > static_cast<std::size_t>(Count16::kMax)) ++common.CommonCount;
  }
  window.List3Nbr.SetCaption(CountCaption(common.CommonCount));
  common.Only1Count = 0;
  common.Only2Count = 0;

  const OneSidedList only1{list1, window.LOS4, common.Only1Count, common.Only1Ready,
                           window.List4Nbr};
  const OneSidedList only2{list2, window.LOS5, common.Only2Count, common.Only2Ready,
                           window.List5Nbr};
  if (common.CommonCount == 0) {
    Fill(only1);
    ShowCount(only1);
    Fill(only2);
    ShowCount(only2);
    return;
  }
  FillPruned(only1, window.LOS3);
  window.msglbl1.SetCaption("Job in progress...");
  window.platform.LetWindowRepaint();
  ShowCount(only1);
  FillPruned(only2, window.LOS3);
  ShowCount(only2);
}

}  // namespace tabulon
