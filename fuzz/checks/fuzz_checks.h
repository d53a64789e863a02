// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tabulon::fuzz {

// The properties that the fuzz targets check, one function per target. Each takes the raw
// input bytes and returns the empty text when every property holds, or a description of the
// first one that failed. The fuzz targets (fuzz/fuzz_target.cpp) stop on a description; the
// unit tests feed the kept inputs of tests/regressions/ through the same functions.

// LeadingNumber and StrictNumber on the input as a text, against a reference reading with
// strtod; NumberText, ValueText and the round trip NumberText -> LeadingNumber on the input's
// first 8 bytes as a double.
std::string CheckNumbers(std::string_view data);

// ParseTemperatureLine on the input as a record line 1: every limit text is empty or a text
// that LeadingNumber reads back to a number whose NumberText is that text.
std::string CheckTemperatureLine(std::string_view data);

// CoefficientField and CoefficientText: fields are at most 15 blank-free characters; a field
// that is a number shows as C's "%.8E" of it (negative zero as zero) and reads back to itself;
// any other field shows unchanged.
std::string CheckCoefficientText(std::string_view data);

// LineReader on the input as a file, against a reference split at CR LF, CR and LF; every
// line's start offset, and a seek back to it, give the same line.
std::string CheckLineReader(std::string_view data);

// ListSpeciesNames on the input as a file, against a reference scan written from the format's
// rules in the plainest way.
std::string CheckNameScan(std::string_view data);

// FindSpeciesRecord and ThermoFile::Find against a reference lookup for every first word of
// the file (and a few other names). An input holding the separator "@@@@" is two versions of
// the file: both are looked up, the second under the first's names as well.
std::string CheckRecordLookup(std::string_view data);

// The database writer on the input as a database, read in memory: the file is checked, every
// join repaired (one set and both sets, every refit allowed) and the file merged with itself
// (every name taken, repeats dropped); writing it with no change gives the input's bytes back,
// and for an input that loads, each output loads and reads back as the writer says it wrote it.
std::string CheckDatabaseWriter(std::string_view data);

}  // namespace tabulon::fuzz
