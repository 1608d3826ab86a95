#pragma once

// Helpers the benchmarks share.
#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QString>

#include <cstring>
#include <functional>

// Runs the event loop until done() holds or the time is up; false when it is up.
// It sleeps between events (looking again every millisecond): a benchmark that
// spins takes a core from the program it measures.
inline bool Pump(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms);
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    tick.start();
    if (!done())
        loop.exec();
    return done();
}

// A memory figure of this process in kB, e.g. "VmRSS:" (now) or "VmHWM:" (peak).
inline long StatusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<int>(std::strlen(field))).trimmed().split(' ').first().toLong();
    }
    return 0;
}
