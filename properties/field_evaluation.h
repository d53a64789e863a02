// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/failure.h"
#include "properties/evaluation.h"
#include "thermodb/thermo_record.h"

namespace tabulon {

// The properties a temperature field computes.
enum class Property { Cp, H, S };

// The window's evaluation of one property (EvalCp, EvalH or EvalS) of a set at T.
double EvalProperty(Property property, const CoefficientSet& set, double t, float r_gas);

// What one temperature field shows for a temperature, computed from the shown species'
// coefficient texts (the boxes' texts, which may have been edited on screen) and limits. The
// window writes it in this order: the main result, then the second box (shown, its text, red
// when it differs from the main result), then - unless the evaluation failed - "xxx" for a
// temperature outside the range and the empty text at T = 0, each hiding the second box.
struct FieldOutcome {
  std::optional<std::string> main;    // the main result's text, when a set was evaluated
  std::optional<std::string> second;  // at the common temperature: the low set's text
  bool second_red = false;            // the second text differs from the main one
  bool out_of_range = false;          // T below the low or above the high limit
  bool zero_temperature = false;      // T = 0
  // The evaluation stopped here (what was computed before it stays): Overflow for a value, a
  // power or a coefficient text beyond the double range, DivisionByZero for H at T = 0,
  // InvalidArgument for S at T <= 0.
  std::optional<Failure> failure;
};

// The limits as the detail view keeps them (NumberText texts) and the fourteen coefficient
// texts as the boxes hold them (a1..a7, a'1..a'7). Only the coefficients the property's formula
// names are read (Cp: a1..a5, H: a1..a6, S: a1..a5 and a7).
struct FieldSpecies {
  double t_low = 0, t_high = 0, t_mid = 0;  // the limit texts read with LeadingNumber
  const std::array<std::string, kCoefficientsPerRecord>* texts = nullptr;
  float r_gas = kRGas;  // the window's gas constant (CommonValue::RGas)
  // The texts already read as numbers (ThermoRecord::high and low: NaN for a text beyond the
  // double range), used in place of `texts` when given.
  const CoefficientSet* high = nullptr;
  const CoefficientSet* low = nullptr;
};

// Never throws: a failure is part of the outcome.
FieldOutcome EvaluateField(Property property, double t, const FieldSpecies& species);

}  // namespace tabulon
