// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/report_run.h"

#include <utility>

#include "compare/report_file.h"

namespace tabulon {

DetailViewRun::DetailViewRun(Db db, bool hf_asked, float r_gas, DetailFields fields)
    : db_(db), hf_asked_(hf_asked), r_gas_(r_gas), fields_(std::move(fields)) {}

void DetailViewRun::Select(std::string_view name, const ThermoRecord* record,
                           std::vector<RunEvent>& events) {
  selected_ = true;
  name_ = name;
  record_ = record;
  view_.reset();
  const DetailOutcome outcome = OutcomeOf(record);
  if (outcome == DetailOutcome::Refused) {
    events.push_back({RunEvent::Kind::Refused, db_, std::nullopt});
  }
  // The fields evaluate a species only when a1's box holds a text; they evaluate the numbers
  // the boxes show (a text beyond the double range is NaN, which fails as the text would).
  species_in_boxes_ = outcome == DetailOutcome::Shown && !record->Field(0).empty();
  if (species_in_boxes_) {
    species_ = FieldSpecies{.t_low = record->t_low,
                            .t_high = record->t_high,
                            .t_mid = record->t_mid,
                            .r_gas = r_gas_,
                            .high = &record->high,
                            .low = &record->low};
  }
  std::vector<FieldFailure> failures;
  fields_.Clear(species_in_boxes_ ? &species_ : nullptr, failures);
  AddFailures(failures, events);
}

DetailView& DetailViewRun::View() {
  if (!view_) view_ = DetailViewOf(record_, hf_asked_);
  return *view_;
}

DetailViewEnd DetailViewRun::End() const {
  if (!view_) view_ = DetailViewOf(record_, hf_asked_);
  return DetailViewEnd{.selected = name_, .view = *view_, .fields = fields_};
}

void DetailViewRun::SetCpField(std::string_view text, std::vector<RunEvent>& events) {
  std::vector<FieldFailure> failures;
  fields_.SetText(Property::Cp, text, species_in_boxes_ ? &species_ : nullptr, failures);
  AddFailures(failures, events);
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

}  // namespace tabulon
