#!/usr/bin/env bash
# Two builds of the program started alternately, for a change measured against the
# build before it in the same minutes (this machine's speed moves by a third from one
# minute to the next): milliseconds from launch to the main window mapped, medians,
# and from the program's own marks the window shown and the menus and tool bars made.
#   bench/startup_ab.sh BUILD_DIR_A BUILD_DIR_B [starts] [fresh|loaded]
# A build of the commit before: git worktree add /tmp/before HEAD~1 and build there.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR_A BUILD_DIR_B [starts] [fresh|loaded]" >&2; exit 2; }
a=$1/src/app/parlewind b=$2/src/app/parlewind runs=${3:-21} kind=${4:-fresh}
for p in "$a" "$b"; do [ -x "$p" ] || { echo "build first: $p is missing" >&2; exit 1; }; done
chooser=$1/bench/parlewind_engine_bench

. bench/startup-session.sh
session=$work
[ "$kind" = fresh ] || loaded_home "$chooser" "$session/loaded"

mark() { awk -v m="$1" 'index($0, m) { print $2; exit }' "$session/trace"; }
for i in $(seq "$runs"); do
  for which in a b; do
    home=$session/home-$which-$i
    mkdir -p "$home" "$runtime/$which-$i" && chmod 700 "$runtime/$which-$i"
    [ "$kind" = fresh ] || cp -r "$session/loaded/program" "$session/loaded/config" "$home/"
    program=$a && [ $which = b ] && program=$b
    ms=$(PARLEWIND_STARTUP_TRACE=1 PARLEWIND_HOME="$home/program" XDG_CONFIG_HOME="$home/config" \
      XDG_RUNTIME_DIR="$runtime/$which-$i" mapped 'Parlewind MP3' "$program")
    echo "$which $ms $(mark 'window shown') $(awk -v x="$(mark 'menus and tool bar made')" \
      -v y="$(mark 'voices listed')" 'BEGIN { print x - y }')" >> "$session/starts"
  done
done
awk -v kind="$kind" '
  { m[$1] = m[$1] " " $2; s[$1] = s[$1] " " $3; t[$1] = t[$1] " " $4 }
  function median(list,   v, n, i, j, x) {
    n = split(list, v, " ")
    for (i = 2; i <= n; i++) { x = v[i]; for (j = i - 1; j >= 1 && v[j] + 0 > x + 0; j--) v[j + 1] = v[j]; v[j + 1] = x }
    return v[int(n / 2) + 1]
  }
  END {
    for (w = 1; w <= 2; w++) {
      k = w == 1 ? "a" : "b"
      printf "%s home, build %s: mapped %s ms, window shown %s ms after launch, menus and tool bars %s ms (medians of %d)\n",
        kind, toupper(k), median(m[k]), median(s[k]), median(t[k]), split(m[k], _, " ")
    }
  }' "$session/starts"
