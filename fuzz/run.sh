#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang's libFuzzer and runs each for a fixed time.
#
#   fuzz/run.sh [SECONDS] [TARGET...]   default: 60 seconds for every target
#   FUZZ_JOBS=2 fuzz/run.sh 600         two targets at a time (one per core)
#
# Each target starts from its seeds (fuzz/seeds/TARGET) and the corpus it grew in earlier runs
# (build-fuzz/corpus/TARGET, not in git). A failing input is kept as
# build-fuzz/artifacts/TARGET/crash-*; copy it to tests/regressions/TARGET/ so that the unit
# tests keep checking it. The exit status is 1 when any target found a failure.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${1:-60}"
shift || true
JOBS="${FUZZ_JOBS:-1}"
ALL_TARGETS=(numbers temperature_line coefficient_text line_reader name_scan record_lookup
  database_writer)
TARGETS=("$@")
((${#TARGETS[@]})) || TARGETS=("${ALL_TARGETS[@]}")

if ! command -v clang++-14 >/dev/null || [[ ! -d /usr/lib/llvm-14/lib/clang ]] ||
  ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "== Installing clang-14 and its runtime libraries (libFuzzer)"
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y clang-14 libclang-rt-14-dev \
    cmake ninja-build
fi

echo "== Building the fuzz targets in $BUILD"
cmake -S "$ROOT/fuzz" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$BUILD" -j "$(nproc)" >/dev/null

# Longer inputs for the file readers, so that lines cross the reader's 4 KiB and 64 KiB reads.
max_len() {
  case "$1" in
    line_reader | name_scan | record_lookup) echo 70000 ;;
    database_writer) echo 8192 ;;
    *) echo 4096 ;;
  esac
}

run_target() {
  local target="$1" corpus="$BUILD/corpus/$1" artifacts="$BUILD/artifacts/$1/"
  mkdir -p "$corpus" "$artifacts"
  if "$BUILD/fuzz_$target" "$corpus" "$ROOT/fuzz/seeds/$target" \
    -max_total_time="$SECONDS_EACH" -max_len="$(max_len "$target")" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$artifacts" -print_final_stats=1 \
    >"$BUILD/$target.log" 2>&1; then
    echo "PASS  $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/$target.log" |
      grep -o '[0-9]*$') runs in ${SECONDS_EACH} s"
  else
    echo "FAIL  $target: see $BUILD/$target.log and $artifacts"
    return 1
  fi
}

echo "== Fuzzing ${#TARGETS[@]} targets, ${SECONDS_EACH} s each, $JOBS at a time"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
failed=0
pids=()
for target in "${TARGETS[@]}"; do
  run_target "$target" &
  pids+=($!)
  if ((${#pids[@]} >= JOBS)); then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
exit "$failed"
