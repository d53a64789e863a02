// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tabulon {

// How a scan of a database ended.
enum class ScanEnd {
  EndLine,     // success: the end line was reached
  CannotOpen,  // missing, unreadable, or not a regular file
  CannotRead,  // a read error part-way
  NoHeader,    // no header line in the whole file
  NoEndLine,   // the file ended before its end line
};

struct ScanResult {
  ScanEnd end = ScanEnd::EndLine;
  // For a failure, what went wrong in words, as the user is told: "it has no THERMO header
  // line", "it ends at line 120 without an END line", "the file cannot be opened: <reason>".
  std::string problem;

  bool Succeeded() const { return end == ScanEnd::EndLine; }
};

// The words of each failed scan, as the user is told them when a load fails.
std::string CannotOpenProblem(const std::string& reason);
std::string CannotReadProblem(const std::string& reason);
std::string NoHeaderProblem();
std::string NoEndLineProblem(std::uint64_t lines_read);

// Reads the file from the top and hands the name of every species line of the body to
// `on_name`, in file order, repeats and empty names included. A failure may come after some
// names were handed over. An exception thrown by `on_name` ends the scan and propagates.
ScanResult ListSpeciesNames(const std::string& path,
                            const std::function<void(std::string name)>& on_name);

}  // namespace tabulon
