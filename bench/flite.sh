#!/usr/bin/env bash
# Flite's SLT in files: 20 articles of 2,000 words of real prose read to MP3 files by
# the command line (long texts made in pieces on every core, encoded alongside),
# against synthesising the same texts with `flite -voice slt` one after another on
# one core. Target: at most 0.6 of Flite's time; peak memory under 200 MB.
#   ARTICLES=20 WORDS=2000 bench/flite.sh
set -euo pipefail
cd "$(dirname "$0")/.."
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
command -v flite >/dev/null || { echo "needs flite (scripts/deps)" >&2; exit 1; }
articles=${ARTICLES:-20}
words=${WORDS:-2000}
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/texts" "$work/ours" "$work/theirs"

# Real prose: the licence texts every Debian system has, cut into articles.
find /usr/share/common-licenses -type f | sort | xargs cat | tr -s ' \t' ' ' > "$work/corpus.txt"
for ((k = 1; k <= articles; k++)); do
  awk -v need="$words" -v skip="$(( (k - 1) * 37 ))" 'NR > skip { print; n += NF; if (n >= need) exit }' \
    "$work/corpus.txt" "$work/corpus.txt" > "$work/texts/article$k.txt"
done

now() { date +%s%N; }
start=$(now)
for f in "$work"/texts/*.txt; do flite -voice slt -f "$f" -o "$work/theirs/$(basename "$f" .txt).wav"; done
theirs=$(( $(now) - start ))

start=$(now)
env -u DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/nothing" \
  /usr/bin/time -f "%M" -o "$work/peak" "$program" --convert --quiet --voice "Flite SLT (US female)" --format mp3 \
  --out "$work/ours" "$work"/texts/*.txt
ours=$(( $(now) - start ))

awk -v o="$ours" -v t="$theirs" -v n="$articles" -v w="$words" -v peak="$(cat "$work/peak")" 'BEGIN {
  printf "%d articles of %d words, Flite SLT: MP3 files %.1f s, flite -voice slt to WAV one after another %.1f s: %.2fx (target <= 0.6)\n",
         n, w, o / 1e9, t / 1e9, o / t
  printf "peak memory of the program: %.0f MB (target < 200 MB)\n", peak / 1024 }'
ls "$work/ours" | grep -c '\.mp3$' | xargs printf "%s MP3 files written\n"
