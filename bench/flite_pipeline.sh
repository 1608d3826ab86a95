#!/usr/bin/env bash
# Flite RMS to MP3 against the pipeline a user would tune: 4 texts of 1,000 words of
# real prose, read by the command line (pieces on every core, encoded alongside),
# against `flite -voice rms -o x.wav && lame -q 7 -b 64 x.wav x.mp3` two at a time
# (xargs -P 2; flite cannot write its WAV to a pipe), side by side, median of N
# (default 3). Target: the program at most 1.0x the pipeline.
# That pipeline writes a 16 kHz MP3 (Flite's own rate); the program's MP3 files are
# 44.1 kHz, 64 kbit/s. The same pipeline writing that format (`lame --resample 44.1`)
# is timed too, as the rival that makes the same file.
#   bench/flite_pipeline.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
command -v flite >/dev/null && command -v lame >/dev/null || { echo "needs flite and lame (scripts/deps)" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/texts"

# Real prose: the licence texts every Debian system has, cut into texts.
find /usr/share/common-licenses -type f | sort | xargs cat | tr -s ' \t' ' ' > "$work/corpus.txt"
for k in 1 2 3 4; do
  awk -v need=1000 -v skip="$(( (k - 1) * 211 ))" 'NR > skip { print; n += NF; if (n >= need) exit }' \
    "$work/corpus.txt" > "$work/texts/text$k.txt"
done

now() { date +%s%N; }
ours=() theirs=() matched=()
for i in $(seq "$runs"); do
  rm -rf "$work/ours" "$work/theirs" && mkdir -p "$work/ours" "$work/theirs"
  start=$(now)
  env -u DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/nothing" \
    "$program" --convert --quiet --voice "Flite RMS (US male)" --format mp3 --out "$work/ours" "$work"/texts/*.txt
  ours+=($(( ($(now) - start) / 1000000 )))
  start=$(now)
  ls "$work"/texts/*.txt | xargs -P 2 -I{} sh -c \
    'b=$(basename "$1" .txt); flite -voice rms -f "$1" -o "$2/$b.wav" && lame --quiet -q 7 -b 64 "$2/$b.wav" "$2/$b.mp3"' \
    _ {} "$work/theirs"
  theirs+=($(( ($(now) - start) / 1000000 )))
  rm -rf "$work/theirs" && mkdir -p "$work/theirs"
  start=$(now)
  ls "$work"/texts/*.txt | xargs -P 2 -I{} sh -c \
    'b=$(basename "$1" .txt); flite -voice rms -f "$1" -o "$2/$b.wav" && lame --quiet -q 7 -b 64 --resample 44.1 "$2/$b.wav" "$2/$b.mp3"' \
    _ {} "$work/theirs"
  matched+=($(( ($(now) - start) / 1000000 )))
done
[ "$(ls "$work/ours"/*.mp3 | wc -l)" = 4 ] && [ "$(ls "$work/theirs"/*.mp3 | wc -l)" = 4 ] || { echo "files missing" >&2; exit 1; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$(($# / 2 + 1))p"; }
o=$(median "${ours[@]}") t=$(median "${theirs[@]}") m=$(median "${matched[@]}")
echo "4 x 1,000 words, Flite RMS to MP3: the program ${ours[*]} ms, flite then lame two at a time ${theirs[*]} ms," \
  "the same to 44.1 kHz ${matched[*]} ms"
awk -v o="$o" -v t="$t" -v m="$m" 'BEGIN {
  printf "median: the program %.2f s, the pipeline %.2f s: %.2fx (target <= 1.0)\n", o / 1000, t / 1000, o / t
  printf "        the pipeline writing the program'"'"'s format (44.1 kHz) %.2f s: %.2fx\n", m / 1000, o / m }'
