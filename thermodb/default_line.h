// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tabulon {

// Finds a file's default common temperature while its lines are read from the first one: the
// first line after the header line that is neither blank nor a "!" comment is the default
// line, and when it holds exactly three numbers its second one is the default
// (DefaultCommonTemperature). A file without a header line, or whose first such line is
// something else, has no default.
class DefaultLineSearch {
 public:
  // Takes the next line of the file; returns true once the search has ended.
  bool Take(std::string_view line);
  bool Ended() const { return state_ == State::Ended; }
  // The default found; empty while the search goes on and when there is none.
  std::optional<double> Default() const { return default_; }

 private:
  enum class State { BeforeHeader, AfterHeader, Ended };
  State state_ = State::BeforeHeader;
  std::optional<double> default_;
};

}  // namespace tabulon
