// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/database_side.h"
#include "properties/field_evaluation.h"
#include "properties/field_reactions.h"

namespace tabulon {

class MainWindowModel;

// The change reaction of a temperature field (TXT1K, TXT1KH, TXT1KS and their DB #2 twins):
// evaluates the property of the species shown on that side at the field's temperature into its
// result box; at the common temperature it also shows the low set's value in the second box,
// red when the two texts differ. A Cp field then passes its text to the H and the S field of
// its side, whose reactions run before the assignment returns. A division by zero is told with
// the "Missing information..." message; other failures end the reaction silently. The reactions
// themselves are DetailFields'; this adapts them to the side's boxes.
void RecomputeProperty(MainWindowModel& window, Db db, Property property);

// The side's three temperature fields and their boxes, as values.
DetailFields FieldsOf(const DatabaseSide& side);
// Writes the fields back into the side's boxes. A field's text is set without running its
// reaction (DetailFields has run it); a second box takes its colour only when its field's
// reaction ran.
void ShowFields(const DatabaseSide& side, const DetailFields& fields);

// The species the side's coefficient boxes and limit texts hold, as the temperature fields
// read them at each evaluation (the boxes may have been edited on screen).
class SpeciesInBoxes {
 public:
  explicit SpeciesInBoxes(const DatabaseSide& side);
  SpeciesInBoxes(const SpeciesInBoxes&) = delete;
  SpeciesInBoxes& operator=(const SpeciesInBoxes&) = delete;
  // Null when no species is shown (a1's box is empty).
  const FieldSpecies* Get() const { return shown_ ? &species_ : nullptr; }

 private:
  std::array<std::string, kCoefficientsPerRecord> texts_;
  FieldSpecies species_;
  bool shown_ = false;
};

// Tells the failures of the side's field reactions, in order: a division by zero with the
// "Missing information..." message, the others silently.
void TellFieldFailures(MainWindowModel& window, Db db, const std::vector<FieldFailure>& failures);

// The text of the "Missing information..." message of a field; `description` is the first line.
// The message of TXT2KS has an empty line before its last line.
std::string MissingInformationText(Db db, Property property, std::string_view description,
                                   std::string_view new_line);

}  // namespace tabulon
