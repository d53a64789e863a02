#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one transcript script and compares its transcript with the recorded one.
# Usage: check.sh TOOL SCRIPT GOLDEN SOURCE_DIR CORPUS_DIR   (exit 77: corpus absent, skipped)
tool=$1 script=$2 golden=$3 source=$4 corpus=${TABULON_CORPUS_DIR:-$5}
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
"$tool" --work "$tmp/work" --source "$source" --corpus "$corpus" "$script" >"$tmp/transcript"
status=$?
[ "$status" -eq 77 ] && exit 77
if [ "$status" -ne 0 ]; then
  echo "tabulon-transcript failed with status $status on $script"
  exit 1
fi
if diff -u "$golden" "$tmp/transcript" >"$tmp/diff"; then exit 0; fi
echo "transcript of $script differs from $golden (first 300 lines of the difference):"
head -n 300 "$tmp/diff"
exit 1
