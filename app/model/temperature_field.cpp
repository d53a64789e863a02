// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/temperature_field.h"

#include "app/model/main_window_model.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/message_text.h"

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

constexpr Property kProperties[] = {Property::Cp, Property::H, Property::S};

}  // namespace

DetailFields FieldsOf(const DatabaseSide& side) {
  DetailFields fields;
  for (Property property : kProperties) {
    const FieldBoxes boxes = BoxesOf(side, property);
    fields[property] = FieldState{.text = boxes.field.Text(),
                                  .result = boxes.result.Text(),
                                  .second = boxes.second.Text(),
                                  .second_shown = boxes.second.Visible(),
                                  .second_red = boxes.second.ForeColour() == Colour::Red};
  }
  return fields;
}

void ShowFields(const DatabaseSide& side, const DetailFields& fields) {
  for (Property property : kProperties) {
    const FieldBoxes boxes = BoxesOf(side, property);
    const FieldState& state = fields[property];
    boxes.field.SetTextWithoutReaction(state.text);
    boxes.result.SetText(state.result);
    boxes.second.SetText(state.second);
    boxes.second.SetVisible(state.second_shown);
    if (state.reacted)
      boxes.second.SetForeColour(state.second_red ? Colour::Red : Colour::ButtonText);
  }
}

SpeciesInBoxes::SpeciesInBoxes(const DatabaseSide& side) {
  // An empty a1 box means that no species is shown on this side.
  shown_ = !side.Coefficient(0).Text().empty();
  if (!shown_) return;
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    texts_[static_cast<std::size_t>(k)] = side.Coefficient(k).Text();
  }
  // Limit texts are NumberText texts or empty, so they always read.
  species_ = FieldSpecies{.t_low = LeadingNumber(side.t_low),
                          .t_high = LeadingNumber(side.t_high),
                          .t_mid = LeadingNumber(side.t_mid),
                          .texts = &texts_,
                          .r_gas = side.window.common.RGas};
}

void RecomputeProperty(MainWindowModel& window, Db db, Property property) {
  const DatabaseSide side = SideOf(window, db);
  window.THERMIMG.SetVisible(false);
  DetailFields fields = FieldsOf(side);
  const SpeciesInBoxes species(side);
  std::vector<FieldFailure> failures;
  fields.React(property, species.Get(), failures);
  ShowFields(side, fields);
  TellFieldFailures(window, db, failures);
}

void TellFieldFailures(MainWindowModel& window, Db db, const std::vector<FieldFailure>& failures) {
  const DatabaseSide side = SideOf(window, db);
  for (const FieldFailure& failed : failures) {
    // Everything written before the failure stays; only a division by zero is told.
    if (failed.failure.Kind() == FailureKind::DivisionByZero) {
      window.platform.ShowMessage(
          Message{.text = MissingInformationText(db, failed.property, failed.failure.Description(),
                                                 window.common.NewLine),
                  .title = "Missing information...",
                  .icon = MessageIcon::Error});
    } else {
      window.platform.NoteSilentFailure(BoxesOf(side, failed.property).field.Name(),
                                        failed.failure);
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
