// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/message_text.h"

namespace tabulon {

std::string ErrorMessageText(std::string_view description,
                             std::initializer_list<std::string_view> lines,
                             std::string_view new_line) {
  std::string text(description);
  text += new_line;
  text += "TABULON has detected a problem.";
  for (std::string_view line : lines) {
    text += new_line;
    text += line;
  }
  return text;
}

}  // namespace tabulon
