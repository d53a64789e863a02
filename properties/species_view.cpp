// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/species_view.h"

namespace tabulon {

SpeciesView ViewOf(const LookupResult& found) {
  SpeciesView view;
  if (found.status != LookupStatus::Found && found.status != LookupStatus::Incomplete) return view;
  const SpeciesRecord& lines = found.record;
  // An incomplete record is never shown, so how many of its lines were read does not matter.
  const int line_count = found.status == LookupStatus::Found ? kLinesPerRecord : 1;
  view.record = ParseThermoRecord({lines.line1, lines.line2, lines.line3, lines.line4}, line_count,
                                  found.line_number);
  if (!view.record.LimitsAccepted()) {
    view.outcome = DetailOutcome::Refused;
  } else if (view.record.Complete()) {
    view.outcome = DetailOutcome::Shown;
  }
  return view;
}

}  // namespace tabulon
