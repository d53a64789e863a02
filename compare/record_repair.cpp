// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/record_repair.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <unordered_set>

#include "common/leading_number.h"
#include "common/number_text.h"
#include "compare/check_report.h"
#include "thermodb/coefficient_lines.h"
#include "thermodb/record_extent.h"
#include "thermodb/thermo_format.h"

namespace tabulon {
namespace {

constexpr std::array<std::string_view, 4> kActionNames = {"shift", "refit", "refused", "skipped"};

// Why a record's join cannot be examined, or empty.
std::string Unusable(const ThermoRecord& record) {
  if (OwnLineCount(record) != kLinesPerRecord) return "incomplete record";
  if (!LimitsInOrder(record.t_low, record.t_high, record.t_mid)) return "limits out of order";
  if (!(record.t_low < record.t_mid && record.t_mid < record.t_high)) {
    return "no join: the common temperature is a limit";
  }
  if (!record.coefficients_read) return "coefficients unreadable";
  return {};
}

TwoRangeNasa7 AsWritten(TwoRangeNasa7 curve) {
  for (CoefficientSet* set : {&curve.low, &curve.high}) {
    for (double& a : *set) a = WrittenCoefficient(a);
  }
  return curve;
}

bool Writable(const TwoRangeNasa7& curve) {
  return StandardCoefficientLines(curve.high, curve.low, {}).has_value();
}

// The largest changes over the whole kelvins of one set's range, `delta` being the new set
// minus the old. Cp/R, H/(RT) and S/R are linear in the coefficients, so each change is the
// property of `delta` itself, free of the cancellation of subtracting two evaluations:
//   dCp = R Cp/R(delta, T),   dH = R T H/(RT)(delta, T) / 1000,   dS = R S/R(delta, T).
// With a1..a5 unchanged (a shift) dCp is 0 and dH, dS are the same at every kelvin.
void AddSetCost(const CoefficientSet& delta, KelvinRange kelvins, RepairCost& cost) {
  if (kelvins.from > kelvins.to) return;
  const double r = kWindowUnits.r;
  const auto widen = [&cost](double dcp, double dh, double ds) {
    cost.dcp_max = std::max(cost.dcp_max, std::abs(dcp));
    cost.dh_max = std::max(cost.dh_max, std::abs(dh));
    cost.ds_max = std::max(cost.ds_max, std::abs(ds));
  };
  if (delta[0] == 0 && delta[1] == 0 && delta[2] == 0 && delta[3] == 0 && delta[4] == 0) {
    widen(0, r * delta[5] / 1000, r * delta[6]);
    return;
  }
  for (int t = kelvins.from; t <= kelvins.to; ++t) {
    const double kelvin = t;
    widen(r * CpOverR(delta, kelvin), r * kelvin * HOverRT(delta, kelvin) / 1000,
          r * SOverR(delta, kelvin));
  }
}

// The largest |new - old| of Cp, H and S at every whole kelvin of the record's range (the low
// set below the common temperature, the high set from it; at most up to kGridTopKelvin), in
// the window's units. The limits are the same before and after.
RepairCost CostOf(const TwoRangeNasa7& before, const TwoRangeNasa7& after) {
  CoefficientSet low{}, high{};
  for (std::size_t k = 0; k < low.size(); ++k) {
    low[k] = after.low[k] - before.low[k];
    high[k] = after.high[k] - before.high[k];
  }
  RepairCost cost;
  AddSetCost(low, KelvinsOf(before, RecordSet::Low), cost);
  AddSetCost(high, KelvinsOf(before, RecordSet::High), cost);
  return cost;
}

// The text "%.8E" of a coefficient, as its field shows it without the padding.
std::string Picture(double x) {
  const std::optional<std::string> field = CoefficientField15(x);
  if (!field) return ShortestNumber(x);
  return field->substr(field->find_first_not_of(' '));
}

std::string Pictures(const CoefficientSet& set, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t k = from; k <= to; ++k) text += (k > from ? ", " : "") + Picture(set[k]);
  return text;
}

std::string Kelvin(double t) {
  const std::string text = NumberText(t);
  return text.substr(text.front() == ' ' ? 1 : 0) + " K";
}

RecordRepair Considered(const ThermoRecord& record, std::size_t index) {
  RecordRepair repair;
  repair.record = index;
  repair.line = record.line_number;
  repair.name = record.name;
  return repair;
}

// The repair of a record whose join can be examined; none when it has no jump.
std::optional<RecordRepair> RepairJoin(const ThermoRecord& record, std::size_t index,
                                       const RepairOptions& options) {
  RecordRepair repair = Considered(record, index);
  repair.before = TwoRangeNasa7::Of(record);
  repair.jumps_before = JoinMeasuresOf(repair.before);
  const CheckTolerances& tolerances = options.tolerances;
  const bool cp_jump = repair.jumps_before.cp > tolerances.cp;
  if (!cp_jump && !(repair.jumps_before.h > tolerances.h) &&
      !(repair.jumps_before.s > tolerances.s)) {
    return std::nullopt;
  }
  repair.refit_both = cp_jump && options.refit_both;
  repair.after = AsWritten(!cp_jump             ? ShiftToJoin(repair.before)
                           : options.refit_both ? RefitBothToJoin(repair.before)
                                                : RefitToJoin(repair.before));
  if (!Writable(repair.after)) {
    repair.reason = "a repaired coefficient cannot be written in 15 columns";
    return repair;
  }
  repair.cost = CostOf(repair.before, repair.after);
  repair.jumps_after = JoinMeasuresOf(repair.after);
  repair.action = cp_jump ? RepairAction::Refit : RepairAction::Shift;
  if (cp_jump && !(repair.cost.dcp_max <= options.max_dcp)) {
    repair.action = RepairAction::Refused;
    repair.reason = "|dCp| above the allowed " + ShortestNumber(options.max_dcp) + " cal/mol/K";
  }
  return repair;
}

}  // namespace

std::string_view ActionName(RepairAction action) {
  return kActionNames[static_cast<std::size_t>(action)];
}

RepairPlan PlanRepairs(std::span<const ThermoRecord> records, const RepairOptions& options) {
  const std::unordered_set<std::string> named(options.species.begin(), options.species.end());
  const std::unordered_set<int> chosen_lines(options.lines.begin(), options.lines.end());
  std::unordered_set<std::string> found;
  RepairPlan plan;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const ThermoRecord& record = records[i];
    if (!chosen_lines.empty() && !chosen_lines.contains(record.line_number)) continue;
    if (!named.empty()) {
      if (!named.contains(record.name)) continue;
      found.insert(record.name);
    }
    // Without names, only records the check can report a jump for are considered.
    if (const std::string unusable = Unusable(record); !unusable.empty()) {
      if (named.empty()) continue;
      plan.repairs.push_back(Considered(record, i));
      plan.repairs.back().reason = unusable;
    } else if (std::optional<RecordRepair> repair = RepairJoin(record, i, options)) {
      plan.repairs.push_back(std::move(*repair));
    }
  }
  for (const std::string& name : options.species) {
    if (!found.contains(name)) plan.unknown_species.push_back(name);
  }
  return plan;
}

std::string RepairComment(const RecordRepair& repair) {
  const TwoRangeNasa7& old = repair.before;
  const std::string join = " to join at " + Kelvin(old.t_mid);
  if (repair.refit_both) {
    return "repaired: a1..a7 of both ranges refitted" + join + ", H and S kept at " +
           Kelvin(std::max(kReferenceTemperature, old.t_low)) + "; was high " +
           Pictures(old.high, 0, 6) + "; low " + Pictures(old.low, 0, 6);
  }
  const bool high = MovedSet(old) == RecordSet::High;
  const CoefficientSet& moved = high ? old.high : old.low;
  const std::string range = high ? "high-range " : "low-range ";
  if (repair.action == RepairAction::Shift) {
    return "repaired: " + range + "a6, a7 shifted" + join + "; was " + Pictures(moved, 5, 6);
  }
  return "repaired: " + range + "a1..a7 refitted" + join + "; was " + Pictures(moved, 0, 6);
}

void AddRepairs(std::span<const RecordRepair> repairs, std::span<const ThermoRecord> records,
                DatabaseEdit& edit) {
  for (const RecordRepair& repair : repairs) {
    if (!repair.Applied()) continue;
    const ThermoRecord& record = records[repair.record];
    // Every repair keeps H(298.15 K) but a refit of both sets anchored above 298.15 K.
    const bool keeps_h298 = !repair.refit_both || record.t_low <= kReferenceTemperature;
    std::string hf(HfFieldText(record.Line(3)));
    if (!keeps_h298 && record.HfValue()) {
      hf = CoefficientField15(HfOverRAt298(repair.after)).value_or("");
    }
    const auto lines = StandardCoefficientLines(repair.after.high, repair.after.low, hf);
    if (!lines) continue;
    edit.Rewrite(repair.record, *lines, repair.after.high, repair.after.low, RepairComment(repair));
  }
}

}  // namespace tabulon
