#pragma once

// Where a start of the window spends its time: with PARLEWIND_STARTUP_TRACE set, each
// mark prints the milliseconds since the program's main began (and, when the variable
// holds the launch time in nanoseconds since the epoch, as `date +%s%N` gives it, since
// the launch) to the standard error. Without it a mark costs one test of a flag.
namespace StartupTrace {

void Mark(const char *what);

} // namespace StartupTrace
