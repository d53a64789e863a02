#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Records the golden transcripts anew from the current build, for every script or those named.
# Usage: tests/transcript/record.sh [BUILD_DIR] [NAME...]     (BUILD_DIR defaults to build)
# Review the difference (git diff) before committing: a changed transcript is a changed behaviour.
set -e
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
build=${1:-build}
[ $# -gt 0 ] && shift
tool="$build/tests/transcript/tabulon-transcript"
[ -x "$tool" ] || { echo "no $tool: build the target tabulon-transcript first" >&2; exit 2; }
corpus="${TABULON_CORPUS_DIR:-$source/../shared/corpus}"
if [ $# -eq 0 ]; then
  set -- $(cd "$here/scripts" && ls *.steps | sed 's/\.steps$//')
fi
for name in "$@"; do
  tmp=$(mktemp -d)
  if "$tool" --work "$tmp/work" --source "$source" --corpus "$corpus" \
      "$here/scripts/$name.steps" >"$tmp/transcript"; then
    mv "$tmp/transcript" "$here/golden/$name.txt"
    echo "recorded $name"
  else
    echo "not recorded: $name (status $?)" >&2
  fi
  rm -rf "$tmp"
done
