# Sourced by the start-up benches: the private display and sound server
# (bench/private-session.sh, $work), a runtime folder in memory ($runtime), the
# waiter for a mapped window ($waiter, with `mapped TITLE PROGRAM...`), and
# `loaded_home CHOOSER DIR`, a home of 500 saved articles and 20 chosen languages.
. bench/private-session.sh
# The runtime folder of a desktop session (/run/user/UID) is in memory, and so is this
# one where the machine allows: the program syncs its lock file there at every start,
# a millisecond on a disk that a desktop never pays.
runtime=$(mktemp -d /dev/shm/parlewind-bench.XXXXXX 2>/dev/null) || runtime=$work/runtime
trap 'rm -rf "$runtime"; cleanup' EXIT
waiter=$work/mapped
# shellcheck disable=SC2046
gcc -O2 bench/mapped.c -o "$waiter" $(pkg-config --cflags --libs xcb)

# Milliseconds from launch to the window titled $1 being mapped; the rest is the
# command; the program's standard error (its start-up marks) in $work/trace.
# bench/mapped.c waits on the X server's events, taking no processor time from the
# program it measures (asking the display again and again would).
mapped() {
  "$waiter" "$@" 2>"$work/trace" || { echo "$2 did not show its window" >&2; cat "$work/trace" >&2; exit 1; }
}

# A home with 500 saved articles in multi-article mode and 20 languages chosen.
loaded_home() { # CHOOSER DIR
  mkdir -p "$2/program" "$2/config"
  XDG_CONFIG_HOME="$2/config" PARLEWIND_HOME="$2/program" QT_QPA_PLATFORM=offscreen "$1" choose 20 500 >/dev/null 2>&1
}
