// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/detail_view.h"

#include "app/model/frame_species.h"
#include "app/model/main_window_model.h"
#include "common/message_text.h"
#include "properties/species_view.h"
#include "thermodb/thermo_record.h"

namespace tabulon {
namespace {

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
  for (int k = 0; k < kCoefficientsPerRecord; ++k) side.Coefficient(k).SetText("");
  side.hf_box.SetText("");
}

// Coefficient boxes 0 to 13 take the record's coefficient texts; the Hf/R box its Hf/R text
// when the side's check box asks for it.
void ShowCoefficients(const DatabaseSide& side, const ThermoRecord& record) {
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    side.Coefficient(k).SetText(record.coefficient_texts[static_cast<std::size_t>(k)]);
  }
  side.hf_box.SetText(side.hf_check.Checked() ? record.hf_text : std::string());
}

void ShowTemperatureMessage(const DatabaseSide& side) {
  MainWindowModel& window = side.window;
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

DetailOutcome ShowSpeciesDetail(MainWindowModel& window, Db db) {
  const DatabaseSide side = SideOf(window, db);
  window.THERMIMG.SetVisible(false);
  // Removes the highlight of differing coefficients, which only the DB #1 boxes carry.
  if (db == Db::One) {
    for (int k = 0; k < kCoefficientsPerRecord; ++k) {
      side.Coefficient(k).SetBackColour(Colour::Window);
    }
  }

  const SpeciesView view = ViewOf(window.records.Find(side.path, side.list.SelectedText()));
  switch (view.outcome) {
    case DetailOutcome::Shown:
      ShowLimits(side, view.record.limit_texts);
      ShowCoefficients(side, view.record);
      ShowFrameSpecies(side, view.record, view.outcome);
      break;
    case DetailOutcome::Refused:
      // The limits are shown, so the user sees why; no property can then be computed from
      // another species' coefficients under this name.
      ShowLimits(side, view.record.limit_texts);
      ShowFrameSpecies(side, view.record, view.outcome);
      ShowTemperatureMessage(side);
      EmptyCoefficients(side);
      break;
    case DetailOutcome::NotShown:
      // A record cut short after line 1 shows its limits for an instant, as line 1 is checked
      // first; the view then shows no species rather than keep another one's data.
      if (!view.record.lines[0].empty()) ShowLimits(side, view.record.limit_texts);
      EmptyLimits(side);
      EmptyCoefficients(side);
      ClearFrameSpecies(side);
      break;
  }
  ClearTemperatureFields(side);
  return view.outcome;
}

bool SpeciesShown(const DatabaseSide& side) {
  return !side.limits_label.Caption().empty() &&
         TemperaturesAccepted(side.t_low, side.t_mid, side.t_high);
}

}  // namespace tabulon
