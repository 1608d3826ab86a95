#!/usr/bin/env bash
# A book into one file: 30 chapters (about 60,000 words) read by Mary into one MP3,
# one M4B, one Opus file and one read-along book (EPUB 3) by the command line, side
# by side in one run. Targets: M4B and Opus each at most 1.5x the MP3's time, the
# read-along book at most 1.1x with the MP3 run's memory; the M4B run's peak memory
# under 200 MB and not growing with the book.
#   CHAPTERS=30 WORDS=2000 bench/audiobook.sh
set -euo pipefail
cd "$(dirname "$0")/.."
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
chapters=${CHAPTERS:-30}
words=${WORDS:-2000}
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/texts"

# Real prose: the licence texts every Debian system has, cut into chapters.
find /usr/share/common-licenses -type f | sort | xargs cat | tr -s ' \t' ' ' > "$work/corpus.txt"
for ((k = 1; k <= chapters; k++)); do
  awk -v need="$words" -v skip="$(( (k - 1) * 61 ))" 'NR > skip { print; n += NF; if (n >= need) exit }' \
    "$work/corpus.txt" "$work/corpus.txt" "$work/corpus.txt" > "$work/texts/$(printf 'chapter%02d' "$k").txt"
done

now() { date +%s%N; }
run() { # format, half of the book or all of it
  local format=$1 part=$2 files
  files=$(ls "$work"/texts/*.txt | head -n "$part")
  mkdir -p "$work/$format-$part"
  local start; start=$(now)
  # shellcheck disable=SC2086
  env -u DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/nothing" \
    /usr/bin/time -f "%M %U %S" -o "$work/$format-$part.usage" "$program" --convert --quiet --format "$format" \
    --single-file Book --out "$work/$format-$part" $files
  echo $(( $(now) - start )) > "$work/$format-$part.ns"
}
for format in mp3 m4b opus epub; do run "$format" "$chapters"; done
run m4b $(( chapters / 2 ))

report() { # format part
  read -r peak user sys < "$work/$1-$2.usage"
  # A book's sound is the MP3 file's, a chapter at a time.
  local sound="$work/$1-$2/Book.$1"
  [ "$1" = epub ] && sound="$work/mp3-$2/Book.mp3"
  printf "%s %s %s %s %s %s\n" "$(cat "$work/$1-$2.ns")" "$peak" "$user" "$sys" \
    "$(stat -c %s "$work/$1-$2/Book.$1")" \
    "$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$sound")"
}
{ for format in mp3 m4b opus epub; do echo "$format $(report "$format" "$chapters")"; done
  echo "half $(report m4b $(( chapters / 2 )))"; } | awk -v n="$chapters" -v w="$words" '
  { ns[$1] = $2; peak[$1] = $3; cpu[$1] = $4 + $5; size[$1] = $6; seconds[$1] = $7 }
  END {
    printf "%d chapters of %d words (Mary, %.1f hours of speech) into one file:\n", n, w, seconds["mp3"] / 3600
    for (f in ns) if (f != "half")
      printf "  %-4s %6.1f s (%5.1f s CPU), %5.1f MB file, %3.0f kbit/s, peak %3.0f MB: %.2fx the MP3 run\n",
             f, ns[f] / 1e9, cpu[f], size[f] / 1e6, size[f] * 8 / 1000 / seconds[f], peak[f] / 1024, ns[f] / ns["mp3"]
    printf "  M4B peak memory: half the book %.0f MB, the whole %.0f MB (target < 200 MB, not growing)\n",
           peak["half"] / 1024, peak["m4b"] / 1024
    printf "  targets: M4B and Opus <= 1.5x the MP3 run; EPUB <= 1.1x and the MP3 run peak memory\n" }'
