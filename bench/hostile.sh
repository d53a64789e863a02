#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the worst inputs that the hostile-input tests feed to Tabulon: lines of 10 MB, ten
# million empty lines, a line 1 of five million tokens, numbers of 128 KB, the 16-bit species
# bound and a full comparison of two databases of 32,767 species, through tabulon-batch and the
# Qt window. No input may make a command take more than a few seconds on the 2-core machine.
#
#   bench/hostile.sh                         build in Release (build-bench/) and time everything
#   BENCH_BUILD_DIR=build-asan bench/hostile.sh   the same under the sanitizers (an existing
#                                            build folder is used as it is configured)
#   BENCH_RUNS=5 bench/hostile.sh
#
# Each command runs once to warm the file cache, then BENCH_RUNS times (default 3); the median
# wall time is compared with its target on one PASS or FAIL line. The exit status is 1 when any
# command fails or misses its target. Under the sanitizers expect several times the Release
# times: read the numbers there, not the verdicts.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timing.sh"

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BENCH_BUILD_DIR:-$ROOT/build-bench}"
[[ "$BUILD" = /* ]] || BUILD="$ROOT/$BUILD"
RUNS="${BENCH_RUNS:-3}"
JOBS="$(nproc)"

if [[ ! -f "$BUILD/CMakeCache.txt" ]]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULON_BUILD_TESTS=OFF \
    >/dev/null
fi
echo "== Building in $BUILD"
cmake --build "$BUILD" -j "$JOBS" --target tabulon-batch make_thermo_db >/dev/null
BATCH="$BUILD/tabulon-batch"
QT_COMPARE=""
if cmake --build "$BUILD" -j "$JOBS" --target qt_compare >/dev/null 2>&1; then
  QT_COMPARE="$BUILD/bench/qt_compare"
fi

DATA="$(mktemp -d "${TMPDIR:-/tmp}/tabulon-hostile.XXXXXX")"
trap 'rm -rf "$DATA"' EXIT
cd "$DATA"

# ---- The inputs ------------------------------------------------------------------------------
MB10=$((10 * 1024 * 1024))
repeat() { head -c "$2" /dev/zero | tr '\0' "$1"; } # repeat CHAR BYTES
LINE2=' 2.50000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00 0.00000000E+00    2'
LINE3='-7.45375000E+02 4.37966038E+00 2.50000000E+00 0.00000000E+00 0.00000000E+00    3'
LINE4=' 0.00000000E+00 0.00000000E+00-7.45375000E+02 4.37966038E+00                   4'
TEMPS='200.000  5000.000  1000.000    1'
tail_lines() { printf '\r\n%s\r\n%s\r\n%s\r\n' "$LINE2" "$LINE3" "$LINE4"; }

echo "== Writing the inputs in $DATA"
{ printf 'THERMO\r\n'; repeat H $MB10; printf ' x\r\nEND\r\n'; } >name10m.dat
{ printf 'THERMO\r\n'; repeat ' ' $MB10; printf '\r\nEND\r\n'; } >blanks10m.dat
{ printf 'THERMO\r\n'; repeat '\r' $MB10; printf 'END\r\n'; } >empty_lines10m.dat
{ printf 'THERMO\r\n'; { yes ' x' || true; } | head -c $MB10; printf 'END\r\n'; } >other_lines10m.dat
{ printf 'THERMO\r\n'; for ((i = 0; i < 32768; i++)); do printf 'S%05d x\r\n' "$i"; done
  printf 'END\r\n'; } >species32768.dat
{ printf 'THERMO\r\nAR'; repeat ' ' $MB10; printf '%s' "$TEMPS"; tail_lines; printf 'END\r\n'; } \
  >wide_line1.dat
{ printf 'THERMO\r\nAR '; { yes a || true; } | head -c $MB10 | tr '\n' ' '; printf '%s' "$TEMPS"; tail_lines
  printf 'END\r\n'; } >tokens_line1.dat
{ printf 'THERMO\r\nAR x %s\r\n%s' "$TEMPS" "$LINE2"; repeat 9 $MB10
  printf '\r\n%s\r\n%s\r\nEND\r\n' "$LINE3" "$LINE4"; } >long_line2.dat
{ printf 'THERMO\r\n'; repeat H $MB10; printf ' x %s' "$TEMPS"; tail_lines
  printf 'AR x %s' "$TEMPS"; tail_lines; printf 'END\r\n'; } >huge_name1.dat
cp huge_name1.dat huge_name2.dat
"$BUILD/bench/make_thermo_db" pair 32767 32767 3000 full1.dat full2.dat
# The longest argument Linux passes is 128 KiB.
DIGITS="$(repeat 9 131000)"
TINY="0.$(repeat 0 131000)3"

# ---- Timing ----------------------------------------------------------------------------------
FAILED=0

# Median wall time in seconds of RUNS runs after one warm-up run. A command must exit with the
# given status, or the benchmark measures something else.
median_seconds() {
  local status="$1"
  shift
  set +e
  "$@" >/dev/null 2>stderr.txt
  local got=$?
  set -e
  if ((got != status)); then
    echo "exit status $got, expected $status: $(head -c 300 stderr.txt)" >&2
    return 1
  fi
  median_of_runs "$@"
}

# report NAME TARGET_SECONDS STATUS COMMAND...
report() {
  local name="$1" target="$2" status="$3" median
  shift 3
  if ! median=$(median_seconds "$status" "$@"); then
    echo "FAIL  $name: the command did not end as expected"
    FAILED=1
  elif awk -v m="$median" -v t="$target" 'BEGIN { exit !(m < t) }'; then
    echo "PASS  $name: median ${median} s of $RUNS runs (target < ${target} s)"
  else
    echo "FAIL  $name: median ${median} s of $RUNS runs (target < ${target} s)"
    FAILED=1
  fi
}

echo "== Hostile inputs ($(nproc) cores)"
report "list: a species name of 10 MB" 1 0 "$BATCH" list name10m.dat
report "list: a line of 10 MB blanks" 1 0 "$BATCH" list blanks10m.dat
report "list: ten million empty lines (CR only)" 1 0 "$BATCH" list empty_lines10m.dat
report "list: 10 MB of indented lines" 1 0 "$BATCH" list other_lines10m.dat
report "list: 32,768 species, one past the bound" 1 1 "$BATCH" list species32768.dat
report "show: record line 1 of 10 MB blanks" 1 0 "$BATCH" show wide_line1.dat AR 300
report "show: record line 1 of five million tokens" 1 0 "$BATCH" show tokens_line1.dat AR 300
report "show: record line 2 of 10 MB" 1 0 "$BATCH" show long_line2.dat AR 300
report "show: a temperature of 131,000 digits" 1 0 "$BATCH" show wide_line1.dat AR "$DIGITS"
report "show: a temperature of 131,000 zeros after the point" 1 0 \
  "$BATCH" show wide_line1.dat AR "$TINY"
report "compare: a common species named with 10 MB" 3 0 "$BATCH" compare huge_name1.dat huge_name2.dat
report "compare: 32,767 + 32,767 species, all common" 5 0 "$BATCH" compare full1.dat full2.dat
if [[ -n "$QT_COMPARE" ]]; then
  export QT_QPA_PLATFORM=offscreen
  report "Qt window compare: a species named with 10 MB" 3 0 \
    "$QT_COMPARE" huge_name1.dat huge_name2.dat
  report "Qt window compare: 32,767 + 32,767 species" 6 0 "$QT_COMPARE" full1.dat full2.dat
else
  echo "SKIP  Qt window: qt_compare not built (TABULON_BUILD_GUI off?)"
fi
exit "$FAILED"
