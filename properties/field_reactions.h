// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "properties/field_evaluation.h"

namespace tabulon {

// A temperature field of a detail view (TXT1K, TXT1KH, TXT1KS or a DB #2 twin) with the two
// boxes it writes, as values.
struct FieldState {
  std::string text;    // the temperature typed or set
  std::string result;  // the result box (TXT1CP, ...)
  std::string second;  // the second box (TXT1CPBis, ...): keeps its text while hidden
  bool second_shown = false;
  bool second_red = false;  // red: the two sets disagree at the common temperature
  bool reacted = false;     // the reaction ran, so the second box's colour is its own
};

// What the reactions of the Cp, H and S fields evaluate in a plain step (PlainStep).
using PlainOutcomes = std::array<FieldOutcome, 3>;

// Works out into `outcomes` what clearing the fields and then setting the Cp field's text to
// `text` does for a species in the boxes, where that step is plain: clearing evaluates nothing
// (T = 0 picks no set), and the text's temperature lies inside the range and away from 0, where
// Cp, H and S all evaluate. The fields then hold the text and what the three reactions write,
// whatever they held before, and nothing has failed. Returns false where the step is not plain
// (`outcomes` then means nothing). A report showing thousands of species takes this step for
// nearly all of them; it reads no field, so any thread may work it out, into room kept from
// species to species.
bool PlainStep(const FieldSpecies& species, std::string_view text, PlainOutcomes& outcomes);

// A failure that ended a field's reaction. The window tells a division by zero with a message
// and passes over the others.
struct FieldFailure {
  Property property;
  Failure failure;
};

// The three temperature fields of one detail view (Cp, H, S) and their change reactions, run
// on values exactly as the window runs them on its boxes, so that the window's reactions and a
// report that follows many species through the fields share one statement of them.
//
// A reaction hides the field's second box and resets its colour; with a species in the boxes
// (`species` not null) it evaluates the field's temperature into the boxes (EvaluateField: the
// main result, at the common temperature the second box, red when the texts differ, then "xxx"
// outside the range and the empty text at T = 0). A Cp field then passes its text to the H and
// then the S field, each of whose reactions runs when its text changes. A failure ends that one
// reaction where it occurred (what was written stays) and is added to `failures`; a Cp
// reaction that failed passes nothing on.
struct DetailFields {
  std::array<FieldState, 3> fields;  // Cp, H, S

  FieldState& operator[](Property property) { return fields[static_cast<std::size_t>(property)]; }
  const FieldState& operator[](Property property) const {
    return fields[static_cast<std::size_t>(property)];
  }

  // The reaction of a field whose text has just changed.
  void React(Property property, const FieldSpecies* species, std::vector<FieldFailure>& failures);
  // Sets a field's text; its reaction runs when the text changes.
  void SetText(Property property, std::string_view text, const FieldSpecies* species,
               std::vector<FieldFailure>& failures);
  // What showing a species does to the fields, after its boxes are filled: Cp, then H, then S
  // emptied (each one's reaction running when it held text), each followed by its second box
  // hidden and its result box emptied.
  void Clear(const FieldSpecies* species, std::vector<FieldFailure>& failures);
  // Clear and then SetText(Cp, text) for the species for which PlainStep gave `outcomes`.
  void TakePlainStep(std::string_view text, PlainOutcomes& outcomes);
};

}  // namespace tabulon
