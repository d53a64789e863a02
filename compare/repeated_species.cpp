// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/repeated_species.h"

#include <unordered_set>

namespace tabulon {

std::vector<std::string> RepeatedNamesAlsoIn(const std::vector<std::string>& list,
                                             const std::vector<std::string>& other) {
  const std::unordered_set<std::string> in_other(other.begin(), other.end());
  std::vector<std::string> repeated;
  for (std::size_t i = 1; i < list.size(); ++i) {
    const bool starts_run = i == 1 || list[i - 2] != list[i];
    if (list[i] == list[i - 1] && starts_run && in_other.contains(list[i])) {
      repeated.push_back(list[i]);
    }
  }
  return repeated;
}

std::vector<std::string> NameLines(const std::vector<std::string>& names, std::size_t most) {
  if (names.size() <= most) return names;
  std::vector<std::string> lines(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(most));
  lines.push_back("and " + std::to_string(names.size() - most) + " more");
  return lines;
}

}  // namespace tabulon
