// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// The directory part of a database path: up to and including its last backslash, or, when it
// has none, its last slash; empty for a bare file name.
std::string DirectoryOf(std::string_view path);

// The caption of a path label (Lbl1, Lbl2): the prefix ("DB1: ") and the path, or, for a path of
// 50 characters or more, the prefix, the first three characters of `dir`, "[...]" with the
// directory's separator, and the file name: "DB1: C:\[...]\therm.dat",
// "DB1: /ho[...]/therm.dat". `dir` is DirectoryOf(path).
std::string PathCaption(std::string_view prefix, std::string_view path, std::string_view dir);

}  // namespace tabulon
