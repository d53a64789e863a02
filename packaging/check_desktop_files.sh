#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the files that desktops, software centres and `man` read:
#   check_desktop_files.sh entry DESKTOP_FILE
#   check_desktop_files.sh metainfo METAINFO_FILE VERSION
#   check_desktop_files.sh man VERSION PAGE...
# Exits 77 (skipped) when the validating tool is not installed, after the checks that need none.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIPPED: $* is not installed (scripts/setup.sh installs it)"; exit 77; }

mode="$1"
case "$mode" in
  entry)
    file="$2"
    # Menus file an entry under each main category it names; one keeps it in one place.
    mains=(AudioVideo Audio Video Development Education Game Graphics Network Office Science
      Settings System Utility)
    categories="$(sed -n 's/^Categories=//p' "$file")"
    count=0
    IFS=';' read -ra named <<<"$categories"
    for category in "${named[@]}"; do
      for main in "${mains[@]}"; do [[ "$category" == "$main" ]] && count=$((count + 1)); done
    done
    ((count == 1)) || fail "$file names $count main categories ($categories), not one"
    command -v desktop-file-validate >/dev/null || skip desktop-file-validate
    # Hints and warnings count too: the tool prints nothing for a clean entry.
    report="$(desktop-file-validate "$file" 2>&1)" || fail "$report"
    [[ -z "$report" ]] || fail "$report"
    ;;
  metainfo)
    file="$2" version="$3"
    grep -q "<release version=\"$version\"" "$file" ||
      fail "$file has no release entry for version $version"
    command -v appstreamcli >/dev/null || skip appstreamcli
    appstreamcli validate --no-net --pedantic "$file" || fail "$file does not validate"
    ;;
  man)
    version="$2"
    shift 2
    for page in "$@"; do
      grep -q "^\.TH .* \"Tabulon $version\"" "$page" || fail "$page does not name Tabulon $version"
      grep -q '^\.SH NAME' "$page" || fail "$page has no NAME section"
    done
    command -v groff >/dev/null || skip groff
    for page in "$@"; do
      # -ww: every warning; -z: format without output. Any message is a fault of the page.
      report="$(groff -man -Tutf8 -ww -z "$page" 2>&1)" || fail "$report"
      [[ -z "$report" ]] || fail "$page: $report"
    done
    ;;
  *)
    echo "usage: check_desktop_files.sh entry|metainfo|man ..." >&2
    exit 2
    ;;
esac
echo "OK: $mode"
