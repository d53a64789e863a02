#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when an include runs up the layers. From the bottom: common/ < thermodb/ < properties/ <
# compare/ (the domain, no Qt) < app/model/ (the window model, no Qt) < app/qt/ and batch/ (no
# Qt either). A file may include its own layer and the layers below it, never one above it.
# Usage: scripts/check_layers.sh [SOURCE_DIR]
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

include='^[[:space:]]*#[[:space:]]*include[[:space:]]*'
qt='<Q[A-Za-z]*[>/]|<Qt'
status=0

# check FOLDER FORBIDDEN: FORBIDDEN is an extended regular expression of include targets.
check() {
  folder=$1
  forbidden=$2
  found=$(find "$folder" -maxdepth 1 \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null |
    sort | xargs -r grep -nE "$include($forbidden)")
  if [ -n "$found" ]; then
    echo "Includes against the layers in $folder/:" >&2
    echo "$found" >&2
    status=1
  fi
}

check common '"(thermodb|properties|compare|app|batch)/|'"$qt"
check thermodb '"(properties|compare|app|batch)/|'"$qt"
check properties '"(compare|app|batch)/|'"$qt"
check compare '"(app|batch)/|'"$qt"
check app/model '"(app/qt|batch)/|'"$qt"
check app/qt '"batch/'
check app/qt/plot '"batch/'
# tabulon-batch runs without Qt: plot hands over to the window program.
check batch '"app/qt/|'"$qt"
exit $status
