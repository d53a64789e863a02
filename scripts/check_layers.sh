#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a domain file (thermodb/, properties/, compare/) includes the window model (app/),
# the window's controls or platform services, or Qt: the domain must stay usable without them.
# Usage: scripts/check_layers.sh [SOURCE_DIR]
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2
found=$(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](app/|Q[A-Za-z]*[>/]|Qt|common/(controls|platform_services|scripted_platform)\.h)' \
  thermodb/*.h thermodb/*.cpp properties/*.h properties/*.cpp compare/*.h compare/*.cpp 2>/dev/null)
if [ -n "$found" ]; then
  echo "Domain files include the window model, controls or Qt:" >&2
  echo "$found" >&2
  exit 1
fi
exit 0
