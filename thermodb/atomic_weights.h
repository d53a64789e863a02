// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tabulon {

// One entry of the element table.
struct ElementWeight {
  std::string_view symbol;  // as the periodic table writes it: "C", "Cl"
  std::string_view weight;  // the standard atomic weight in g/mol as a decimal text, exactly
                            // as the source gives it; empty for an element without one
};

// The entry of `symbol` ("C", "Cl", "E" for the electron, "D" for deuterium), written as the
// periodic table writes it; null for a symbol that names no element.
const ElementWeight* FindElement(std::string_view symbol);

}  // namespace tabulon
