// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/species_view.h"

namespace tabulon {

DetailOutcome OutcomeOf(const ThermoRecord* record) {
  if (record == nullptr) return DetailOutcome::NotShown;
  if (!record->LimitsAccepted()) return DetailOutcome::Refused;
  return record->Complete() ? DetailOutcome::Shown : DetailOutcome::NotShown;
}

DetailView DetailViewOf(DetailOutcome outcome, const ThermoRecord& record, bool hf_asked) {
  DetailView view;
  view.outcome = outcome;
  if (outcome == DetailOutcome::NotShown) return view;
  // A refused species shows its limits, so the user sees why, and no coefficients, so nothing
  // is ever computed from another species' coefficients under its name.
  view.limits = record.LimitTexts();
  if (outcome == DetailOutcome::Refused) return view;
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    view.coefficients[static_cast<std::size_t>(k)] = record.CoefficientText(k);
  }
  if (hf_asked) view.hf = record.HfText();
  return view;
}

DetailView DetailViewOf(const ThermoRecord* record, bool hf_asked) {
  const DetailOutcome outcome = OutcomeOf(record);
  return outcome == DetailOutcome::NotShown ? DetailView{}
                                            : DetailViewOf(outcome, *record, hf_asked);
}

}  // namespace tabulon
