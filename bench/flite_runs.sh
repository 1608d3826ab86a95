#!/usr/bin/env bash
# Flite on text no one writes: one 200,000-letter "word", 100,000 digits, 1 MB
# without a blank, and prose, each read to an MP3 file by the command line with
# Flite's SLT; the word against Mary (espeak-ng) reading the same. Targets: the
# word within 3x Mary's time; peak memory at most 300 MB for every input.
#   PROSE_KB=200 bench/flite_runs.sh
set -euo pipefail
cd "$(dirname "$0")/.."
program=${PARLEWIND_BUILD_DIR:-build}/src/app/parlewind
[ -x "$program" ] || { echo "build first: $program is missing" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
python3 - "$work" "${PROSE_KB:-200}" <<'PY'
import random, sys
work, prose_kb = sys.argv[1], int(sys.argv[2])
random.seed(1)
open(work + '/word.txt', 'w').write(''.join(random.choice('abcdefghijklmnopqrstuvwxyz') for _ in range(200000)) + '\n')
open(work + '/digits.txt', 'w').write(''.join(random.choice('0123456789') for _ in range(100000)) + '\n')
open(work + '/nospace.txt', 'w').write('x' * 1000000 + '\n')
words = open('/usr/share/common-licenses/GPL-3').read().split()
text, n = [], 0
while n < prose_kb * 1024:
    line = ' '.join(words[random.randrange(len(words) - 20):][:15]) + '\n'
    text.append(line)
    n += len(line)
open(work + '/prose.txt', 'w').write(''.join(text))
PY

# Seconds and peak memory (MB, the largest of the program and its children) of one run.
run() {
  local voice=$1 file=$2 start
  start=$(date +%s%N)
  env -u DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/nothing" \
    /usr/bin/time -f "%M" -o "$work/peak" "$program" --convert --quiet --overwrite --voice "$voice" --format mp3 \
    --out "$work/out" "$file" 2>/dev/null
  echo "$(( ($(date +%s%N) - start) / 1000000 )) $(( $(cat "$work/peak") / 1024 ))"
}
read -r mary _ < <(run Mary "$work/word.txt")
for input in word digits nospace prose; do
  read -r ms mb < <(run "Flite SLT (US female)" "$work/$input.txt")
  printf '%-8s %7.1f s %5d MB (target <= 300 MB)' "$input" "$(echo "$ms / 1000" | bc -l)" "$mb"
  [ "$input" = word ] && printf '   Mary %.1f s: %.2fx (target <= 3)' "$(echo "$mary / 1000" | bc -l)" "$(echo "$ms / $mary" | bc -l)"
  echo
done
