// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulon::fuzz {

// Plain reference readings that the fuzz checks compare the tool's code with. They are written
// for obviousness, not speed.

// A text for a problem description: quoted, with bytes outside printable ASCII as \xNN, and
// cut after 80 characters.
std::string Quoted(std::string_view text);

// A file's lines: split at CR LF, a lone CR and a lone LF; a last line without a line end
// counts unless it is empty. `starts` receives each line's byte offset.
std::vector<std::string> ReferenceLines(std::string_view bytes, std::vector<std::size_t>* starts);

// A-z upper-cased, everything else unchanged.
std::string ReferenceUpper(std::string_view text);

// The first word of a line: the text before its first blank, upper-cased; empty without one.
std::string ReferenceWord(std::string_view line);

}  // namespace tabulon::fuzz
