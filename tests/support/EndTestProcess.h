#pragma once

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// Ends a test process once its result is known, without the teardown of Qt's
// globals: Qt Multimedia's PulseAudio engine, destroyed after main, has now and
// then tripped libpulse's own assertion ("io_events_please_scan == 0") and turned
// a passed run into an abort. Leak checking, in sanitizer builds, runs first.
[[noreturn]] inline void EndTestProcess(int result)
{
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
    std::fflush(nullptr);
    std::_Exit(result);
}
