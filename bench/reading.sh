#!/usr/bin/env bash
# Reading benchmarks on a private sound server (needs a build):
#   20 articles of 2,000 words to MP3 files, against the pipeline a user would write;
#   "Aloud" latency on a 1 MB article and the UI thread's load while it is read.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_reading_bench
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
articles=${ARTICLES:-20}
words=${WORDS:-2000}
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap './scripts/sound-server stop "$work/sound" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
eval "$(./scripts/sound-server start "$work/sound")"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/ours" "$work/shell" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"

ours=$(PARLEWIND_HOME=$work/home1 "$bench" mp3 "$work/ours" "$articles" "$words" 2>/dev/null | tail -1)
start=$(date +%s%N)
for ((a = 0; a < articles; a++)); do
  # The same voice as Mary: en-us, variant f3, 175 words a minute, pitch 55.
  espeak-ng -v en-us+f3 -s 175 -p 55 -w "$work/shell/t.wav" -f "$work/ours/text$a.txt"
  sox "$work/shell/t.wav" -r 44100 "$work/shell/t44.wav"
  lame --quiet -m m -b 64 "$work/shell/t44.wav" "$work/shell/text$a.mp3"
done
shell=$(awk -v s="$start" -v e="$(date +%s%N)" 'BEGIN { printf "%.2f", (e - s) / 1e9 }')
count=$(ls "$work/ours"/*.mp3 | wc -l)
echo "$articles articles x $words words to MP3 (multiple files): Parlewind ${ours} s ($count files), shell pipeline ${shell} s"
awk -v a="$ours" -v b="$shell" 'BEGIN { printf "ratio Parlewind / pipeline: %.2f (target <= 1.1)\n", a / b }'
echo "sizes: $(du -sh "$work/ours" | cut -f1) against $(du -sh "$work/shell" | cut -f1) (texts and temporaries included)"

PARLEWIND_HOME=$work/home2 "$bench" latency 2>/dev/null
