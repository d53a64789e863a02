# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the bench scripts. median_of_runs COMMAND...: runs the command RUNS times and
# prints the median wall time in seconds, with millisecond precision. The caller has made one
# warm-up run and checked its outcome; later runs' exit status is not looked at.
median_of_runs() {
  local times=() i start end median
  for ((i = 0; i < RUNS; i++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((RUNS + 1) / 2))p")
  awk -v us="$median" 'BEGIN { printf "%.3f", us / 1e6 }'
}
