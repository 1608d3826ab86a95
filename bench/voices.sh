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

# Piper through the stand-in program of the tests (a voice whose model takes a
# second to load, as a medium voice does): the first sound of a paragraph against
# that load time; 20 articles to MP3 on every core against the same run on one.
standin=$PWD/tests/support/piper-standin
mkdir -p "$work/piper/voices" "$work/piper/bin" "$work/piper/texts"
echo '{"load_seconds": 1.0}' > "$work/piper/voices/bench.onnx"
echo '{"audio": {"sample_rate": 22050, "quality": "medium"}, "espeak": {"voice": "en-us"},
  "language": {"code": "en_US"}, "dataset": "bench", "num_speakers": 1}' > "$work/piper/voices/bench.onnx.json"
firsts=$(for k in 1 2 3 4 5; do "$bench" piper "Piper bench (en_US, medium)" "$standin" "$work/piper/voices" 2>/dev/null; done |
  sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
# The program's own load time: started on the voice and given nothing to say.
loads=$(for k in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$standin" --model "$work/piper/voices/bench.onnx" --output_dir "$work/piper" --json-input < /dev/null
  echo $((($(date +%s%N) - start) / 1000000))
done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
echo "Piper (stand-in): first sound of a paragraph ${firsts} ms median of 5; the program's own load time ${loads} ms;" \
  "ratio $(awk -v a="$firsts" -v b="$loads" 'BEGIN { printf "%.2f", a / b }') (target <= 1.5)"
ln -sf "$standin" "$work/piper/bin/piper"
find /usr/share/common-licenses -type f | sort | xargs cat > "$work/piper/corpus.txt"
tr -s '\n' ' ' < "$work/piper/corpus.txt" | fold -w 2000 -s |
  awk -v dir="$work/piper/texts" 'NR <= 20 { print > sprintf("%s/text%02d.txt", dir, NR) }'
run() { # cores
  rm -rf "$work/piper/out"
  local start; start=$(date +%s%N)
  env -u DISPLAY -u PULSE_SERVER PATH="$work/piper/bin:$PATH" XDG_DATA_HOME="$work/piper/data" \
    taskset -c "$1" "${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind" --convert --quiet \
    --voice "Piper bench (en_US, medium)" --out "$work/piper/out" "$work/piper/texts"/*.txt
  awk -v s="$start" -v e="$(date +%s%N)" 'BEGIN { printf "%.2f", (e - s) / 1e9 }'
}
mkdir -p "$work/piper/data/piper-voices" && cp "$work/piper/voices"/bench.* "$work/piper/data/piper-voices/"
cores=$(nproc)
both=$(run "0-$((cores - 1))")
one=$(run 0)
echo "Piper (stand-in): 20 articles of about 350 words to MP3: ${both} s on $cores cores, ${one} s on one;" \
  "ratio $(awk -v a="$both" -v b="$one" 'BEGIN { printf "%.2f", a / b }') (target <= 0.6)"
