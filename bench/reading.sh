#!/usr/bin/env bash
# Reading benchmarks on a private sound server (needs a build):
#   20 articles of 2,000 words of real prose to MP3 files, side by side with the
#   pipelines a user would write; one article of 20,000 words to one MP3 against
#   its two steps alone; peak memory of both; "Aloud" latency on a 1 MB article
#   and the UI thread's load while it is read.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_reading_bench
audio=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_audio_bench
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$bench" ] && [ -x "$audio" ] || { echo "build first: $bench is missing" >&2; exit 1; }
articles=${ARTICLES:-20}
words=${WORDS:-2000}
long=${LONG_WORDS:-20000}
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap './scripts/sound-server stop "$work/sound" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
eval "$(./scripts/sound-server start "$work/sound")"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/texts" "$work/ours" "$work/tuned" "$work/simple" "$work/long" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
now() { date +%s%N; }
secs() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.2f", (e - s) / 1e9 }'; }
# Each run of the program in a home of its own.
ours_run() { PARLEWIND_HOME=$(mktemp -d "$work/home.XXXXXX") "$bench" "$@" 2>/dev/null | tail -1; }
# The command line as a script runs it: no display, no sound server.
convert() {
  env -u DISPLAY -u PULSE_SERVER XDG_RUNTIME_DIR="$work/nothing" PARLEWIND_HOME=$(mktemp -d "$work/home.XXXXXX") \
    "$program" --convert --quiet "$@"
}
export -f convert; export program
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Real prose: the licence texts every Debian system has, each once, cut into
# articles of whole lines, over again when they run out.
find /usr/share/common-licenses -type f | sort | xargs cat > "$work/corpus.txt"
prose() {
  local copies=$(($1 / $(wc -w < "$work/corpus.txt") + 1)) files=()
  for ((c = 0; c < copies; c++)); do files+=("$work/corpus.txt"); done
  awk -v need="$1" '{ print; n += NF; if (n >= need) exit }' "${files[@]}"
}
prose $((articles * words)) | awk -v per="$words" -v dir="$work/texts" \
  '{ f = sprintf("%s/text%02d.txt", dir, k); print > f; n += NF; if (n >= per) { close(f); k++; n = 0 } }'
ls "$work/texts"/text*.txt | head -n "$articles" > "$work/list"
prose "$long" > "$work/long/article.txt"
echo "texts: $(wc -l < "$work/list") articles, $(cat $(cat "$work/list") | wc -w) words; one article of $(wc -w < "$work/long/article.txt") words"

# The same voice as Mary: en-us, variant f3, 175 words a minute, pitch 55.
voice=(-v en-us+f3 -s 175 -p 55)
export work
tuned_one() {
  local name; name=$(basename "$1" .txt)
  espeak-ng -v en-us+f3 -s 175 -p 55 --stdout -f "$1" | sox -q -t wav - -t wav -r 44100 - 2>/dev/null |
    lame --quiet -q 7 -m m -b 64 - "$work/tuned/$name.mp3"
}
export -f tuned_one

# Side by side in one run: Parlewind, the tuned pipeline two at a time, the simple one.
read -r ours ours_peak _ < <(ours_run files mp3 multiple "$work/ours" $(cat "$work/list"))
start=$(now)
convert --out "$work/cli" $(cat "$work/list")
cli=$(secs "$start" "$(now)")
start=$(now)
xargs -P 2 -I{} bash -c 'tuned_one "$1"' _ {} < "$work/list"
tuned=$(secs "$start" "$(now)")
start=$(now)
while read -r text; do
  name=$(basename "$text" .txt)
  espeak-ng "${voice[@]}" -w "$work/simple/t.wav" -f "$text"
  sox "$work/simple/t.wav" -r 44100 "$work/simple/t44.wav"
  lame --quiet -m m -b 64 "$work/simple/t44.wav" "$work/simple/$name.mp3"
done < "$work/list"
simple=$(secs "$start" "$(now)")
echo "$articles articles x $words words to MP3 files: Parlewind ${ours} s ($(ls "$work/ours"/*.mp3 | wc -l) files," \
  "peak ${ours_peak} MB), tuned pipeline two at a time ${tuned} s ($(ls "$work/tuned"/*.mp3 | wc -l) files)," \
  "simple pipeline ${simple} s"
echo "ratio Parlewind / tuned pipeline: $(ratio "$ours" "$tuned") (target <= 1.0)"
echo "ratio Parlewind / simple pipeline: $(ratio "$ours" "$simple") (target <= 0.5)"
echo "command line: ${cli} s ($(ls "$work/cli"/*.mp3 | wc -l) files); ratio to the tuned pipeline: $(ratio "$cli" "$tuned")" \
  "(target <= 1.0)"

# The first MP3 byte of a 1,000-word text, median of five, against the tuned pipeline's.
prose 1000 > "$work/first.txt"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# A home the program has been used in before; the run that made it is not counted.
first_home=$(mktemp -d "$work/home.XXXXXX")
first_run() {
  bench/first_byte.py "$1" env -u DISPLAY -u PULSE_SERVER XDG_RUNTIME_DIR="$work/nothing" PARLEWIND_HOME="$first_home" \
    "$program" --convert --quiet --out "$1" "$work/first.txt"
}
first_run "$work/first0" >/dev/null
cli_first=$(for k in 1 2 3 4 5; do first_run "$work/first$k"; done | median)
tuned_first=$(for k in 1 2 3 4 5; do
  rm -rf "$work/tfirst"; mkdir -p "$work/tfirst"
  bench/first_byte.py "$work/tfirst" bash -c 'espeak-ng -v en-us+f3 -s 175 -p 55 --stdout -f "$1" |
    sox -q -t wav - -t wav -r 44100 - 2>/dev/null | lame --quiet -q 7 -m m -b 64 - "$2"' _ "$work/first.txt" "$work/tfirst/first.mp3"
done | median)
echo "first MP3 byte of a 1,000-word text from the command line: ${cli_first} ms (target < 150 ms);" \
  "tuned pipeline: ${tuned_first} ms"
echo "left in the output folder besides the MP3 files: $(ls "$work/ours" | grep -cv '\.mp3$' || true)"

# One long article: to one MP3, and its two steps alone.
cp "$work/long/article.txt" "$work/long/long.txt"
read -r one one_peak _ < <(ours_run files mp3 single "$work/long" "$work/long/long.txt")
mv "$work/long/long.mp3" "$work/long/overlapped.mp3"
read -r synth synth_peak _ < <(ours_run files wav single "$work/long" "$work/long/long.txt")
start=$(now)
"$audio" band-limited "$work/long/long.wav" "$work/long/long44.wav" >/dev/null 2>&1
middle=$(now)
"$audio" encode "$work/long/long44.wav" "$work/long/stepwise.mp3" >/dev/null 2>&1
encode=$(secs "$start" "$(now)")
encode_only=$(secs "$middle" "$(now)")
slower=$(awk -v a="$synth" -v b="$encode" 'BEGIN { print (a > b) ? a : b }')
# The sound only: the program's file starts with its ID3v2 tag.
sound() { python3 -c 'import sys; b = open(sys.argv[1], "rb").read(); s = b[6:10]
n = 10 + (s[0] << 21 | s[1] << 14 | s[2] << 7 | s[3]) if b[:3] == b"ID3" else 0; sys.stdout.buffer.write(b[n:])' "$1"; }
same=$(cmp -s <(sound "$work/long/overlapped.mp3") "$work/long/stepwise.mp3" && echo "the same sound bytes" ||
  echo "DIFFERENT bytes")
echo "one article of $long words to one MP3: ${one} s (peak ${one_peak} MB); alone: synthesis to WAV ${synth} s," \
  "conversion and encoding of that WAV ${encode} s; $same as the steps one after the other"
echo "ratio to the slower step: $(ratio "$one" "$slower") (target <= 1.1); to the encoding of the resampled WAV alone" \
  "(${encode_only} s): $(ratio "$one" "$encode_only")"
read -r short short_peak _ < <(ours_run files mp3 single "$work/long" "$work/texts/text00.txt")
echo "peak memory: $ours_peak MB for the $articles files, $one_peak MB for $long words, $short_peak MB for $words words" \
  "(target < 150 MB, not growing with the length)"

[ "${LATENCY:-1}" = 0 ] || PARLEWIND_HOME=$(mktemp -d "$work/home.XXXXXX") "$bench" latency 2>/dev/null
