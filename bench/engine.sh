#!/usr/bin/env bash
# Speech engine benchmarks on a private sound server (needs a build).
#   bench/engine.sh [latency] [wav] [memory]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_engine_bench
[ -x "$bin" ] || { echo "build first: $bin is missing" >&2; exit 1; }
session=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap './scripts/sound-server stop "$session/sound" >/dev/null 2>&1 || true; rm -rf "$session"' EXIT
eval "$(./scripts/sound-server start "$session/sound")"
PARLEWIND_HOME="$session/home" QT_QPA_PLATFORM=offscreen "$bin" "$@"
