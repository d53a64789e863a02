// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/frame_species.h"

#include "thermodb/thermo_record.h"

namespace tabulon {

namespace {

// A name is as long as its line in the file; the caption keeps its start.
constexpr std::size_t kMostNameBytes = 100;

}  // namespace

std::string FrameSpeciesCaption(const ThermoRecord& record, DetailOutcome outcome) {
  if (outcome == DetailOutcome::NotShown) return {};
  std::string name = record.name.substr(0, kMostNameBytes);
  if (record.name.size() > kMostNameBytes) name += "...";
  std::string caption = "Shown: " + name + " (line " + std::to_string(record.line_number) + ")";
  if (outcome == DetailOutcome::Refused) caption += ", its temperatures refused";
  return caption;
}

void ShowFrameSpecies(const DatabaseSide& side, const ThermoRecord& record, DetailOutcome outcome) {
  side.species_label.SetCaption(FrameSpeciesCaption(record, outcome));
}

void ClearFrameSpecies(const DatabaseSide& side) {
  side.species_label.SetCaption("");
}

}  // namespace tabulon
