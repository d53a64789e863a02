// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/comparison_summary.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace tabulon {
namespace {

// The first record of every name, by name.
std::unordered_map<std::string_view, const ThermoRecord*> FirstRecords(const ThermoFile& file) {
  std::unordered_map<std::string_view, const ThermoRecord*> first;
  first.reserve(file.Records().size());
  for (const ThermoRecord& record : file.Records()) first.try_emplace(record.name, &record);
  return first;
}

DatabaseFacts FactsOf(const ThermoFile& file, std::size_t species) {
  const FileStamp& stamp = file.Snapshot().Stamp();
  return {file.Path(), std::int64_t(file.Snapshot().Bytes().size()), stamp.modified_ns,
          file.Records().size(), species};
}

// Names of `names` that `other` lacks, in byte order.
std::vector<std::string> OnlyIn(
    const std::unordered_map<std::string_view, const ThermoRecord*>& names,
    const std::unordered_map<std::string_view, const ThermoRecord*>& other) {
  std::vector<std::string> only;
  for (const auto& [name, record] : names) {
    if (!other.contains(name)) only.emplace_back(name);
  }
  std::sort(only.begin(), only.end());
  return only;
}

// A difference for ordering: one that is not a number sorts as the largest, so it is seen.
double OrderKey(double difference) {
  return std::isnan(difference) ? std::numeric_limits<double>::infinity() : difference;
}

bool DiffersAtAll(const Deviation& d) {
  return d.cp.max != 0 || d.h.max != 0 || d.s.max != 0 || d.g.max != 0;
}

}  // namespace

std::vector<std::size_t> RankDeviations(std::span<const DeviationRow> rows) {
  std::vector<std::size_t> ranking(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) ranking[i] = i;
  std::stable_sort(ranking.begin(), ranking.end(), [&rows](std::size_t x, std::size_t y) {
    const auto& a = rows[x].deviation;
    const auto& b = rows[y].deviation;
    if (a.has_value() != b.has_value()) return a.has_value();
    if (!a) return false;
    if (OrderKey(a->g.max) != OrderKey(b->g.max)) return OrderKey(a->g.max) > OrderKey(b->g.max);
    return OrderKey(a->cp.max) > OrderKey(b->cp.max);
  });
  return ranking;
}

DeviationMarks MarkDeviation(const TwoRangeNasa7& first, const TwoRangeNasa7& second,
                             const Deviation& d, const CheckTolerances& t) {
  const auto measure = [&](double (*jump)(const JoinSide&, const JoinSide&), int at) {
    const double kelvin = at;
    return jump(JoinSideOf(first.SetAt(kelvin), kelvin), JoinSideOf(second.SetAt(kelvin), kelvin));
  };
  // A measure that is not a number is marked: it must be seen.
  const auto above = [](double measure, double tolerance) { return !(measure <= tolerance); };
  return {above(measure(&CpJumpMeasure, d.cp.t), t.cp), above(measure(&HJumpMeasure, d.h.t), t.h),
          above(measure(&SJumpMeasure, d.s.t), t.s)};
}

ComparisonSummary SummarizeComparison(const ThermoFile& first, const ThermoFile& second,
                                      const SummaryOptions& options,
                                      const SummaryProgress& progress) {
  ComparisonSummary summary;
  summary.options = options;
  const auto names1 = FirstRecords(first), names2 = FirstRecords(second);
  summary.files = {FactsOf(first, names1.size()), FactsOf(second, names2.size())};
  summary.only_first = OnlyIn(names1, names2);
  summary.only_second = OnlyIn(names2, names1);

  // One measure of progress over the three stages: common names, then each file's records.
  const std::size_t common = names1.size() - summary.only_first.size();
  const std::size_t total = common + first.Records().size() + second.Records().size();
  std::size_t stage_start = 0;
  const auto report = [&](std::size_t done, std::size_t) {
    return !progress || progress(stage_start + done, total);
  };

  DeviationRun run = ScanDeviations(first.Records(), second.Records(), report, *options.units);
  summary.rows = std::move(run.rows);
  if (run.cancelled) {
    summary.cancelled = true;
    return summary;
  }
  for (int k = 0; k < 2; ++k) {
    stage_start = k == 0 ? common : common + first.Records().size();
    const ThermoFile& file = k == 0 ? first : second;
    summary.checks[std::size_t(k)] = CheckRecords(file.Records(), options.tolerances, report);
    if (summary.checks[std::size_t(k)].cancelled) {
      summary.cancelled = true;
      return summary;
    }
  }

  const auto& rows = summary.rows;
  summary.marks.reserve(rows.size());
  for (const DeviationRow& row : rows) {
    summary.marks.push_back(row.deviation ? MarkDeviation(TwoRangeNasa7::Of(*names1.at(row.name)),
                                                          TwoRangeNasa7::Of(*names2.at(row.name)),
                                                          *row.deviation, options.tolerances)
                                          : DeviationMarks{});
  }
  summary.ranking = RankDeviations(rows);
  for (const std::size_t i : summary.ranking) {
    if (summary.plotted.size() >= options.top) break;
    if (!rows[i].deviation || !DiffersAtAll(*rows[i].deviation)) continue;
    summary.plotted.push_back({i, names1.at(rows[i].name), names2.at(rows[i].name)});
  }
  if (progress) progress(total, total);
  return summary;
}

}  // namespace tabulon
