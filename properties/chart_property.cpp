// SPDX-License-Identifier: GPL-3.0-or-later
#include "properties/chart_property.h"

namespace tabulon {

std::string_view ChartTitle(ChartProperty property) {
  switch (property) {
    case ChartProperty::Cp:
      return "Heat capacity Cp";
    case ChartProperty::H:
      return "Enthalpy H";
    case ChartProperty::S:
      return "Entropy S";
    case ChartProperty::G:
      return "G = H - T\xC2\xB7S";
  }
  return {};
}

const char* ChartUnit(ChartProperty property, const Units& units) {
  const bool per_kelvin = property == ChartProperty::Cp || property == ChartProperty::S;
  return per_kelvin ? units.cp_unit : units.h_unit;
}

std::string ChartAxisTitle(ChartProperty property, const Units& units) {
  static const char* const kSymbols[] = {"Cp", "H", "S", "G"};
  return std::string(kSymbols[static_cast<int>(property)]) + " (" + ChartUnit(property, units) +
         ")";
}

double ChartValue(ChartProperty property, const Properties& values) {
  switch (property) {
    case ChartProperty::Cp:
      return values.cp;
    case ChartProperty::H:
      return values.h;
    case ChartProperty::S:
      return values.s;
    case ChartProperty::G:
      return values.g;
  }
  return 0;
}

std::string_view DatabaseColour(int db) {
  return db == 1 ? "#1f5fbf" : "#d62728";
}

}  // namespace tabulon
