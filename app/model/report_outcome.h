// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <utility>

#include "common/failure.h"
#include "compare/report_run.h"

namespace tabulon {

// How a report command (Compare, Compare Common Species) ended, for its caller: tabulon-batch
// decides its exit status and what it prints from this, never from the window's captions.
struct ReportOutcome {
  enum class End {
    NotRun,      // nothing to compare: a database not loaded, or no common species
    Written,     // the report was written in full
    Stopped,     // the property report stopped at a species line: `stopped_at` says where
    NotWritten,  // the run ended early and the report was not written completely
  };
  End end = End::NotRun;
  std::optional<Failure> failure;  // why the run did not end Written
  std::optional<ReportRunResult::StoppedAt> stopped_at;
  bool told = false;  // a message told the user why; otherwise only the status line says it

  static ReportOutcome Written() { return Ending(End::Written, std::nullopt, true); }
  // Told: the run's failure has been shown in a message.
  static ReportOutcome NotWritten(const Failure& failure) {
    return Ending(End::NotWritten, failure, true);
  }
  static ReportOutcome Stopped(const Failure& failure, ReportRunResult::StoppedAt where,
                               bool told) {
    ReportOutcome outcome = Ending(End::Stopped, failure, told);
    outcome.stopped_at = std::move(where);
    return outcome;
  }

 private:
  static ReportOutcome Ending(End end, std::optional<Failure> failure, bool told) {
    ReportOutcome outcome;
    outcome.end = end;
    outcome.failure = std::move(failure);
    outcome.told = told;
    return outcome;
  }
};

}  // namespace tabulon
