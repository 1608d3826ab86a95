#!/usr/bin/env bash
# The voices of other speech programs, on a private sound server and a private
# speech-dispatcher (needs a build): Read Aloud to the first sound at the server and
# the first word's highlight against it, for the espeak-ng module (marks) and a
# generic module (sentences); spd-say's own first sound beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_voices_bench
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap './scripts/speech-server stop "$work/speech" >/dev/null 2>&1 || true
      ./scripts/sound-server stop "$work/sound" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
eval "$(./scripts/sound-server start "$work/sound")"
eval "$(./scripts/speech-server start "$work/speech")"
export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$bench" speechd "English (America) (espeak-ng)" 7 2>/dev/null
"$bench" speechd "en-us (espeak-generic)" 5 2>/dev/null
