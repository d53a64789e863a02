// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/frame_species.h"

namespace tabulon {

namespace {

// A name is as long as its line in the file; the caption keeps its start.
constexpr std::size_t kMostNameBytes = 100;

}  // namespace

std::string FrameSpeciesCaption(const DetailView& view) {
  if (view.outcome == DetailOutcome::NotShown) return {};
  std::string name = view.species.substr(0, kMostNameBytes);
  if (view.species.size() > kMostNameBytes) name += "...";
  std::string caption = "Shown: " + name + " (line " + std::to_string(view.line_number) + ")";
  if (view.outcome == DetailOutcome::Refused) caption += ", its temperatures refused";
  return caption;
}

void ClearFrameSpecies(const DatabaseSide& side) {
  side.species_label.SetCaption("");
}

}  // namespace tabulon
