// SPDX-License-Identifier: GPL-3.0-or-later
#include "thermodb/species_list.h"

#include <algorithm>
#include <unordered_set>

#include "common/ascii_text.h"

namespace tabulon {
namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The upper-cased words of the text, comments left out.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '!') {
      while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    } else if (IsSeparator(text[i])) {
      ++i;
    } else {
      const std::size_t start = i;
      while (i < text.size() && !IsSeparator(text[i]) && text[i] != '!') ++i;
      words.push_back(UpperAscii(text.substr(start, i - start)));
    }
  }
  return words;
}

bool Opens(const std::string& word) {
  return word == "SPECIES" || word == "SPEC";
}

bool Closes(const std::string& word) {
  static const std::string kClosing[] = {"END", "REACTIONS", "REAC", "THERMO", "ELEMENTS", "ELEM"};
  return std::find(std::begin(kClosing), std::end(kClosing), word) != std::end(kClosing);
}

std::vector<std::string> Once(std::vector<std::string> names) {
  std::unordered_set<std::string> seen;
  std::erase_if(names, [&seen](const std::string& name) { return !seen.insert(name).second; });
  return names;
}

}  // namespace

std::vector<std::string> SpeciesNamesIn(std::string_view text) {
  const std::vector<std::string> words = Words(text);
  if (std::none_of(words.begin(), words.end(), Opens)) return Once(words);
  std::vector<std::string> names;
  bool in_block = false;
  for (const std::string& word : words) {
    if (Opens(word)) {
      in_block = true;
    } else if (in_block && Closes(word)) {
      in_block = false;
    } else if (in_block) {
      names.push_back(word);
    }
  }
  return Once(std::move(names));
}

std::vector<std::string> SpeciesNamesListed(std::string_view commas) {
  std::vector<std::string> names;
  while (!commas.empty()) {
    const std::size_t comma = std::min(commas.find(','), commas.size());
    if (comma > 0) names.push_back(UpperAscii(commas.substr(0, comma)));
    commas.remove_prefix(std::min(comma + 1, commas.size()));
  }
  return Once(std::move(names));
}

}  // namespace tabulon
