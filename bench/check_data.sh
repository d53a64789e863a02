#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the data that the README walk-through and the benchmarks rely on, through
# tabulon-batch:
#   check_data.sh examples  BATCH EXAMPLES_DIR    the example databases give the values the
#                                                 README quotes
#   check_data.sh generator BATCH MAKE_THERMO_DB  generated databases load whole, and a pair
#                                                 compares with the requested counts
# Works on copies in a temporary folder, since the comparison writes its reports next to DB #1.
set -euo pipefail

mode="$1" batch="$2" source="$3"
work="$(mktemp -d "${TMPDIR:-/tmp}/tabulon-check.XXXXXX")"
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

# expect WHAT EXPECTED ACTUAL
expect() {
  if [[ "$2" == "$3" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") || true
  fi
}

# The arguments as lines.
joined() { printf '%s\n' "$@"; }

# Lines FIRST to LAST of the output of a command that may exit 1 (a failed load still prints).
lines() {
  local first="$1" last="$2"
  shift 2
  { "$@" 2>&1 || true; } | sed -n "${first},${last}p"
}

case "$mode" in
  examples)
    cp "$source/therm_a.dat" "$source/therm_b.dat" "$work/"
    a="$work/therm_a.dat" b="$work/therm_b.dat"
    expect "species of therm_a.dat" "(15)" "$(lines 1 1 "$batch" list "$a")"
    expect "therm_b.dat lists its repeated CO2 once" "(15)" "$(lines 1 1 "$batch" list "$b")"
    expect "CH4 of therm_a.dat" \
      "$(joined ' 200    5000    1000' $'298.15\t 8.559\t-17.9\t 44.51' \
        $'1000\t 17.18/ 17.18\t-8.758/-8.758\t 59.18/ 59.18')" \
      "$({ "$batch" show "$a" CH4 298.15 1000 | sed -n '1p;6,7p'; } 2>&1)"
    # H2O of therm_b.dat was fitted range by range: its Cp jumps at 1000 K, so the second Cp
    # box turns red ("!"), while H and S join. The continuous fit of therm_a.dat stays black.
    expect "H2O of therm_b.dat at its common temperature" \
      $'1000\t 9.843/ 9.864!\t-51.58/-51.58\t 55.63/ 55.63' \
      "$({ "$batch" show "$b" H2O 1000 | sed -n 6p; } 2>&1)"
    expect "H2O of therm_a.dat at its common temperature" \
      $'1000\t 9.856/ 9.856\t-51.59/-51.59\t 55.62/ 55.62' \
      "$({ "$batch" show "$a" H2O 1000 | sed -n 6p; } 2>&1)"
    expect "comparison of the examples" \
      "$(joined 'DB1 (15)' 'DB2 (15)' 'common (12)' 'only1 (3)' 'only2 (3)' \
        'msglbl1: Output copied to: Comp.txt' 'msglbl2: Output copied to: Comp2.txt')" \
      "$("$batch" compare "$a" "$b" 2>&1)"
    expect "species with differing coefficients" "$(joined CH4 CO2 H2O N2 OH)" \
      "$(tr -d '\r' <"$work/Comp.txt" | grep -B1 '^a1 //' | grep -v -e '^a1 //' -e '^--$' || true)"
    # Species lines whose Cp, H or S ratio is not 1: name and the three ratios.
    expect "ratios other than 1 in Comp2.txt" \
      "$(joined 'CH4 1.01 1 1' 'OH 1 1.04 1' 'OH 1 1.03 1' 'OH 1 1.02 1')" \
      "$(tr -d '\r' <"$work/Comp2.txt" | awk -F'\t' '
          NF == 10 && $1 != "Species" && $1 !~ /^T / && ($4 != " 1" || $7 != " 1" || $10 != " 1") {
            print $1, $4 + 0, $7 + 0, $10 + 0 }')"
    ;;
  generator)
    "$source" one 500 "$work/one.dat"
    expect "a generated database loads whole" "(500)" "$(lines 1 1 "$batch" list "$work/one.dat")"
    "$source" one 500 "$work/again.dat"
    expect "the same arguments give the same file" "" \
      "$(cmp "$work/one.dat" "$work/again.dat" 2>&1)"
    "$source" one 200 "$work/jumps.dat" --jumps 20
    expect "a database with jumps has them where asked" "20" \
      "$("$batch" check "$work/jumps.dat" | grep -E 'cp-jump|h-jump|s-jump' | cut -f1 | sort -u |
        wc -l)"
    status=0
    "$batch" repair "$work/jumps.dat" --out "$work/repaired.dat" >"$work/rows" || status=$?
    expect "every jump is repaired, none refused" "20 0" "$(wc -l <"$work/rows") $status"
    expect "the repaired database has no jump left" "0" \
      "$("$batch" check "$work/repaired.dat" | grep -c -E 'cp-jump|h-jump|s-jump' || true)"
    "$source" pair 60 40 10 "$work/p1.dat" "$work/p2.dat" --crlf
    expect "a generated pair compares with the requested counts" \
      "$(joined 'DB1 (60)' 'DB2 (60)' 'common (40)' 'only1 (20)' 'only2 (20)')" \
      "$(lines 1 5 "$batch" compare "$work/p1.dat" "$work/p2.dat")"
    expect "common species with differing coefficients" "10" \
      "$(tr -d '\r' <"$work/Comp.txt" | grep -c '^a1 //' || true)"
    expect "the property report covers every common species" "$((4 + 3 * (2 + 40) + 4))" \
      "$(tr -d '\r' <"$work/Comp2.txt" | wc -l)"
    ;;
  *)
    echo "usage: check_data.sh examples|generator BATCH PATH" >&2
    exit 2
    ;;
esac

echo "$passed passed, $failed failed"
((failed == 0))
