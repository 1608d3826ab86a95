# Sourced by the benches that need a display and a sound server: a private X
# display and sound server in a fresh folder ($work), both gone at exit.
work=$(mktemp -d /tmp/parlewind-bench.XXXXXX)
cleanup() {
  ./scripts/gui-session stop "$work/gui" >/dev/null 2>&1 || true
  ./scripts/sound-server stop "$work/sound" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
eval "$(./scripts/sound-server start "$work/sound")"
eval "$(./scripts/gui-session start "$work/gui")"
