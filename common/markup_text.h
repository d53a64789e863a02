// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// Text from a database or a path (bytes, each read as one Latin-1 character, as the window shows
// them) put into an HTML or SVG document written in UTF-8: & < > " ' become character
// references, so the text is safe both between tags and inside a quoted attribute; bytes from
// 0x80 become their two-byte UTF-8 form; control characters other than tab and line feed,
// which neither format admits, become U+FFFD.
void AppendMarkupText(std::string& out, std::string_view latin1);
std::string MarkupText(std::string_view latin1);

}  // namespace tabulon
