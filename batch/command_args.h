// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabulon::batch {

// A command's arguments split into positional ones, options with a value ("--out NEW") and
// flags ("--force"). Unknown options never get here: the command line refuses them first.
class CommandArgs {
 public:
  // False for wrong usage, said on `err` as "tabulon-batch COMMAND: ...": an option that needs
  // a value is last, or an option is given twice.
  bool Parse(const std::vector<std::string>& args, const std::set<std::string_view>& valued,
             std::string_view command, std::ostream& err);

  const std::vector<std::string>& Positional() const { return positional_; }
  std::optional<std::string> Value(std::string_view option) const;
  bool Flag(std::string_view option) const { return flags_.contains(std::string(option)); }
  // Sets each target whose option was given to its value, a NonNegativeNumber. False, said on
  // `err` as "tabulon-batch COMMAND: OPTION takes a number >= 0, not 'TEXT'", for a value
  // that is not one (the targets before it are set).
  bool NonNegativeNumbers(std::initializer_list<std::pair<std::string_view, double*>> targets,
                          std::string_view command, std::ostream& err) const;

 private:
  std::vector<std::string> positional_;
  std::map<std::string, std::string, std::less<>> values_;
  std::set<std::string> flags_;
};

// A whole decimal number, finite and not negative ("0.01", "1e-3"); none otherwise.
std::optional<double> NonNegativeNumber(const std::string& text);

}  // namespace tabulon::batch
