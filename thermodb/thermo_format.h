// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon {

// The thermo database format as the tool reads it: a preamble, a header line beginning
// "THERMO", a body of four-line species records and a line "END". A blank is the space
// character only; tests upper-case a-z only (common/ascii_text.h), so other bytes compare as
// they are.

// The header line: its first six characters after any leading blanks, upper-cased, are
// "THERMO" (" THERMO", "thermo", "THERMO ALL").
bool IsHeaderLine(std::string_view line);

// The end line: upper-cased and without blanks around it, exactly "END". "END OF DATA" and
// "ENDOFDATA" are not end lines.
bool IsEndLine(std::string_view line);

// The line-number tail of record line 1: its last blank-separated token, which ends at
// `end_column` (counted from 1), when that token is the line number "1", a digit and "1"
// ("11", "51"), or a record counter written before the line number: three to five digits
// ending in "1" whose last character stands in column 80 ("101", "1001"). An integer common
// temperature that ends before column 80 ("1391") is never a tail.
bool IsLineNumberTail(std::string_view token, std::size_t end_column);

// Kinds of body lines, tested in this order.
enum class BodyLineKind {
  End,      // IsEndLine
  Filler,   // empty, or its first two characters are blanks
  Species,  // the first line of a record: its first character is an ASCII letter; or it is a
            // digit or "(" ("1C5H11OH", "(CH2O)3"), the line ends in a line-number tail and its
            // first token does not read wholly as a number (so coefficient lines, which end in
            // 2, 3 or 4, and lines of temperatures never count)
  Other,    // anything else: record lines 2 to 4, a single leading blank, "!", signs
};
BodyLineKind ClassifyBodyLine(std::string_view line);

// The first word of a line, upper-cased: the text before its first blank, or the empty text
// when the line holds no blank. It is the name of a species line, and the word that the record
// lookup compares with the wanted name.
std::string RecordWord(std::string_view line);

// A comment line: "!" first, or a blank then "!". The record lookup skips comment lines that
// stand between the lines of a record. An empty line is not a comment line.
bool IsCommentLine(std::string_view line);

// Columns first..last of a line, counted from 1; the part past the line's end is left out
// (blank), so a short line gives a short or empty text.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t last);

// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);

// Coefficient field k (1 to 5) of record lines 2 to 4: columns 15k-14 to 15k with every blank
// removed. A short line gives an empty or partial field.
std::string CoefficientField(std::string_view line, int k);

}  // namespace tabulon
