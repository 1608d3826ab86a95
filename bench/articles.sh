#!/usr/bin/env bash
# Article list benchmarks (needs a build):
#   import/export of (a) 1,000 x 5,000 chars, (b) 100 x 200,000 chars, (c) 10,000 lines;
#   then the real program's memory with list (a) restored in multi-article mode.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PARLEWIND_BUILD_DIR:-build}
bench=$build/bench/parlewind_articles_bench
program=$build/src/app/parlewind
[ -x "$bench" ] && [ -x "$program" ] || { echo "build first" >&2; exit 1; }
session=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  ./scripts/gui-session stop "$session/gui" >/dev/null 2>&1 || true
  ./scripts/sound-server stop "$session/sound" >/dev/null 2>&1 || true
  rm -rf "$session"
}
trap cleanup EXIT

echo "== import and export (offscreen, in-process)"
PARLEWIND_HOME="$session/inproc" QT_QPA_PLATFORM=offscreen "$bench" "$session" 2>/dev/null

echo "== the program with list (a) restored"
eval "$(./scripts/sound-server start "$session/sound")"
eval "$(./scripts/gui-session start "$session/gui")"
export PARLEWIND_HOME=$session/home XDG_CONFIG_HOME=$session/config XDG_RUNTIME_DIR=$session/run
mkdir -p "$PARLEWIND_HOME" "$XDG_CONFIG_HOME/BrivantaTech" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[Software]\nBrivantaTech\\Parlewind\\ML_ListMode=1\nBrivantaTech\\Parlewind\\FirstTimeUser=false\n' \
  > "$XDG_CONFIG_HOME/BrivantaTech/HKEY_CURRENT_USER.ini"
"$bench" --make-a "$PARLEWIND_HOME/PWExport.txt"
start=$(date +%s%N)
"$program" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 1 600); do
  grep -q 'Import Complete' "$PARLEWIND_HOME/parlewind.dbg" 2>/dev/null && break
  sleep 0.05
done
ready=$(( ($(date +%s%N) - start) / 1000000 ))
sleep 1
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
echo "start to restored list: ${ready} ms; memory: ${rss} kB now, ${hwm} kB peak (target < 150 MB)"
kill -TERM "$pid"; wait "$pid" || true; pid=
