#include "log/StartupTrace.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QtGlobal>

#include <chrono>
#include <cstdio>

namespace {

struct Trace
{
    Trace()
    {
        const QByteArray value = qgetenv("PARLEWIND_STARTUP_TRACE");
        on = !value.isEmpty();
        launched = value.toLongLong();
        clock.start();
    }
    bool on = false;
    qint64 launched = 0; // nanoseconds since the epoch; 0 when not given
    QElapsedTimer clock;
};

Trace &Instance()
{
    static Trace trace;
    return trace;
}

} // namespace

void StartupTrace::Mark(const char *what)
{
    Trace &trace = Instance();
    if (!trace.on)
        return;
    const double sinceMain = double(trace.clock.nsecsElapsed()) / 1e6;
    if (trace.launched > 0) {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        std::fprintf(stderr, "startup: %7.1f ms since launch, %7.1f ms since main: %s\n",
                     double(now - trace.launched) / 1e6, sinceMain, what);
    } else {
        std::fprintf(stderr, "startup: %7.1f ms since main: %s\n", sinceMain, what);
    }
}
