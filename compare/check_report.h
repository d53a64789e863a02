// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "compare/database_check.h"

namespace tabulon {

// The database check's findings as text for people and for programs. Names and details are
// written as the bytes they are, except where a format needs escaping.

// One finding per line: LINE<TAB>NAME<TAB>CODE<TAB>detail.
void WriteFindingsText(std::ostream& out, std::span<const CheckFinding> findings);

// Header "line,name,code,detail", then one row per finding; fields quoted as CSV needs.
void WriteFindingsCsv(std::ostream& out, std::span<const CheckFinding> findings);

// An array of objects {"line", "name", "code", "detail", "numbers": {name: value, ...}}. Bytes
// outside printable ASCII are written as \u00XX (read as Latin-1); a number that is not finite
// is null.
void WriteFindingsJson(std::ostream& out, std::span<const CheckFinding> findings);

// Shared by the writers of the check and of the deviation scan.
// A CSV field: as it is, or in double quotes (inner quotes doubled) when it holds a comma, a
// quote, a line end or leading or trailing blanks.
std::string CsvField(std::string_view text);

}  // namespace tabulon
