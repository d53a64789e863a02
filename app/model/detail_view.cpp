// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/detail_view.h"

#include <memory>
#include <vector>

#include "app/model/frame_species.h"
#include "app/model/main_window_model.h"
#include "app/model/temperature_field.h"
#include "common/message_text.h"
#include "properties/field_reactions.h"
#include "thermodb/thermo_file.h"
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

}  // namespace

void ShowDetailView(const DatabaseSide& side, const DetailView& view, const ThermoRecord* record) {
  if (view.outcome == DetailOutcome::NotShown) {
    EmptyLimits(side);
  } else {
    ShowLimits(side, view.limits);
  }
  for (int k = 0; k < kCoefficientsPerRecord; ++k) {
    side.Coefficient(k).SetText(view.coefficients[static_cast<std::size_t>(k)]);
  }
  side.hf_box.SetText(view.hf);
  side.species_label.SetCaption(FrameSpeciesCaption(view.outcome, record));
}

void ShowTemperatureMessage(MainWindowModel& window, Db db) {
  window.platform.ShowMessage(
      Message{.text = ErrorMessageText("", {"Please check the temperatures for this species."},
                                       window.common.NewLine),
              .title = db == Db::One ? "Check temperature  DB #1" : "Check temperature DB #2",
              .icon = MessageIcon::Information});
}

DetailOutcome ShowSpeciesDetail(MainWindowModel& window, Db db) {
  const DatabaseSide side = SideOf(window, db);
  window.THERMIMG.SetVisible(false);
  // Removes the highlight of differing coefficients, which only the DB #1 boxes carry.
  if (db == Db::One) {
    for (int k = 0; k < kCoefficientsPerRecord; ++k) {
      side.Coefficient(k).SetBackColour(Colour::Window);
    }
  }

  // Held while the view is shown: it may be a new read of a file changed since loading.
  const std::shared_ptr<const ThermoFile> file = window.databases.Current(db, side.path);
  const ThermoRecord* record = file->Find(side.list.SelectedText());
  const DetailView view = DetailViewOf(record, side.hf_check.Checked());
  if (view.outcome == DetailOutcome::Refused) ShowTemperatureMessage(window, db);
  ShowDetailView(side, view, record);
  // Emptying the temperature fields runs their reactions on the species now in the boxes.
  DetailFields fields = FieldsOf(side);
  std::vector<FieldFailure> failures;
  const SpeciesInBoxes species(side);
  fields.Clear(species.Get(), failures);
  ShowFields(side, fields);
  TellFieldFailures(window, db, failures);
  return view.outcome;
}

bool SpeciesShown(const DatabaseSide& side) {
  return !side.limits_label.Caption().empty() &&
         TemperaturesAccepted(side.t_low, side.t_mid, side.t_high);
}

}  // namespace tabulon
