#!/usr/bin/env bash
# Measures the time from starting the program to its window being shown, with
# the announcement pointed at a closed port on 127.0.0.1: five runs of
# bench/shell's harness (the program's own main path), under Xvfb when there
# is no display, and their median.
#
#   scripts/measure-startup.sh [BUILD_DIR]     (default: build)
#
# Build the harness first: cmake --build BUILD_DIR --target rewrix_startup_harness
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
harness=$build/bench/shell/rewrix_startup_harness
if [ ! -x "$harness" ]; then
  echo "measure-startup: $harness is missing; build the target rewrix_startup_harness" >&2
  exit 1
fi

runs=5
measure() {
  local times=() t0 line
  for _ in $(seq "$runs"); do
    t0=$(date +%s%N)
    line=$("$harness" 2>/dev/null | grep '^shown ' | head -n1)
    if [ -z "$line" ]; then
      echo "measure-startup: the window was not shown" >&2
      exit 1
    fi
    times+=($(( (${line#shown } - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
    { v[NR] = $1; all = all (NR > 1 ? " " : "") $1 }
    END { printf "start to window shown, %d runs (ms, sorted): %s\nmedian: %d ms\n", runs, all, v[int((runs + 1) / 2)] }'
}

if [ -n "${DISPLAY:-}" ]; then
  measure
else
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build"
fi
