#!/usr/bin/env bash
# Opening a 1 MB EPUB of 30 chapters and a 300-page PDF into articles, in the real
# window on a private sound server (needs a build).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_documents_bench
[ -x "$bin" ] || { echo "build first: $bin is missing" >&2; exit 1; }
session=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap './scripts/sound-server stop "$session/sound" >/dev/null 2>&1 || true; rm -rf "$session"' EXIT
eval "$(./scripts/sound-server start "$session/sound")"
mkdir -p "$session/run" && chmod 700 "$session/run"
PARLEWIND_HOME="$session/home" XDG_CONFIG_HOME="$session/config" XDG_RUNTIME_DIR="$session/run" \
  QT_QPA_PLATFORM=offscreen "$bin" 2>/dev/null
