// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/field_reactions.h"

#include "common/leading_number.h"
#include "properties/evaluation.h"

namespace tabulon {
namespace {

// Writes the outcome in the order the boxes change: main result, second box, then - unless the
// evaluation failed - the out-of-range and zero-temperature texts.
void ShowOutcome(FieldState& field, FieldOutcome&& outcome) {
  if (outcome.main) field.result = std::move(*outcome.main);
  if (outcome.second) {
    field.second_shown = true;
    field.second = std::move(*outcome.second);
    field.second_red = outcome.second_red;
  }
  if (outcome.failure) return;
  if (outcome.out_of_range) {
    field.second_shown = false;
    field.result = "xxx";
  }
  if (outcome.zero_temperature) {
    field.second_shown = false;
    field.result.clear();
  }
}

// The temperature of a field's text. A report sets one text in field after field, so the last
// text read is kept with its value.
double FieldTemperature(std::string_view text) {
  thread_local std::string last_text;
  thread_local double last_value = 0;
  if (text != last_text) {
    last_value = LeadingNumber(text);  // may throw: nothing is kept then
    last_text = text;
  }
  return last_value;
}

}  // namespace

void DetailFields::React(Property property, const FieldSpecies* species,
                         std::vector<FieldFailure>& failures) {
  FieldState& field = (*this)[property];
  field.reacted = true;
  field.second_shown = false;
  field.second_red = false;
  if (species == nullptr) return;
  FieldOutcome outcome;
  try {
    // A temperature beyond the double range fails before anything is evaluated.
    outcome = EvaluateField(property, FieldTemperature(field.text), *species);
  } catch (const Failure& failure) {
    failures.push_back({property, failure});
    return;
  }
  const bool failed = outcome.failure.has_value();
  if (failed) failures.push_back({property, *outcome.failure});
  ShowOutcome(field, std::move(outcome));
  if (failed) return;
  if (property == Property::Cp) {
    const std::string text = field.text;
    SetText(Property::H, text, species, failures);
    SetText(Property::S, text, species, failures);
  }
}

void DetailFields::SetText(Property property, std::string_view text, const FieldSpecies* species,
                           std::vector<FieldFailure>& failures) {
  FieldState& field = (*this)[property];
  if (field.text == text) return;
  field.text = text;
  React(property, species, failures);
}

void DetailFields::Clear(const FieldSpecies* species, std::vector<FieldFailure>& failures) {
  for (Property property : {Property::Cp, Property::H, Property::S}) {
    SetText(property, "", species, failures);
    (*this)[property].second_shown = false;
    (*this)[property].result.clear();
  }
}

bool PlainStep(const FieldSpecies& species, std::string_view text, PlainOutcomes& outcomes) {
  const auto picks = [&species](double t) {
    return PickSet(t, species.t_low, species.t_high, species.t_mid);
  };
  if (picks(0).main != SetPick::Main::None) return false;
  double t = 0;
  try {
    t = FieldTemperature(text);
  } catch (const Failure&) {
    return false;
  }
  const SetPick pick = picks(t);
  if (pick.main == SetPick::Main::None || pick.out_of_range || pick.zero_temperature) {
    return false;
  }
  for (Property property : {Property::Cp, Property::H, Property::S}) {
    FieldOutcome& outcome = outcomes[static_cast<std::size_t>(property)];
    outcome = EvaluateField(property, t, species);
    if (outcome.failure) return false;
  }
  return true;
}

void DetailFields::TakePlainStep(std::string_view text, PlainOutcomes& outcomes) {
  // What each field's reaction writes, the cleared state before it leaving no trace.
  for (std::size_t k = 0; k < fields.size(); ++k) {
    FieldState& field = fields[k];
    field.text = text;
    field.result.clear();
    field.second_shown = false;
    field.second_red = false;
    field.reacted = true;
    ShowOutcome(field, std::move(outcomes[k]));
  }
}

}  // namespace tabulon
