#!/usr/bin/env bash
# The Debian package as a packager and a new user meet it: built from this build,
# its files, the desktop's and AppStream's validators, lintian, and the program run
# from where the package was unpacked (never installed on this machine).
#   package_test.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d /tmp/parlewind-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/out/parlewind_*_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "no package was made" >&2; exit 1; }

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for wanted in ./usr/bin/parlewind ./usr/lib/parlewind/parlewind-reader ./usr/share/applications/parlewind.desktop \
              ./usr/share/metainfo/io.github.parlewind.Parlewind.metainfo.xml \
              ./usr/share/icons/hicolor/scalable/apps/parlewind.svg ./usr/share/icons/hicolor/48x48/apps/parlewind.png \
              ./usr/share/man/man1/parlewind.1.gz ./usr/share/bash-completion/completions/parlewind \
              ./usr/share/parlewind/help/index.html ./usr/share/parlewind/AudioHelp.chl ./usr/share/doc/parlewind/copyright \
              ./usr/share/parlewind/translations/parlewind_de.qm ./usr/share/parlewind/translations/parlewind_ar.qm; do
  grep -qxF "$wanted" <<<"$files" || fail "the package lacks $wanted"
done
depends=$(dpkg-deb -f "$deb" Depends)
for wanted in espeak-ng-data qt6-qpa-plugins libespeak-ng1 libflite1 libqt6widgets6 libavcodec libpoppler-qt6; do
  grep -q "$wanted" <<<"$depends" || fail "the package does not depend on $wanted"
done
for wanted in qt6-wayland qt6-translations-l10n; do
  grep -q "$wanted" <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "the package does not recommend $wanted"
done

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/parlewind.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/io.github.parlewind.Parlewind.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
# No error and no warning (root runs it here: lintian says so, which is no tag).
lintian "$deb" >"$work/lintian.log" 2>&1
grep -E '^[EW]: ' "$work/lintian.log" && fail "lintian"

# Relocatable: the unpacked program finds its data beside itself.
version=$(env -u DISPLAY "$root/usr/bin/parlewind" --version)
[ "$version" = "Parlewind MP3 $(dpkg-deb -f "$deb" Version)" ] || fail "--version said \"$version\""
printf 'The package speaks.\n' >"$work/hello.txt"
env -u DISPLAY -u WAYLAND_DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/nothing" "$root/usr/bin/parlewind" --convert --quiet --out "$work/out" "$work/hello.txt" \
  || fail "the unpacked parlewind --convert"
[ -s "$work/out/hello.mp3" ] || fail "no MP3 from the unpacked program"
# Its reader, a program of its own, is found beside it too.
printf '<html><head><title>Page</title></head><body><p>The page speaks.</p></body></html>\n' >"$work/page.html"
env -u DISPLAY -u WAYLAND_DISPLAY -u PULSE_SERVER PARLEWIND_HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/nothing" "$root/usr/bin/parlewind" --convert --quiet --out "$work/out" "$work/page.html" \
  || fail "the unpacked parlewind --convert of a web page"
[ -s "$work/out/Page.mp3" ] || fail "no MP3 of a web page from the unpacked program"
help=$(env -u DISPLAY "$root/usr/bin/parlewind" --help)
grep -q -- '--read-selection' <<<"$help" || fail "--help does not list the commands"
help=$(env -u DISPLAY LANGUAGE=fr LC_ALL=en_US.UTF-8 "$root/usr/bin/parlewind" --convert --help)
grep -q '^Usage : parlewind --convert' <<<"$help" || fail "the unpacked program does not answer in French"
man -l "$root/usr/share/man/man1/parlewind.1.gz" 2>/dev/null | grep -q -- '--single-file' || fail "man -l parlewind.1.gz"

[ $failures -eq 0 ] && echo "the package is whole and clean"
exit $((failures > 0))
