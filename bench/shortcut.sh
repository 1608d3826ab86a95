#!/usr/bin/env bash
# The read-the-selection shortcut on a private X display and sound server: from the
# key to the first sound of a 30-word selection read by Mary, median of 7.
# Target: under 150 ms.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
. bench/private-session.sh
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
read -r median all < <(python3 bench/shortcut.py "$program" 7)
echo "shortcut to first sound (Mary, 30 words): median ${median} ms of 7 (${all}) (target < 150 ms)"
