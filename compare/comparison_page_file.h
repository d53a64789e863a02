// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

#include "compare/comparison_summary.h"

namespace tabulon {

// The comparison page of two database files, from reading them to the written page: what
// tabulon-batch report and the window's Export HTML report do.
struct PageFileOutcome {
  enum class Status {
    Written,
    Cancelled,   // the progress callback asked to stop: nothing was written
    NotLoaded,   // a database cannot be loaded: `path` and `problem` say which and why
    NotWritten,  // the page cannot be written (or would replace a database): `problem`
  };
  Status status = Status::Written;
  std::string path;                     // the database that cannot be loaded, or the page
  std::string problem;                  // why, for people
  std::size_t common = 0, plotted = 0;  // species in both, species plotted
};

// Reads both databases (once each, as they are on disk now), summarizes them, and writes the
// page to `page` whole or not at all, never over either database. `generator` names the
// program in the page; the date is now.
PageFileOutcome WriteComparisonPageFile(const std::string& first, const std::string& second,
                                        const std::string& page, const SummaryOptions& options,
                                        const std::string& generator,
                                        const SummaryProgress& progress = {});

}  // namespace tabulon
