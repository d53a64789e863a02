// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulon {

// The species names that a file asks for (subset, merge): upper-cased (a-z only), each once, in
// the order they first appear. Text from "!" to the line's end is a comment. When the file holds
// a mechanism's species block, the names are the words of every such block: from a word SPECIES
// or SPEC to a word END (any case; a block left open ends at a word REACTIONS, REAC, THERMO,
// ELEMENTS, ELEM or at the file's end). Otherwise every word of the file is a name. Words are
// separated by blanks, tabs and line ends.
std::vector<std::string> SpeciesNamesIn(std::string_view text);

// The names of a comma-separated option value ("CH4,h2o" -> CH4, H2O), upper-cased, each once;
// empty items are left out.
std::vector<std::string> SpeciesNamesListed(std::string_view commas);

}  // namespace tabulon
