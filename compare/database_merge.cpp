// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/database_merge.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "compare/database_check.h"
#include "thermodb/record_extent.h"

namespace tabulon {
namespace {

// The index of the first record of each name (the empty name left out: no lookup finds it).
std::unordered_map<std::string_view, std::size_t> FirstOfEachName(const ThermoFile& file) {
  std::unordered_map<std::string_view, std::size_t> first;
  const std::span<const ThermoRecord> records = file.Records();
  first.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (!records[i].name.empty()) first.try_emplace(records[i].name, i);
  }
  return first;
}

std::string Source(const ThermoFile& file, const ThermoRecord& record) {
  return file.Path() + " line " + std::to_string(record.line_number);
}

}  // namespace

MergeSummary MergeDatabases(const ThermoFile& first, const ThermoFile& second,
                            const MergeOptions& options, DatabaseEdit& edit) {
  const std::span<const ThermoRecord> ours = first.Records(), theirs = second.Records();
  const auto our_first = FirstOfEachName(first);
  const auto their_first = FirstOfEachName(second);
  MergeSummary summary;

  // DB #2's record of `name` when it can be merged; otherwise the problem is noted.
  const auto mergeable = [&](const std::string& name) -> const std::size_t* {
    const auto found = their_first.find(name);
    if (found == their_first.end()) {
      summary.problems.push_back(name + " is not in " + second.Path());
      return nullptr;
    }
    const ThermoRecord& record = theirs[found->second];
    if (OwnLineCount(record) != kLinesPerRecord) {
      summary.problems.push_back(Source(second, record) + ": " + name + " is incomplete");
      return nullptr;
    }
    return &found->second;
  };

  std::unordered_set<std::string_view> placed;  // names whose record DB #2 now gives
  std::vector<std::size_t> additions;
  for (const std::string& name : options.take) {
    if (placed.contains(name)) continue;
    const std::size_t* index = mergeable(name);
    if (!index) continue;
    placed.insert(theirs[*index].name);
    summary.taken.push_back(name);
    const std::string comment = "taken from " + Source(second, theirs[*index]);
    if (const auto mine = our_first.find(name); mine != our_first.end()) {
      edit.Replace(mine->second, second, *index, comment);
    } else {
      edit.AddBeforeEnd(second, *index, comment);
    }
  }
  if (options.add_missing) {
    for (const ThermoRecord& record : theirs) {
      const auto index = their_first.find(record.name);
      if (index == their_first.end() || &theirs[index->second] != &record) continue;
      if (our_first.contains(record.name) || placed.contains(record.name)) continue;
      if (!mergeable(record.name)) continue;
      placed.insert(record.name);
      summary.added.push_back(record.name);
      edit.AddBeforeEnd(second, index->second, "added from " + Source(second, record));
    }
  }
  if (options.drop_duplicates || options.drop_conflicting) {
    for (std::size_t i = 0; i < ours.size(); ++i) {
      const auto found = our_first.find(ours[i].name);
      if (found == our_first.end() || found->second == i) continue;
      const bool identical = RepeatDifferences(ours[i], ours[found->second]).empty();
      if (!identical && !options.drop_conflicting) continue;
      edit.Remove(i);
      summary.dropped_lines.push_back(ours[i].line_number);
    }
  }
  return summary;
}

SubsetSummary SubsetDatabase(const ThermoFile& source, const std::vector<std::string>& names,
                             DatabaseEdit& edit) {
  const std::unordered_set<std::string_view> wanted(names.begin(), names.end());
  std::unordered_set<std::string_view> found;
  const std::span<const ThermoRecord> records = source.Records();
  SubsetSummary summary;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string& name = records[i].name;
    if (!name.empty() && wanted.contains(name) && found.insert(name).second) {
      ++summary.kept;
    } else {
      edit.Remove(i);
    }
  }
  for (const std::string& name : names) {
    if (!found.contains(name)) summary.missing.push_back(name);
  }
  return summary;
}

}  // namespace tabulon
