#!/usr/bin/env bash
# Text recognition of a 10-page "scan" made from a known text: five pages in one
# column, five in two narrow columns set with words hyphenated at the line ends;
# printed by groff, rendered at 300 dpi, each page turned by up to a degree with a
# scanner's noise, bound again by img2pdf. Then a screenshot of a text window.
# Targets: character error rate at most 2 % on the scan and 1 % on the screenshot;
# at most 2.5 s a page on 2 cores; the reading process's peak memory at most 300 MB.
# Beside it, the pipeline a user would otherwise run: pdftoppm, then tesseract on a
# page per core (xargs -P).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${PARLEWIND_BUILD_DIR:-build}/bench/parlewind_recognition_bench
[ -x "$bin" ] || { echo "build first: $bin is missing" >&2; exit 1; }
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
[ -n "${KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
cores=$(nproc)

# Real prose (the licence texts every Debian system has), plain words only, and the
# two printed documents made from it.
python3 - "$work" <<'EOF'
import re, sys
work = sys.argv[1]
text = open('/usr/share/common-licenses/GPL-3', encoding='utf-8').read()
# From the preamble to the disclaimers (whose capitals are no running text).
body = text.split('Preamble')[1].split('15. Disclaimer of Warranty')[0]
words = re.findall(r"[A-Za-z][A-Za-z']*[.,;:]?", body)

def hyphenated(words, width):
    lines, line = [], ''
    for word in words:
        room = width - len(line) - (1 if line else 0)
        if len(word) > room:
            cut = min(room - 1, len(word) - 3)
            if cut >= 3 and word[:cut].isalpha() and word[:cut].islower():
                lines.append(line + ' ' + word[:cut] + '-')
                word = word[cut:]
            else:
                lines.append(line)
            line = ''
        line += (' ' if line else '') + word
    return lines + [line]

one, two = words[:2800], words[2800:2800 + 2400]
open(f'{work}/expected.txt', 'w').write(' '.join(one + two))
head = '.nr PS 12\n.nr VS 15\n.hy 0\n'
open(f'{work}/one.ms', 'w').write(head + '.LP\n' + ' '.join(one) + '\n')
open(f'{work}/two.ms', 'w').write(head + '.2C\n.LP\n.nf\n' + '\n'.join(hyphenated(two, 35)) + '\n')
EOF
for part in one two; do
  groff -ms -Tpdf < "$work/$part.ms" > "$work/$part.pdf"
  pdftoppm -r 300 -gray -png "$work/$part.pdf" "$work/$part"
done
k=0
angles=(0.4 -0.7 0.9 -0.3 0.6 -0.9 0.2 -0.5 0.8 -0.6)
for page in "$work"/one-*.png "$work"/two-*.png; do
  convert "$page" -background white -rotate "${angles[k % 10]}" +repage -seed "$k" -attenuate 0.4 +noise Gaussian \
    -colorspace Gray "$work/scan-$(printf %02d $k).png"
  k=$((k + 1))
done
img2pdf "$work"/scan-*.png -o "$work/scan.pdf"
echo "scan: $k pages, $(wc -w < "$work/expected.txt") words ($(ls "$work"/one-*.png | wc -l) in one column, $(ls "$work"/two-*.png | wc -l) in two)"

now() { date +%s%N; }
ours=$(QT_QPA_PLATFORM=offscreen "$bin" "$work/scan.pdf" "$work/expected.txt" 2>/dev/null)
echo "Parlewind (scan):       $ours"
mkdir -p "$work/pipeline"
start=$(now)
pdftoppm -r 300 -gray "$work/scan.pdf" "$work/pipeline/p"
ls "$work"/pipeline/p-*.pgm | OMP_THREAD_LIMIT=1 xargs -P "$cores" -I{} tesseract {} {} >/dev/null 2>&1
pipeline=$(( ($(now) - start) / 1000000 ))
echo "pipeline (pdftoppm, tesseract x$cores): $(awk -v ms="$pipeline" -v n="$k" 'BEGIN { printf "time %.2f s  per page %.2f s", ms / 1000, ms / 1000 / n }')"
awk -v ms="$pipeline" -v ours="$ours" 'BEGIN { split(ours, f, " "); printf "Parlewind / pipeline:   %.2fx\n", f[4] / (ms / 1000) }'
echo "Parlewind (screenshot): $(QT_QPA_PLATFORM=offscreen "$bin" --screenshot "$work/shot.png" 2>/dev/null)"
