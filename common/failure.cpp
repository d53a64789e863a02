// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/failure.h"

namespace tabulon {

std::string_view FailureDescription(FailureKind kind) {
  switch (kind) {
    case FailureKind::Overflow:
      return "Overflow";
    case FailureKind::DivisionByZero:
      return "Division by zero";
    case FailureKind::InvalidArgument:
      return "Invalid argument";
    case FailureKind::NotANumber:
      return "Not a number";
    case FailureKind::FileFailure:
      return "File failure";
    case FailureKind::InvalidListPosition:
      return "Invalid list position";
    case FailureKind::Cancelled:
      return "Cancelled";
  }
  return "Unexpected failure";
}

namespace {
std::string WhatText(FailureKind kind, const std::string& detail) {
  std::string text(FailureDescription(kind));
  if (!detail.empty()) text += ": " + detail;
  return text;
}
}  // namespace

Failure::Failure(FailureKind kind, std::string detail)
    : std::runtime_error(WhatText(kind, detail)), kind_(kind), detail_(std::move(detail)) {}

}  // namespace tabulon
