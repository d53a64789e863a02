// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/report_run.h"

#include <algorithm>
#include <utility>

#include "common/parallel_parts.h"
#include "compare/report_file.h"

namespace tabulon {

DetailViewRun::DetailViewRun(Db db, bool hf_asked, float r_gas, DetailFields fields)
    : db_(db), hf_asked_(hf_asked), r_gas_(r_gas), fields_(std::move(fields)) {}

ViewedRecord ViewedRecord::Of(const ThermoRecord* record) {
  ViewedRecord viewed{.record = record, .outcome = OutcomeOf(record)};
  viewed.a1_filled = viewed.outcome == DetailOutcome::Shown && !record->FieldEmpty(0);
  return viewed;
}

std::vector<const ThermoRecord*> FindRecords(const ThermoFile& file,
                                             std::span<const std::string> names) {
  std::vector<const ThermoRecord*> records(names.size());
  ForEachPart(names.size(), [&](std::size_t begin, std::size_t end) {
    const std::vector<const ThermoRecord*> part = file.FindAll(names.subspan(begin, end - begin));
    std::copy(part.begin(), part.end(), records.begin() + static_cast<std::ptrdiff_t>(begin));
  });
  return records;
}

std::vector<std::array<ViewedRecord, 2>> ViewedRecordPairs(const ThermoFile& one,
                                                           const ThermoFile& two,
                                                           std::span<const std::string> names) {
  std::vector<std::array<ViewedRecord, 2>> pairs(names.size());
  ForEachPart(names.size(), [&](std::size_t begin, std::size_t end) {
    const std::span<const std::string> part = names.subspan(begin, end - begin);
    const std::vector<const ThermoRecord*> ones = one.FindAll(part);
    const std::vector<const ThermoRecord*> twos = two.FindAll(part);
    for (std::size_t i = begin; i < end; ++i) {
      pairs[i] = {ViewedRecord::Of(ones[i - begin]), ViewedRecord::Of(twos[i - begin])};
    }
  });
  return pairs;
}

FieldSpecies ViewedRecord::Species(float r_gas) const {
  return FieldSpecies{.t_low = record->t_low,
                      .t_high = record->t_high,
                      .t_mid = record->t_mid,
                      .r_gas = r_gas,
                      .high = &record->high,
                      .low = &record->low};
}

void DetailViewRun::ShowRecord(std::string_view name, const ViewedRecord& viewed) {
  selected_ = true;
  name_ = name;
  record_ = viewed.record;
  view_.reset();
  // The fields evaluate a species only when a1's box holds a text; they evaluate the numbers
  // the boxes show (a text beyond the double range is NaN, which fails as the text would).
  species_in_boxes_ = viewed.a1_filled;
}

std::optional<FieldSpecies> DetailViewRun::FieldsSpecies() const {
  if (!species_in_boxes_) return std::nullopt;
  return ViewedRecord{.record = record_}.Species(r_gas_);
}

void DetailViewRun::Select(std::string_view name, const ViewedRecord& viewed,
                           std::vector<RunEvent>& events) {
  ShowRecord(name, viewed);
  if (viewed.outcome == DetailOutcome::Refused) {
    events.push_back({RunEvent::Kind::Refused, db_, std::nullopt});
  }
  std::vector<FieldFailure> failures;
  const std::optional<FieldSpecies> species = FieldsSpecies();
  fields_.Clear(species ? &*species : nullptr, failures);
  AddFailures(failures, events);
}

DetailView& DetailViewRun::View() {
  if (!view_) view_ = DetailViewOf(record_, hf_asked_);
  return *view_;
}

DetailViewEnd DetailViewRun::End() const {
  if (!view_) view_ = DetailViewOf(record_, hf_asked_);
  return DetailViewEnd{.selected = name_, .view = *view_, .record = record_, .fields = fields_};
}

void DetailViewRun::SetCpField(std::string_view text, std::vector<RunEvent>& events) {
  std::vector<FieldFailure> failures;
  const std::optional<FieldSpecies> species = FieldsSpecies();
  fields_.SetText(Property::Cp, text, species ? &*species : nullptr, failures);
  AddFailures(failures, events);
}

void DetailViewRun::TakePlainStep(std::string_view name, const ViewedRecord& viewed,
                                  std::string_view cp_text, PlainOutcomes& outcomes) {
  // A species whose fields evaluate is shown, never refused.
  ShowRecord(name, viewed);
  fields_.TakePlainStep(cp_text, outcomes);
}

void DetailViewRun::AddFailures(std::vector<FieldFailure>& failures,
                                std::vector<RunEvent>& events) const {
  for (FieldFailure& failure : failures) {
    events.push_back({RunEvent::Kind::FieldFailed, db_, std::move(failure)});
  }
}

}  // namespace tabulon

namespace tabulon {

void ReportRunResult::NotWritten(const ReportFailure& failure) {
  this->failure = Failure(FailureKind::FileFailure, failure.Reason());
  report_file_failed = true;
}

ReportRunResult RunReport(std::array<DetailViewRun, 2>& views,
                          const std::function<void(ReportRunResult&)>& write) {
  ReportRunResult result;
  try {
    write(result);
  } catch (const ReportFailure& failure) {
    result.NotWritten(failure);
  } catch (const Failure& failure) {
    result.failure = failure;
  }
  if (views[0].Selected()) result.views = {views[0].End(), views[1].End()};
  return result;
}

void CloseReport(ReportFile& file, ReportRunResult& run) {
  if (run.failure) return;
  try {
    file.Close();
  } catch (const ReportFailure& failure) {
    run.NotWritten(failure);
  }
}

}  // namespace tabulon
