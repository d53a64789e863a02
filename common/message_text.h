// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabulon {

// The text of an error message: the description of the failure being handled (empty when there
// is none), "TABULON has detected a problem.", then the message's own lines, all joined by
// `new_line` (the window's NewLine, carriage return and line feed).
std::string ErrorMessageText(std::string_view description,
                             std::initializer_list<std::string_view> lines,
                             std::string_view new_line);

}  // namespace tabulon
