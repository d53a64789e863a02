// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/field_evaluation.h"

#include <cmath>

#include "common/leading_number.h"
#include "properties/evaluation.h"
#include "properties/value_text.h"

namespace tabulon {
namespace {

constexpr int kHighSet = 0;
constexpr int kLowSet = kCoefficientsPerSet;

// Whether the property's formula reads coefficient k (0 to 6) of a set: the others are not
// read at all, so a text beyond the double range fails only the properties that use it.
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

CoefficientSet ReadSet(const FieldSpecies& species, int first, Property property) {
  if (species.high != nullptr && species.low != nullptr) {
    const CoefficientSet& numbers = first == kHighSet ? *species.high : *species.low;
    for (int k = 0; k < kCoefficientsPerSet; ++k) {
      if (Reads(property, k) && std::isnan(numbers[static_cast<std::size_t>(k)])) {
        throw Failure(FailureKind::Overflow, "number beyond the double range");
      }
    }
    return numbers;
  }
  CoefficientSet set{};
  for (int k = 0; k < kCoefficientsPerSet; ++k) {
    if (Reads(property, k)) {
      set[static_cast<std::size_t>(k)] =
          LeadingNumber((*species.texts)[static_cast<std::size_t>(first + k)]);
    }
  }
  return set;
}

}  // namespace

double EvalProperty(Property property, const CoefficientSet& set, double t, float r_gas) {
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

FieldOutcome EvaluateField(Property property, double t, const FieldSpecies& species) {
  FieldOutcome outcome;
  const SetPick pick = PickSet(t, species.t_low, species.t_high, species.t_mid);
  try {
    if (pick.main != SetPick::Main::None) {
      const int set = pick.main == SetPick::Main::Low ? kLowSet : kHighSet;
      outcome.main =
          ValueText(EvalProperty(property, ReadSet(species, set, property), t, species.r_gas));
    }
    if (pick.second_from_low) {
      outcome.second =
          ValueText(EvalProperty(property, ReadSet(species, kLowSet, property), t, species.r_gas));
      outcome.second_red = *outcome.second != outcome.main.value_or("");
    }
  } catch (const Failure& failure) {
    outcome.failure = failure;
    return outcome;
  }
  outcome.out_of_range = pick.out_of_range;
  outcome.zero_temperature = pick.zero_temperature;
  return outcome;
}

}  // namespace tabulon
