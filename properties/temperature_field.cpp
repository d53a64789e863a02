#include "properties/temperature_field.h"

#include <string>

#include "app/model/vivuve_rava.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/message_text.h"
#include "properties/evaluation.h"
#include "properties/value_text.h"

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

// Whether the property's formula reads coefficient k (0 to 6) of a set: Cp reads a1 to a5, H
// a1 to a6, S a1 to a5 and a7. The others are not read at all, so a box holding a text beyond
// the double range fails only the properties that use it.
bool Reads(Property property, int k) {
  switch (property) {
    case Property::Cp:
      return k <= 4;
    case Property::H:
      return k <= 5;
    case Property::S:
      return k <= 4 || k == 6;
  }
  return false;
}

// The high set (first = 0) or the low set (first = 7) of the side's coefficient boxes, read
// from their texts now; they are the only copy of the shown species' coefficients.
CoefficientSet ReadSet(const DatabaseSide& side, int first, Property property) {
  CoefficientSet set{};
  for (int k = 0; k < 7; ++k) {
    if (Reads(property, k)) {
      set[static_cast<std::size_t>(k)] = LeadingNumber(side.Coefficient(first + k).Text());
    }
  }
  return set;
}

double Eval(Property property, const CoefficientSet& set, double t, float r_gas) {
  switch (property) {
    case Property::Cp:
      return EvalCp(set, t, r_gas);
    case Property::H:
      return EvalH(set, t, r_gas);
    case Property::S:
      break;
  }
  return EvalS(set, t, r_gas);
}

constexpr int kHighSet = 0;
constexpr int kLowSet = 7;

void Recompute(const DatabaseSide& side, Property property, const FieldBoxes& boxes) {
  const CommonValue& common = side.window.common;
  const double t = LeadingNumber(boxes.field.Text());
  const double t_low = LeadingNumber(side.t_low);
  const double t_high = LeadingNumber(side.t_high);
  const double t_mid = LeadingNumber(side.t_mid);
  const SetPick pick = PickSet(t, t_low, t_high, t_mid);

  if (pick.main != SetPick::Main::None) {
    const int main_set = pick.main == SetPick::Main::Low ? kLowSet : kHighSet;
    boxes.result.SetText(
        ValueText(Eval(property, ReadSet(side, main_set, property), t, common.RGas)));
  }
  if (pick.second_from_low) {
    // The text first: a value that cannot be written must not show the box with an earlier text.
    const std::string second =
        ValueText(Eval(property, ReadSet(side, kLowSet, property), t, common.RGas));
    boxes.second.SetVisible(true);
    boxes.second.SetText(second);
    if (boxes.second.Text() != boxes.result.Text()) boxes.second.SetForeColour(Colour::Red);
  }
  if (pick.out_of_range) {
    boxes.second.SetVisible(false);
    boxes.result.SetText("xxx");
  }
  if (pick.zero_temperature) {
    boxes.second.SetVisible(false);
    boxes.result.SetText("");
  }
  if (property == Property::Cp) {
    // Each assignment runs the H and then the S reaction in full before it returns.
    const std::string text = boxes.field.Text();
    side.h_field.SetText(text);
    side.s_field.SetText(text);
  }
}

}  // namespace

void RecomputeProperty(VivuveRava& window, Db db, Property property) {
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
