#!/usr/bin/env bash
# Sets everything up (scripts/setup.sh), then starts the Tabulon window.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$ROOT/scripts/setup.sh"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "start.sh: no display found; without a screen run: xvfb-run ./scripts/start.sh" >&2
  exit 1
fi
exec "$ROOT/build/app/tabulon"
