#!/usr/bin/env bash
# Sets everything up (scripts/setup.sh), then runs all tests. Extra arguments go to ctest
# (for example: ./scripts/test.sh -R Compare -j2).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"

# The window tests run without a screen.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$ROOT/build" --output-on-failure --no-tests=error "$@"
