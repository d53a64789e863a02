// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace tabulon::batch {

// A tolerance: the whole argument a decimal number, finite and not negative.
std::optional<double> ToleranceArg(const std::string& text);

// A count: the whole argument digits, at most 1,000,000.
std::optional<std::size_t> CountArg(const std::string& text);

}  // namespace tabulon::batch
