// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/species_view.h"

namespace tabulon {

SpeciesView ViewOf(const ThermoRecord* found) {
  SpeciesView view;
  if (found == nullptr) return view;
  view.record = *found;
  if (!found->LimitsAccepted()) {
    view.outcome = DetailOutcome::Refused;
  } else if (found->Complete()) {
    view.outcome = DetailOutcome::Shown;
  }
  return view;
}

}  // namespace tabulon
