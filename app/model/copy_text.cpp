// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/copy_text.h"

#include <algorithm>

#include "app/model/main_window_model.h"
#include "app/model/temperature_field.h"
#include "common/failure.h"
#include "common/leading_number.h"
#include "common/number_text.h"
#include "properties/evaluation.h"
#include "properties/value_text.h"
#include "thermodb/coefficient_text.h"
#include "thermodb/thermo_file.h"
#include "thermodb/thermo_format.h"

namespace tabulon {

namespace {

// Where a box stands in a detail view.
struct BoxPlace {
  Db db;
  int coefficient = -1;  // 0 to 13 for a coefficient box
  Property property = Property::Cp;
  bool second = false;
};

std::optional<BoxPlace> PlaceOf(MainWindowModel& w, const TextBox& box) {
  for (int i = 0; i < w.PropTxt.Size(); ++i) {
    if (&w.PropTxt[i] == &box) return BoxPlace{i < 14 ? Db::One : Db::Two, i % 14};
  }
  for (const Db db : {Db::One, Db::Two}) {
    const DatabaseSide side = SideOf(w, db);
    const struct {
      const TextBox* box;
      Property property;
      bool second;
    } results[] = {{&side.cp_result, Property::Cp, false}, {&side.h_result, Property::H, false},
                   {&side.s_result, Property::S, false},   {&side.cp_second, Property::Cp, true},
                   {&side.h_second, Property::H, true},    {&side.s_second, Property::S, true}};
    for (const auto& result : results) {
      if (result.box == &box) return BoxPlace{db, -1, result.property, result.second};
    }
  }
  return std::nullopt;
}

// The file's text of a number, with a Fortran exponent letter written as E.
std::string AsStated(std::string field) {
  std::replace_if(
      field.begin(), field.end(), [](char c) { return c == 'D' || c == 'd'; }, 'E');
  return field;
}

const TextBox& FieldOf(const DatabaseSide& side, Property property) {
  return property == Property::Cp  ? side.cp_field
         : property == Property::H ? side.h_field
                                   : side.s_field;
}

// The result at full precision, or nullopt when the record does not give what the box shows.
std::optional<std::string> ResultText(MainWindowModel& w, const DatabaseSide& side,
                                      const ThermoRecord& record, const BoxPlace& place,
                                      const std::string& shown) {
  const double t = LeadingNumber(FieldOf(side, place.property).Text());
  const SetPick pick = PickSet(t, record.t_low, record.t_high, record.t_mid);
  if (pick.out_of_range || pick.zero_temperature || pick.main == SetPick::Main::None) return {};
  if (place.second && !pick.second_from_low) return {};
  const bool low = place.second || pick.main == SetPick::Main::Low;
  CoefficientSet set{};
  for (int k = 0; k < 7; ++k) {
    set[static_cast<std::size_t>(k)] = LeadingNumber(AsStated(record.Field((low ? 7 : 0) + k)));
  }
  const double value = EvalProperty(place.property, set, t, w.common.RGas);
  if (ValueText(value) != shown) return {};
  std::string text = NumberText(value);
  if (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

std::optional<std::string> FullPrecisionText(MainWindowModel& window, const TextBox& box) {
  const std::optional<BoxPlace> place = PlaceOf(window, box);
  if (!place) return std::nullopt;
  const std::string& shown = box.Text();
  const DatabaseSide side = SideOf(window, place->db);
  const std::shared_ptr<const ThermoFile> file = window.databases.Current(side.db, side.path);
  const ThermoRecord* record = file->Find(side.list.SelectedText());
  if (shown.empty() || record == nullptr || !record->Complete()) return shown;
  try {
    if (place->coefficient >= 0) {
      const std::string field = record->Field(place->coefficient);
      return CoefficientText(field) == shown ? AsStated(field) : shown;
    }
    return ResultText(window, side, *record, *place, shown).value_or(shown);
  } catch (const Failure&) {
    return shown;  // a value beyond the double range is no number to copy
  }
}

std::optional<std::string> SpeciesRecordText(MainWindowModel& window, Db db) {
  const DatabaseSide side = SideOf(window, db);
  const std::shared_ptr<const ThermoFile> file = window.databases.Current(db, side.path);
  const ThermoRecord* record = file->Find(side.list.SelectedText());
  if (record == nullptr) return std::nullopt;
  std::string text;
  for (int i = 0; i < record->line_count; ++i) {
    text += record->Line(i);
    text += '\n';
  }
  return text;
}

}  // namespace tabulon
