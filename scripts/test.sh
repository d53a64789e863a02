#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up (scripts/setup.sh), builds everything, then runs all tests. Extra
# arguments go to ctest (for example: ./scripts/test.sh -R Compare -j2).
#
# Tests that read the corpus of real databases find it through TABULON_CORPUS_DIR (environment,
# or cmake -DTABULON_CORPUS_DIR=...; by default ../shared/corpus beside the repository). Without
# it they are skipped and ctest lists them as "Skipped"; TABULON_CORPUS_REQUIRED=1 makes a
# missing corpus fail them instead.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
echo "== Building $ROOT/build"
cmake --build "$ROOT/build" -j "$(nproc)"

corpus="${TABULON_CORPUS_DIR:-$(sed -n 's/^TABULON_CORPUS_DIR:PATH=//p' "$ROOT/build/CMakeCache.txt")}"
if [[ ! -d "$corpus" ]]; then
  echo "== No corpus of real databases at $corpus: the tests that read it are skipped" \
    "(set TABULON_CORPUS_DIR to its folder to run them)"
fi

# The window tests run without a screen.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$ROOT/build" --output-on-failure --no-tests=error "$@"
