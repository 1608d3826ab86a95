#!/usr/bin/env bash
# Wave conversion and MP3 encoding on an hour of speech (espeak-ng output repeated),
# side by side with sox and lame in one run (needs a build):
#   bench/audio.sh [minutes]     (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_audio_bench
[ -x "$bench" ] || { echo "build first: $bench is missing" >&2; exit 1; }
minutes=${1:-60}
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
export PARLEWIND_HOME=$work/home QT_QPA_PLATFORM=offscreen

text="Parlewind reads your articles aloud or turns them into sound files. This is a sample of
ordinary prose, with numbers like 1,250 and 3.5 percent, names like Brivanta, and sentences of
different lengths, so that the audio has the pauses and the rhythm of real speech. The quick
brown fox jumps over the lazy dog while the morning news is read out in a calm voice."
espeak-ng -v en-us+f3 -s 175 -w "$work/piece.wav" "$text"
piece=$(soxi -D "$work/piece.wav")
repeats=$(awk -v p="$piece" -v m="$minutes" 'BEGIN { print int(m * 60 / p) + 1 }')
sox "$work/piece.wav" "$work/in.wav" repeat "$repeats" trim 0 "$((minutes * 60))"
sox "$work/piece.wav" "$work/short.wav" repeat "$(( repeats / 6 + 1 ))" trim 0 "$((minutes * 10))"
echo "input: $(soxi -D "$work/in.wav") s at $(soxi -r "$work/in.wav") Hz, $(du -h "$work/in.wav" | cut -f1)"

# seconds and peak kB of one command
measure() { /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>&1; cat "$work/time"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

read -r ours_c ours_c_kb < <(measure "$bench" convert "$work/in.wav" "$work/ours44.wav")
read -r sox_c sox_c_kb < <(measure sox "$work/in.wav" -r 44100 "$work/sox44.wav")
read -r soxq_c soxq_c_kb < <(measure sox "$work/in.wav" -r 44100 "$work/sox44q.wav" rate -q)
read -r ours_e ours_e_kb < <(measure "$bench" encode "$work/ours44.wav" "$work/ours.mp3")
read -r lame_e lame_e_kb < <(measure lame --quiet -m m -b 64 --resample 44.1 "$work/in.wav" "$work/lame.mp3")
read -r short_c short_c_kb < <(measure "$bench" convert "$work/short.wav" "$work/short44.wav")
read -r short_e short_e_kb < <(measure "$bench" encode "$work/short44.wav" "$work/short.mp3")

printf '%-44s %8s %10s\n' "" "seconds" "peak kB"
printf '%-44s %8s %10s\n' "ConvertWaveFile" "$ours_c" "$ours_c_kb"
printf '%-44s %8s %10s\n' "sox in.wav -r 44100 out.wav" "$sox_c" "$sox_c_kb"
printf '%-44s %8s %10s\n' "sox in.wav -r 44100 out.wav rate -q" "$soxq_c" "$soxq_c_kb"
printf '%-44s %8s %10s\n' "EncodeMp3File (of the converted file)" "$ours_e" "$ours_e_kb"
printf '%-44s %8s %10s\n' "lame -m m -b 64 --resample 44.1" "$lame_e" "$lame_e_kb"
printf '%-44s %8s %10s\n' "ConvertWaveFile, a sixth of the length" "$short_c" "$short_c_kb"
printf '%-44s %8s %10s\n' "EncodeMp3File, a sixth of the length" "$short_e" "$short_e_kb"
echo "ratio ConvertWaveFile / sox -r 44100:   $(ratio "$ours_c" "$sox_c")"
echo "ratio ConvertWaveFile / sox rate -q:    $(ratio "$ours_c" "$soxq_c")  (target < 1)"
echo "ratio EncodeMp3File / lame:             $(ratio "$ours_e" "$lame_e")  (target <= 1)"
echo "MP3 sizes: ours $(du -h "$work/ours.mp3" | cut -f1), lame $(du -h "$work/lame.mp3" | cut -f1)"
