#!/usr/bin/env bash
# Clipboard capture benchmark on a private X display and sound server (needs a build):
# 1 MB copied by another program until it is a shown article, median of 7.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_clipboard_bench
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
. bench/private-session.sh
export PARLEWIND_HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=xcb "$bench" 2>/dev/null
