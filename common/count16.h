// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "common/failure.h"

namespace tabulon {

// A species or list count. Counts are 16-bit signed: a step that would take one past 32767
// (or below -32768) is an overflow failure of the running command, never a wrap-around.
class Count16 {
 public:
  static constexpr int kMax = 32767;
  static constexpr int kMin = -32768;

  constexpr Count16() = default;
  constexpr Count16(int value) : value_(Checked(value)) {}  // NOLINT: counts read like ints

  constexpr int Value() const { return value_; }
  constexpr operator int() const { return value_; }  // NOLINT

  Count16& operator++() { return *this = Count16(value_ + 1); }
  Count16& operator--() { return *this = Count16(value_ - 1); }
  friend Count16 operator+(Count16 a, Count16 b) { return Count16(a.value_ + b.value_); }

 private:
  static constexpr std::int16_t Checked(int value) {
    if (value > kMax || value < kMin) throw Failure(FailureKind::Overflow, "count beyond 32767");
    return static_cast<std::int16_t>(value);
  }
  std::int16_t value_ = 0;
};

}  // namespace tabulon
