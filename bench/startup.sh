#!/usr/bin/env bash
# Start-up time of the main window: from launching the program to its window being
# mapped on a private X display, with the private sound server. Median of N runs
# (default 5), each with a fresh home; with no language chosen and with 20 (40 more
# voices), side by side. Needs a build (scripts/run or scripts/test).
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
chooser=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_engine_bench
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

. bench/private-session.sh
session=$work

measure() { # languages
  times=()
  for i in $(seq "$runs"); do
    home="$session/home$1-$i"
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    [ "$1" = 0 ] || XDG_CONFIG_HOME="$home/config" PARLEWIND_HOME="$home/program" QT_QPA_PLATFORM=offscreen \
      "$chooser" choose "$1" >/dev/null 2>&1
    start=$(date +%s%N)
    PARLEWIND_HOME="$home/program" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
      "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name '^Parlewind MP3$' >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
      sleep 0.005
    done
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "start-up to visible window with $1 languages chosen (ms): ${times[*]}; median ${sorted[$((runs / 2))]} ms" >&2
  echo "${sorted[$((runs / 2))]}"
}
none=$(measure 0)
twenty=$(measure 20)
echo "median: $none ms with no language chosen, $twenty ms with 20;" \
  "ratio $(awk -v a="$twenty" -v b="$none" 'BEGIN { printf "%.2f", a / b }') (target <= 1.10)"
