#!/usr/bin/env bash
# How well an independent ear understands each English voice: the twenty sentences
# of Harvard lists 1 and 2 (IEEE, 1969) spoken by the program into a WAV file,
# heard by pocketsphinx with its generic US-English model; word error rate, lower
# is better. Target: the best Flite voice at most half of Mary's. Needs a build.
#   bench/intelligibility.sh
# With "speed": the same for Mary and Flite RMS at their normal speed and at 2x,
# 2.5x and 4x (beyond 2.57x the sound is stretched). Target: at 2x no more than
# 1.5 times the rate at 1x.
#   bench/intelligibility.sh speed
set -euo pipefail
cd "$(dirname "$0")/.."
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
command -v pocketsphinx_continuous >/dev/null || { echo "needs pocketsphinx (scripts/deps)" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-ear.XXXXXX)
trap 'rm -rf "$work"' EXIT

cat > "$work/sentences.txt" <<'TEXT'
The birch canoe slid on the smooth planks.
Glue the sheet to the dark blue background.
It's easy to tell the depth of a well.
These days a chicken leg is a rare dish.
Rice is often served in round bowls.
The juice of lemons makes fine punch.
The box was thrown beside the parked truck.
The hogs were fed chopped corn and garbage.
Four hours of steady work faced us.
A large size in stockings is hard to sell.
The boy was there when the sun rose.
A rod is used to catch pink salmon.
The source of the huge river is the clear spring.
Kick the ball straight and follow through.
Help the woman get back to her feet.
A pot of tea helps to pass the evening.
Smoky fires lack flame and heat.
The soft cushion broke the man's fall.
The salt breeze came across from the sea.
The girl at the booth sold fifty bonds.
TEXT

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" PARLEWIND_HOME="$work/program"
mkdir -p "$HOME"
mapfile -t voices < <("$program" --convert --list-voices | awk '/English/ { sub(/ +English.*/, ""); print }')
# Beside ours, Flite's own program with the same voices, as a yardstick.
command -v flite >/dev/null && voices+=("flite -voice slt" "flite -voice rms" "flite -voice awb" "flite -voice kal16")
speeds=("")
if [ "${1:-}" = speed ]; then
  voices=("Mary" "Flite RMS (US male)")
  speeds=(1x 2x 2.5x 4x)
fi
printf '%-34s %s\n' "voice" "word error rate"
for voice in "${voices[@]}"; do
 for speed in "${speeds[@]}"; do
  rm -rf "$work/out" && mkdir -p "$work/out"
  if [[ $voice == flite\ * ]]; then
    $voice -f "$work/sentences.txt" -o "$work/out/sentences.wav"
  else
    "$program" --convert --quiet --voice "$voice" ${speed:+--speed "$speed"} --format wav --out "$work/out" \
      "$work/sentences.txt" >/dev/null 2>&1
  fi
  sox -V1 "$work/out/sentences.wav" -r 16000 -c 1 -b 16 "$work/heard.wav"
  pocketsphinx_continuous -infile "$work/heard.wav" -logfn /dev/null 2>/dev/null > "$work/heard.txt" || true
  python3 - "$work/sentences.txt" "$work/heard.txt" "$voice${speed:+ at $speed}" <<'PY'
import re, sys
said = re.findall(r"[a-z']+", open(sys.argv[1]).read().lower())
heard = re.findall(r"[a-z']+", open(sys.argv[2]).read().lower())
d = list(range(len(heard) + 1))
for i, w in enumerate(said, 1):
    prev, d[0] = d[0], i
    for j, h in enumerate(heard, 1):
        prev, d[j] = d[j], min(d[j] + 1, d[j - 1] + 1, prev + (w != h))
print(f"{sys.argv[3]:<34} {d[-1] / len(said):6.1%}")
PY
 done
done
