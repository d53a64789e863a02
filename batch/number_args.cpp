// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/number_args.h"

#include <charconv>
#include <cmath>

namespace tabulon::batch {

std::optional<double> ToleranceArg(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!std::isfinite(value) || value < 0) return std::nullopt;
  return value;
}

std::optional<std::size_t> CountArg(const std::string& text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > 1'000'000) {
    return std::nullopt;
  }
  return value;
}

}  // namespace tabulon::batch
