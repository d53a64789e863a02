// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "properties/nasa7.h"

namespace tabulon {

// The four charts every plot of a species shows, two by two: Cp and H above, S and G below.
enum class ChartProperty { Cp, H, S, G };
inline constexpr std::array<ChartProperty, 4> kChartProperties = {
    ChartProperty::Cp, ChartProperty::H, ChartProperty::S, ChartProperty::G};

// "Heat capacity Cp", "Enthalpy H", "Entropy S", "G = H - T·S" (UTF-8).
std::string_view ChartTitle(ChartProperty property);
// "Cp (cal/mol/K)", "H (kJ/mol)": the value axis' title in `units`.
std::string ChartAxisTitle(ChartProperty property, const Units& units);
// The unit of the property's values: units.cp_unit for Cp and S, units.h_unit for H and G.
const char* ChartUnit(ChartProperty property, const Units& units);
// The property's value out of the evaluation's four.
double ChartValue(ChartProperty property, const Properties& values);

// The colour of database #1 (blue) and #2 (red) in every plot, as "#rrggbb": both stand out
// on a light and on a dark background, and from each other for most colour vision.
std::string_view DatabaseColour(int db);

}  // namespace tabulon
