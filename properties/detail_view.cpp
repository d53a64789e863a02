#include "properties/detail_view.h"

#include "app/model/vivuve_rava.h"
#include "common/message_text.h"
#include "properties/coefficient_text.h"
#include "properties/temperature_line.h"
#include "thermodb/record_lookup.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

constexpr int kCoefficients = 14;

void ShowLimits(const DatabaseSide& side, const TemperatureLimits& limits) {
  side.t_mid = limits.mid;
  side.t_high = limits.high;
  side.t_low = limits.low;
  side.limits_label.SetCaption(side.t_low + "   " + side.t_high + "   " + side.t_mid);
  const char* high_range = side.db == Db::One ? "  <= T (high) < " : " <= T (high) < ";
  side.high_range_label.SetCaption(side.t_mid + high_range + side.t_high);
  side.low_range_label.SetCaption(side.t_low + " < T (Low) <= " + side.t_mid);
}

void EmptyLimits(const DatabaseSide& side) {
  side.limits_label.SetCaption("");
  side.high_range_label.SetCaption("");
  side.low_range_label.SetCaption("");
  side.t_low.clear();
  side.t_high.clear();
  side.t_mid.clear();
}

void EmptyCoefficients(const DatabaseSide& side) {
  for (int k = 0; k < kCoefficients; ++k) side.Coefficient(k).SetText("");
  side.hf_box.SetText("");
}

// Coefficient boxes 0 to 13 take the fields of lines 2, 3 and 4 in reading order, five per
// line; the fifth field of line 4 is the Hf/R field.
void ShowCoefficients(const DatabaseSide& side, const SpeciesRecord& record) {
  const std::string* lines[] = {&record.line2, &record.line3, &record.line4};
  for (int k = 0; k < kCoefficients; ++k) {
    side.Coefficient(k).SetText(CoefficientText(CoefficientField(*lines[k / 5], k % 5 + 1)));
  }
  side.hf_box.SetText(side.hf_check.Checked() ? CoefficientText(CoefficientField(record.line4, 5))
                                              : std::string());
}

void ShowTemperatureMessage(const DatabaseSide& side) {
  VivuveRava& window = side.window;
  window.platform.ShowMessage(
      Message{.text = ErrorMessageText("", {"Please check the temperatures for this species."},
                                       window.common.NewLine),
              .title = side.db == Db::One ? "Check temperature  DB #1" : "Check temperature DB #2",
              .icon = MessageIcon::Information});
}

// Emptying a temperature field runs its change reaction, which finds the new species (or no
// species) in the coefficient boxes.
void ClearTemperatureFields(const DatabaseSide& side) {
  side.cp_field.SetText("");
  side.cp_second.SetVisible(false);
  side.cp_result.SetText("");
  side.h_field.SetText("");
  side.h_second.SetVisible(false);
  side.h_result.SetText("");
  side.s_field.SetText("");
  side.s_second.SetVisible(false);
  side.s_result.SetText("");
}

}  // namespace

void ShowSpeciesDetail(VivuveRava& window, Db db) {
  const DatabaseSide side = SideOf(window, db);
  window.THERMIMG.SetVisible(false);
  // Removes the highlight of differing coefficients, which only the DB #1 boxes carry.
  if (db == Db::One) {
    for (int k = 0; k < kCoefficients; ++k) side.Coefficient(k).SetBackColour(Colour::Window);
  }

  const LookupResult found = window.records.Find(side.path, side.list.SelectedText());
  // Line 1 is checked first: a refused species shows its limits, so the user sees why.
  if (found.status == LookupStatus::Found || found.status == LookupStatus::Incomplete) {
    ShowLimits(side, ParseTemperatureLine(found.record.line1));
    if (!TemperaturesAccepted(side.t_low, side.t_mid, side.t_high)) {
      ShowTemperatureMessage(side);
      EmptyCoefficients(side);
      ClearTemperatureFields(side);
      return;
    }
  }
  if (found.status == LookupStatus::Found) {
    ShowCoefficients(side, found.record);
  } else {
    // Not found, unreadable, or ending before line 4: the view shows no species rather than
    // keep another one's data under this selection.
    EmptyLimits(side);
    EmptyCoefficients(side);
  }
  ClearTemperatureFields(side);
}

bool SpeciesShown(const DatabaseSide& side) {
  return !side.limits_label.Caption().empty() &&
         TemperaturesAccepted(side.t_low, side.t_mid, side.t_high);
}

}  // namespace tabulon
