#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up (scripts/setup.sh), builds the window alone (the tests are built by
# scripts/test.sh), then starts it. Arguments go to the window.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"
echo "== Building the window"
cmake --build "$ROOT/build" --target tabulon -j "$(nproc)"

# --help and --version need no screen.
informational=false
for arg in "$@"; do [[ "$arg" == --help || "$arg" == -h || "$arg" == --version ]] && informational=true; done
if ! $informational && [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "start.sh: no display found; without a screen run: xvfb-run ./scripts/start.sh" >&2
  exit 1
fi
exec "$ROOT/build/app/tabulon" "$@"
