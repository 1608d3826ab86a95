#!/usr/bin/env bash
# Help-topic file benchmark (needs a build): a 1 MB file of 2,000 topics read into
# the topic list and the menu, and deeply nested keys; medians of 9.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_audiohelp_bench
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
PARLEWIND_HOME=$work QT_QPA_PLATFORM=offscreen "$bench" 2>/dev/null
