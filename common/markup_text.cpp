// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/markup_text.h"

namespace tabulon {

void AppendMarkupText(std::string& out, std::string_view latin1) {
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '&':
        out += "&amp;";
        continue;
      case '<':
        out += "&lt;";
        continue;
      case '>':
        out += "&gt;";
        continue;
      case '"':
        out += "&quot;";
        continue;
      case '\'':
        out += "&#39;";
        continue;
      default:
        break;
    }
    const bool control = (byte < 0x20 && c != '\t' && c != '\n') || (byte >= 0x7f && byte < 0xa0);
    if (control) {
      out += "\xEF\xBF\xBD";
    } else if (byte >= 0x80) {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    } else {
      out += c;
    }
  }
}

std::string MarkupText(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  AppendMarkupText(out, latin1);
  return out;
}

}  // namespace tabulon
