// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabulon {

class MainWindowModel;

namespace transcript {

// A text as it stands in a transcript: in double quotes, with \r, \n, \t, \\, \" and \xNN for
// every byte outside printable ASCII, so a transcript is plain ASCII and shows every byte.
std::string Quoted(std::string_view text);

// The whole observable state of the main window model, one entry per control (and per shared
// value of CommonValue), in a fixed order: key and value. Long lists are summed up by their
// count, their first and last items and a hash of all of them.
using WindowState = std::vector<std::pair<std::string, std::string>>;
WindowState DumpWindow(const MainWindowModel& window);

// A 64-bit FNV-1a hash, in 16 hexadecimal digits.
std::string HashText(std::string_view bytes);

}  // namespace transcript
}  // namespace tabulon
