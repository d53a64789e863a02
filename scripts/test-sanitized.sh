#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tabulon with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/ and runs
# the whole test suite there, window tests included (offscreen). Any sanitizer finding fails
# its test. Extra arguments go to ctest (for example: ./scripts/test-sanitized.sh -R Hostile).
#
# The build is kept lean for the 2-core CI machine: -O1 with line tables only.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${TABULON_ASAN_BUILD_DIR:-$ROOT/build-asan}"

# The same packages as the normal build; setup.sh installs them where they are missing.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
if ! command -v cmake >/dev/null || ! command -v ninja >/dev/null || ! installed qt6-base-dev ||
  ! installed qt6-qpa-plugins || ! installed libgtest-dev; then
  bash "$ROOT/scripts/setup.sh"
fi

generator=()
[[ -f "$BUILD/CMakeCache.txt" ]] || generator=(-G Ninja)
echo "== Configuring $BUILD (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S "$ROOT" -B "$BUILD" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DTABULON_SANITIZE=ON \
  -DTABULON_BUILD_GUI=ON -DTABULON_BUILD_TESTS=ON >/dev/null
echo "== Building $BUILD"
cmake --build "$BUILD" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
echo "== Running the tests under the sanitizers"
ctest --test-dir "$BUILD" --output-on-failure --no-tests=error -j "$(nproc)" "$@"
