// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_args.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace tabulon::batch {

bool CommandArgs::Parse(const std::vector<std::string>& args,
                        const std::set<std::string_view>& valued, std::string_view command,
                        std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      positional_.push_back(arg);
      continue;
    }
    const bool twice = valued.contains(arg) ? values_.contains(arg) : flags_.contains(arg);
    if (twice) {
      err << "tabulon-batch " << command << ": " << arg << " is given twice\n";
      return false;
    }
    if (!valued.contains(arg)) {
      flags_.insert(arg);
    } else if (i + 1 == args.size()) {
      err << "tabulon-batch " << command << ": " << arg << " needs a value\n";
      return false;
    } else {
      values_.emplace(arg, args[++i]);
    }
  }
  return true;
}

std::optional<std::string> CommandArgs::Value(std::string_view option) const {
  const auto found = values_.find(option);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

bool CommandArgs::NonNegativeNumbers(
    std::initializer_list<std::pair<std::string_view, double*>> targets, std::string_view command,
    std::ostream& err) const {
  for (const auto& [option, target] : targets) {
    const std::optional<std::string> text = Value(option);
    if (!text) continue;
    const std::optional<double> value = NonNegativeNumber(*text);
    if (!value) {
      err << "tabulon-batch " << command << ": " << option << " takes a number >= 0, not '" << *text
          << "'\n";
      return false;
    }
    *target = *value;
  }
  return true;
}

std::optional<double> NonNegativeNumber(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < 0) return std::nullopt;
  return value;
}

}  // namespace tabulon::batch
