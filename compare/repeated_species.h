// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tabulon {

// The names that stand more than once in `list` (a sorted species list, where equal names stand
// together) and also stand in `other`: the repeats that make a database's counts disagree after
// a comparison. Each name once, in list order.
std::vector<std::string> RepeatedNamesAlsoIn(const std::vector<std::string>& list,
                                             const std::vector<std::string>& other);

// The lines that name them in the warning: the first `most` names, one per line, then
// "and N more" when there are more.
std::vector<std::string> NameLines(const std::vector<std::string>& names, std::size_t most = 20);

}  // namespace tabulon
