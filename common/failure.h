// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tabulon {

// The ways a command can fail. Every command arms one failure path at its start; any of these
// ends the command at that point (see the callers for what each one leaves behind).
enum class FailureKind {
  Overflow,             // a value beyond the double range, or a 16-bit count past 32767
  DivisionByZero,       // H at T = 0, a ratio with a zero divisor
  InvalidArgument,      // the logarithm of a number that is not positive
  NotANumber,           // a strict conversion of a text that is not a number as a whole
  FileFailure,          // a file that cannot be opened, read or written, or is malformed
  InvalidListPosition,  // removal at an index that the list does not have
  Cancelled,            // the user cancelled the open-file dialog
};

// The first line of an error message: the description of the failure being handled.
std::string_view FailureDescription(FailureKind kind);

class Failure : public std::runtime_error {
 public:
  // `detail` says what went wrong in words for diagnostics (tabulon-batch prints it); it never
  // appears in the window, whose messages use FailureDescription.
  explicit Failure(FailureKind kind, std::string detail = {});

  FailureKind Kind() const { return kind_; }
  const std::string& Detail() const { return detail_; }
  std::string_view Description() const { return FailureDescription(kind_); }

 private:
  FailureKind kind_;
  std::string detail_;
};

}  // namespace tabulon
