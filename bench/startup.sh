#!/usr/bin/env bash
# Start-up time of the main window against a minimal Qt 6 Widgets window with a menu
# bar (bench/minimal_window.cpp, built here): from launching each to its window being
# mapped on a private X display, with the private sound server; runs alternate between
# the two, median of N each (default 9). Once with a fresh home, once with a home that
# holds 500 saved articles and 20 chosen languages. Needs a build (scripts/run or
# scripts/test). The program's own marks (PARLEWIND_STARTUP_TRACE) of each home's last
# run show where its time goes.
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
chooser=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_engine_bench
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }

. bench/startup-session.sh
session=$work
minimal=$session/minimal_window
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 bench/minimal_window.cpp -o "$minimal" $(pkg-config --cflags --libs Qt6Widgets)

median() { printf '%s\n' "$@" | sort -n | sed -n "$(($# / 2 + 1))p"; }

template=$session/loaded
loaded_home "$chooser" "$template"

measure() { # fresh|loaded
  local ours=() theirs=() home
  for i in $(seq "$runs"); do
    home=$session/home-$1-$i
    mkdir -p "$home" "$runtime/$1-$i" && chmod 700 "$runtime/$1-$i"
    [ "$1" = fresh ] || cp -r "$template/program" "$template/config" "$home/"
    ours+=("$(PARLEWIND_HOME="$home/program" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$runtime/$1-$i" \
      PARLEWIND_STARTUP_TRACE=1 mapped 'Parlewind MP3' "$program")")
    cp "$session/trace" "$session/trace-$1"
    theirs+=("$(XDG_RUNTIME_DIR="$runtime/$1-$i" mapped 'Minimal Qt Window' "$minimal")")
  done
  echo "$1 home: Parlewind ${ours[*]} ms; minimal Qt window ${theirs[*]} ms" >&2
  echo "where the last start of Parlewind went ($1 home):" >&2
  sed 's/^/  /' "$session/trace-$1" >&2
  echo "$(median "${ours[@]}") $(median "${theirs[@]}")"
}
read -r fresh_ours fresh_theirs < <(measure fresh)
read -r loaded_ours loaded_theirs < <(measure loaded)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "fresh home: Parlewind $fresh_ours ms, minimal Qt window $fresh_theirs ms:" \
  "ratio $(ratio "$fresh_ours" "$fresh_theirs") (target <= 1.3)"
echo "500 articles, 20 languages: Parlewind $loaded_ours ms, minimal Qt window $loaded_theirs ms:" \
  "ratio $(ratio "$loaded_ours" "$loaded_theirs") (target <= 1.5)"
