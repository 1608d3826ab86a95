#!/usr/bin/env bash
# Every text the code shows is in each shipped translation, and every translation is
# finished: lupdate run into a copy finds nothing new, lrelease reports nothing unfinished.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/parlewind_*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  /usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none "$source/src" -ts "$work/$name"
  if ! diff -q "$ts" "$work/$name" >/dev/null; then
    echo "$name is stale: run scripts/translations and translate what it adds"
    diff "$ts" "$work/$name" | head -20
    status=1
  fi
  report=$(/usr/lib/qt6/bin/lrelease "$ts" -qm "$work/out.qm")
  if grep -q 'type="unfinished"' "$ts" || grep -q "untranslated" <<<"$report"; then
    echo "$name is not finished: $report"
    status=1
  fi
done
exit $status
