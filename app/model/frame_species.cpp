// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/frame_species.h"

#include "thermodb/record_summary.h"

namespace tabulon {

namespace {

// A name is as long as its line in the file; the caption keeps its start.
constexpr std::size_t kMostNameBytes = 100;

}  // namespace

std::string FrameSpeciesCaption(DetailOutcome outcome, const ThermoRecord* record) {
  if (outcome == DetailOutcome::NotShown || record == nullptr) return {};
  std::string caption = record->name.substr(0, kMostNameBytes);
  if (record->name.size() > kMostNameBytes) caption += "...";
  caption += " (line " + std::to_string(record->line_number) + ")  " + RecordSummaryText(*record);
  if (outcome == DetailOutcome::Refused) caption += ", its temperatures refused";
  return caption;
}

void ClearFrameSpecies(const DatabaseSide& side) {
  side.species_label.SetCaption("");
}

}  // namespace tabulon
