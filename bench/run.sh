#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Speed benchmarks of Tabulon on synthetic databases.
#
#   bench/run.sh            build in Release (build-bench/), generate the databases, time them
#   BENCH_RUNS=9 bench/run.sh
#
# Each benchmark runs once to warm the file cache, then BENCH_RUNS times (default 7); the median
# wall time is compared with its target and reported on one PASS or FAIL line. The exit status
# is 1 when any benchmark fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/timing.sh"

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BENCH_BUILD_DIR:-$ROOT/build-bench}"
RUNS="${BENCH_RUNS:-7}"
JOBS="$(nproc)"

echo "== Building in Release ($BUILD)"
if [[ ! -f "$BUILD/CMakeCache.txt" ]]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULON_BUILD_TESTS=OFF \
    >/dev/null
fi
cmake --build "$BUILD" -j "$JOBS" --target tabulon-batch make_thermo_db floor_compare >/dev/null
BATCH="$BUILD/tabulon-batch"

DATA="$(mktemp -d "${TMPDIR:-/tmp}/tabulon-bench.XXXXXX")"
trap 'rm -rf "$DATA"' EXIT

echo "== Generating databases in $DATA"
"$BUILD/bench/make_thermo_db" one 30000 "$DATA/big30k.dat"
"$BUILD/bench/make_thermo_db" pair 10000 8000 800 "$DATA/pair1.dat" "$DATA/pair2.dat"
"$BUILD/bench/make_thermo_db" pair 30000 24000 2400 "$DATA/big1.dat" "$DATA/big2.dat"
"$BUILD/bench/make_thermo_db" one 30000 "$DATA/jumps30k.dat" --jumps 3000
mkdir -p "$DATA/floor"

FAILED=0

# Median wall time in seconds of RUNS runs of the command (after one warm-up run), printed with
# millisecond precision. Returns 1 (with the command's stderr shown) when the warm-up run fails.
median_seconds() {
  if ! "$@" >/dev/null 2>"$DATA/stderr"; then
    echo "command failed: $*" >&2
    cat "$DATA/stderr" >&2
    return 1
  fi
  median_of_runs "$@"
}

# report NAME TARGET_SECONDS COMMAND...: times the command and prints its PASS or FAIL line.
report() {
  local name="$1" target="$2" median
  shift 2
  if ! median=$(median_seconds "$@"); then
    echo "FAIL  $name: the command failed (target ${target} s)"
    FAILED=1
    return
  fi
  if awk -v m="$median" -v t="$target" 'BEGIN { exit !(m < t) }'; then
    echo "PASS  $name: median ${median} s of $RUNS runs (target < ${target} s)"
  else
    echo "FAIL  $name: median ${median} s of $RUNS runs (target < ${target} s)"
    FAILED=1
  fi
}

bench_list() {
  report "tabulon-batch list, 30,000 species" 0.3 "$BATCH" list "$DATA/big30k.dat"
}

# tabulon-batch loads no Qt library (plot hands over to the window program): the dynamic
# loader's own account of the libraries it loads, for --version and for list of 30,000.
bench_without_qt() {
  local what loaded
  for what in "--version" "list $DATA/big30k.dat"; do
    # shellcheck disable=SC2086 # the words of $what are the arguments
    loaded=$(LD_DEBUG=libs "$BATCH" $what 2>&1 >/dev/null | grep -c 'calling init: .*libQt' || true)
    if ((loaded == 0)); then
      echo "PASS  tabulon-batch $what loads no Qt library"
    else
      echo "FAIL  tabulon-batch $what loads $loaded Qt libraries"
      FAILED=1
    fi
  done
}

# ---------------------------------------------------------------------------------------------
# Compare benchmarks, on the pair generated above ($DATA/pair1.dat and $DATA/pair2.dat: 10,000
# species each, 8,000 in common, 800 of them with slightly different coefficients). Exit status
# 0 of either command means both reports were written in full next to pair1.dat: every common
# species is shown in both detail views four times and evaluated at three temperatures.
# ---------------------------------------------------------------------------------------------
bench_compare() {
  report "tabulon-batch compare, 10,000 + 10,000 species, 8,000 common" 0.2 \
    "$BATCH" compare "$DATA/pair1.dat" "$DATA/pair2.dat"

  # The floor (bench/floor_compare.cpp, the standard library only): one read of each file, the
  # records parsed with from_chars, the same report bytes written directly. Its reports must
  # equal tabulon-batch's, or the ratio compares different work. Timed side by side with the
  # batch run, so both see the same machine load. BENCH_REFERENCE_FLOOR=PROGRAM also prints the
  # ratio to another floor taking DB1 DB2 (it writes next to DB1).
  local floor batch ratio
  "$BUILD/bench/floor_compare" "$DATA/pair1.dat" "$DATA/pair2.dat" "$DATA/floor" >/dev/null
  if ! cmp -s "$DATA/floor/Comp.txt" "$DATA/Comp.txt" ||
    ! cmp -s "$DATA/floor/Comp2.txt" "$DATA/Comp2.txt"; then
    echo "FAIL  compare / floor: the floor's reports differ from tabulon-batch's"
    FAILED=1
  fi
  floor=$(median_of_runs "$BUILD/bench/floor_compare" "$DATA/pair1.dat" "$DATA/pair2.dat" \
    "$DATA/floor")
  batch=$(median_of_runs "$BATCH" compare "$DATA/pair1.dat" "$DATA/pair2.dat")
  ratio=$(awk -v b="$batch" -v f="$floor" 'BEGIN { printf "%.2f", b / f }')
  if awk -v r="$ratio" 'BEGIN { exit !(r <= 1.5) }'; then
    echo "PASS  compare / floor: ${batch} s / ${floor} s = ${ratio} (target <= 1.5)"
  else
    echo "FAIL  compare / floor: ${batch} s / ${floor} s = ${ratio} (target <= 1.5)"
    FAILED=1
  fi
  if [[ -n "${BENCH_REFERENCE_FLOOR:-}" ]]; then
    local reference
    reference=$(median_of_runs "$BENCH_REFERENCE_FLOOR" "$DATA/pair1.dat" "$DATA/pair2.dat")
    echo "INFO  compare / reference floor: ${batch} s / ${reference} s =" \
      "$(awk -v b="$batch" -v f="$reference" 'BEGIN { printf "%.2f", b / f }')"
  fi

  # Peak memory of the comparison of two 30,000-species databases (24,000 in common).
  local peak
  /usr/bin/time -o "$DATA/peak" -f "%M" "$BATCH" compare "$DATA/big1.dat" "$DATA/big2.dat" \
    >/dev/null 2>&1 || true
  peak=$(tail -n 1 "$DATA/peak")
  if [[ "$peak" =~ ^[0-9]+$ ]] && ((peak < 64 * 1024)); then
    echo "PASS  peak memory, 30,000 + 30,000 species: $((peak / 1024)) MB (target < 64 MB)"
  else
    echo "FAIL  peak memory, 30,000 + 30,000 species: ${peak} KB (target < 64 MB)"
    FAILED=1
  fi

  # The same through the Qt window on the offscreen platform: the view's share of the cost.
  if ! cmake --build "$BUILD" -j "$JOBS" --target qt_compare >/dev/null 2>&1; then
    echo "SKIP  Qt window compare: qt_compare not built (TABULON_BUILD_GUI off?)"
    return
  fi
  QT_QPA_PLATFORM=offscreen report "Qt window compare, 10,000 + 10,000 species, 8,000 common" 3 \
    "$BUILD/bench/qt_compare" "$DATA/pair1.dat" "$DATA/pair2.dat"
}

# Typing into a species filter of 30,000 names: the program itself times each keystroke (key
# event to the list painted with the rows that contain the text) and judges the slowest median.
bench_filter() {
  if ! cmake --build "$BUILD" -j "$JOBS" --target qt_filter >/dev/null 2>&1; then
    echo "SKIP  species filter: qt_filter not built (TABULON_BUILD_GUI off?)"
    return
  fi
  local slowest
  if slowest=$(QT_QPA_PLATFORM=offscreen "$BUILD/bench/qt_filter" 30000 2>/dev/null); then
    echo "PASS  species filter, 30,000 names: slowest keystroke ${slowest} ms (target < 20 ms)"
  else
    echo "FAIL  species filter, 30,000 names: slowest keystroke ${slowest:-?} ms (target < 20 ms)"
    FAILED=1
  fi
}

# The findings and differences windows with 100,000 rows each: the program times each from the
# key press (or the scan's start) to the table painted, and the longest stretch the window's
# thread was busy meanwhile, and prints its PASS or FAIL lines against the targets.
bench_results() {
  if ! cmake --build "$BUILD" -j "$JOBS" --target qt_results >/dev/null 2>&1; then
    echo "SKIP  results windows: qt_results not built (TABULON_BUILD_GUI off?)"
    return
  fi
  mkdir -p "$DATA/results"
  QT_QPA_PLATFORM=offscreen "$BUILD/bench/qt_results" "$DATA/results" 100000 2>/dev/null ||
    FAILED=1
}

# Database check and deviation scan. The generated databases are clean, so check exits 0 (a
# finding would make it exit 1 and the benchmark fail, which is meant: the data went wrong).
bench_check_and_diff() {
  report "tabulon-batch check, 30,000 species" 0.5 "$BATCH" check "$DATA/big30k.dat"
  report "tabulon-batch diff, 10,000 + 10,000 species, 8,000 common" 0.5 \
    "$BATCH" diff "$DATA/pair1.dat" "$DATA/pair2.dat" --csv
}

# Plotting H2O with 6,000 points per curve, from one example and from both; the program times
# itself (the median of its runs, without Qt's start), since the target is below a process
# start-up.
bench_plot() {
  if ! cmake --build "$BUILD" -j "$JOBS" --target plot_species >/dev/null 2>&1; then
    echo "SKIP  plot: plot_species not built (TABULON_BUILD_GUI off?)"
    return
  fi
  "$BUILD/bench/plot_species" "$ROOT/examples/therm_a.dat" H2O 2>/dev/null || FAILED=1
  # Both databases overlaid: twice the curves.
  PLOT_TARGET_MS=250 "$BUILD/bench/plot_species" "$ROOT/examples/therm_a.dat" H2O \
    "$ROOT/examples/therm_b.dat" 2>/dev/null || FAILED=1
  bench_plot_svg
}

# The four charts of H2O in both example databases as the plot window's Export SVG writes them
# (tabulon --plot draws with the same domain writer): under 200 KB.
bench_plot_svg() {
  if ! cmake --build "$BUILD" -j "$JOBS" --target tabulon >/dev/null 2>&1; then
    echo "SKIP  plot SVG: tabulon not built (TABULON_BUILD_GUI off?)"
    return
  fi
  local svg="$DATA/h2o.svg" size
  if ! "$BUILD/app/tabulon" --plot "$ROOT/examples/therm_a.dat" H2O \
    --db2 "$ROOT/examples/therm_b.dat" --out "$svg" 2>"$DATA/stderr"; then
    echo "FAIL  plot SVG of H2O: tabulon --plot failed: $(head -1 "$DATA/stderr")"
    FAILED=1
    return
  fi
  size=$(stat -c %s "$svg")
  if ((size < 200 * 1024)); then
    echo "PASS  plot SVG of H2O, both databases, four charts: $((size / 1024)) KB (target < 200 KB)"
  else
    echo "FAIL  plot SVG of H2O, both databases, four charts: $size bytes (target < 200 KB)"
    FAILED=1
  fi
}

# Writing new databases: the repair of 3,000 jumps among 30,000 records (half refits, half
# shifts; exit status 0 means all were repaired and the file read back as written), and the
# merge of the pair taking every species of the second file (8,000 replaced, 2,000 added).
bench_repair_and_merge() {
  report "tabulon-batch repair, 30,000 species with 3,000 jumps" 2 \
    "$BATCH" repair "$DATA/jumps30k.dat" --out "$DATA/repaired.dat" --force
  "$BATCH" list "$DATA/pair2.dat" | tail -n +2 >"$DATA/take.txt"
  report "tabulon-batch merge, 10,000 + 10,000 species, all of the second taken" 0.5 \
    "$BATCH" merge "$DATA/pair1.dat" "$DATA/pair2.dat" --out "$DATA/merged.dat" --force \
    --take-file "$DATA/take.txt"
}

# The comparison page of two real databases from the corpus, prf v3 against n-heptane v2
# (546 species in both): written in under 2 s, under 5 MB with the default 20 plots, and read
# without an error by the strict HTML5 reading of the tests.
bench_report() {
  local corpus="${TABULON_CORPUS_DIR:-$ROOT/../shared/corpus}"
  local one="$corpus/llnl_prf_v3_therm.txt" two="$corpus/llnl_nheptane_v2_lowercase.txt"
  if [[ ! -f "$one" || ! -f "$two" ]]; then
    echo "SKIP  comparison page: no corpus at $corpus (set TABULON_CORPUS_DIR)"
    return
  fi
  local page="$DATA/page.html" size plots
  report "tabulon-batch report, prf v3 against n-heptane v2" 2 "$BATCH" report "$one" "$two" \
    --out "$page"
  size=$(stat -c %s "$page")
  plots=$(grep -c "<svg" "$page")
  if ((size < 5 * 1024 * 1024 && plots == 20)) &&
    python3 "$ROOT/tests/report/strict_html.py" "$page" >"$DATA/html-errors"; then
    echo "PASS  comparison page: $((size / 1024)) KB with $plots plots, valid (target < 5 MB, 20)"
  else
    echo "FAIL  comparison page: $size bytes with $plots plots (target < 5 MB, 20)"
    head -5 "$DATA/html-errors"
    FAILED=1
  fi
}

echo "== Benchmarks ($(nproc) cores)"
bench_list
bench_without_qt
bench_compare
bench_filter
bench_plot
bench_results
bench_check_and_diff
bench_repair_and_merge
bench_report
exit "$FAILED"
