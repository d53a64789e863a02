// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/temperature_field.h"

#include <array>
#include <string>

#include "app/model/main_window_model.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/message_text.h"
#include "properties/field_evaluation.h"

namespace tabulon {
namespace {

// One temperature field with the boxes it writes.
struct FieldBoxes {
  TextBox& field;
  TextBox& result;
  TextBox& second;
};

FieldBoxes BoxesOf(const DatabaseSide& side, Property property) {
  switch (property) {
    case Property::Cp:
      return {side.cp_field, side.cp_result, side.cp_second};
    case Property::H:
      return {side.h_field, side.h_result, side.h_second};
    case Property::S:
      break;
  }
  return {side.s_field, side.s_result, side.s_second};
}

// Writes the outcome in the order the boxes change: main result, second box, then the
// out-of-range and zero-temperature texts. A failure ends the writes where the evaluation
// stopped; it is then thrown for the reaction to handle.
void ShowOutcome(const FieldBoxes& boxes, const FieldOutcome& outcome) {
  if (outcome.main) boxes.result.SetText(*outcome.main);
  if (outcome.second) {
    boxes.second.SetVisible(true);
    boxes.second.SetText(*outcome.second);
    if (outcome.second_red) boxes.second.SetForeColour(Colour::Red);
  }
  if (outcome.failure) throw *outcome.failure;
  if (outcome.out_of_range) {
    boxes.second.SetVisible(false);
    boxes.result.SetText("xxx");
  }
  if (outcome.zero_temperature) {
    boxes.second.SetVisible(false);
    boxes.result.SetText("");
  }
}

void Recompute(const DatabaseSide& side, Property property, const FieldBoxes& boxes) {
  // The boxes are read now: they are what the user sees, DB #2's editable ones included.
  std::array<std::string, kCoefficientsPerRecord> texts;
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    texts[static_cast<std::size_t>(k)] = side.Coefficient(k).Text();
  }
  const FieldSpecies species{.t_low = LeadingNumber(side.t_low),
                             .t_high = LeadingNumber(side.t_high),
                             .t_mid = LeadingNumber(side.t_mid),
                             .texts = &texts,
                             .r_gas = side.window.common.RGas};
  ShowOutcome(boxes, EvaluateField(property, LeadingNumber(boxes.field.Text()), species));
  if (property == Property::Cp) {
    // Each assignment runs the H and then the S reaction in full before it returns.
    const std::string text = boxes.field.Text();
    side.h_field.SetText(text);
    side.s_field.SetText(text);
  }
}

}  // namespace

void RecomputeProperty(MainWindowModel& window, Db db, Property property) {
  const DatabaseSide side = SideOf(window, db);
  const FieldBoxes boxes = BoxesOf(side, property);
  window.THERMIMG.SetVisible(false);
  boxes.second.SetVisible(false);
  boxes.second.SetForeColour(Colour::ButtonText);
  // An empty a1 box means that no species is shown on this side.
  if (side.Coefficient(0).Text().empty()) return;
  try {
    Recompute(side, property, boxes);
  } catch (const Failure& failure) {
    // Everything written before the failure stays; only a division by zero is told.
    if (failure.Kind() == FailureKind::DivisionByZero) {
      window.platform.ShowMessage(Message{
          .text =
              MissingInformationText(db, property, failure.Description(), window.common.NewLine),
          .title = "Missing information...",
          .icon = MessageIcon::Error});
    } else {
      window.platform.NoteSilentFailure(boxes.field.Name(), failure);
    }
  }
}

std::string MissingInformationText(Db db, Property property, std::string_view description,
                                   std::string_view new_line) {
  constexpr std::string_view kMissing = "Some information is missing in your database.";
  constexpr std::string_view kCheck = "Please check your database content (see temperatures etc.)";
  constexpr std::string_view kClose = "Please, Close Tabulon first.";
  if (db == Db::Two && property == Property::S) {
    return ErrorMessageText(description, {kMissing, kCheck, "", kClose}, new_line);
  }
  return ErrorMessageText(description, {kMissing, kCheck, kClose}, new_line);
}

}  // namespace tabulon
