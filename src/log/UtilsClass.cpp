#include "log/UtilsClass.h"

#include "platform/shell/ProgramPaths.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTime>

#include <algorithm>
#include <ctime>
#include <mutex>

#include <sys/stat.h>

namespace {

// The log stays open between lines: opening it for every line made tracing the
// slowest part of restoring a long article list. Every line is still flushed, so
// the file is complete after each one.
struct OpenLog
{
    std::mutex mutex;
    QByteArray placeKey; // the settings that decide where the log lives
    QString path;
    QFile file;
    QString timeFormat;
};

OpenLog &Log()
{
    static OpenLog log;
    return log;
}

QByteArray PlaceKey() { return qgetenv("PARLEWIND_HOME") + '\n' + qgetenv("XDG_DATA_HOME") + '\n' + qgetenv("HOME"); }

} // namespace

static QString &LogName()
{
    static QString name;
    return name;
}

QString UtilsClass::LogBase()
{
    const QString name = LogName().isEmpty() ? ProgramPaths::ProgramFileName() : LogName();
    return ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), name);
}

QString UtilsClass::LogFile()
{
    return LogBase() + QStringLiteral(".dbg");
}

QString UtilsClass::Timestamp()
{
    static const QLocale locale = QLocale::system();
    static const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    // The long time format names the time zone ("t"); a log line does not need it.
    static const QString timeFormat = [] {
        QString format = locale.timeFormat(QLocale::LongFormat);
        return format.remove(QStringLiteral(" t")).remove(QLatin1Char('t')).trimmed();
    }();
    // The local time as the C library keeps it: QDateTime asks for the time zone
    // again (a look at /etc/localtime) for every line, a third of the cost of
    // tracing a long restore.
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // A restore of many articles traces a thousand lines within a second: without
    // milliseconds in the format, a second's text is made once.
    static const bool bySecond = !timeFormat.contains(QLatin1Char('z'));
    thread_local time_t madeFor = -1;
    thread_local QString made;
    if (bySecond && now.tv_sec == madeFor)
        return made;
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    const QDate date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    const QTime time(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                     int(now.tv_nsec / 1000000));
    QString stamp =
        locale.toString(date, dateFormat) + QLatin1Char(' ') + locale.toString(time, timeFormat);
    if (bySecond) {
        madeFor = now.tv_sec;
        made = stamp;
    }
    return stamp;
}

static void CloseLog()
{
    OpenLog &log = Log();
    std::lock_guard lock(log.mutex);
    log.file.close();
    log.placeKey.clear();
}

void UtilsClass::SetLogName(const QString &name)
{
    CloseLog();
    LogName() = name;
}

void UtilsClass::Trace(const QString &message)
{
    OpenLog &log = Log();
    std::lock_guard lock(log.mutex);
    const QByteArray key = PlaceKey();
    if (key != log.placeKey) {
        log.file.close();
        log.path = LogFile();
        log.placeKey = key;
    }
    // Someone removed the file: start a new one.
    struct stat st;
    if (log.file.isOpen() && (::fstat(log.file.handle(), &st) != 0 || st.st_nlink == 0))
        log.file.close();
    if (!log.file.isOpen()) {
        log.file.setFileName(log.path);
        if (!log.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return;
    }
    log.file.write((Timestamp() + QStringLiteral(" - ") + message + QLatin1Char('\n')).toUtf8());
    log.file.flush();
}

void UtilsClass::DeleteTraced(const QString &path)
{
    if (!path.isEmpty() && QFile::exists(path) && !QFile::remove(path))
        Trace(QStringLiteral("Delete Failed"));
}

void UtilsClass::RotateLogs()
{
    CloseLog();
    const QString base = LogBase();
    const auto name = [&base](int generation) {
        return generation == 0 ? base + QStringLiteral(".dbg")
                               : base + QString::number(generation) + QStringLiteral(".dbg");
    };
    QFile::remove(name(3));
    for (int from = 2; from >= 0; --from) {
        if (QFile::exists(name(from))) {
            QFile::remove(name(from + 1));
            QFile::copy(name(from), name(from + 1));
        }
    }
    QFile::remove(name(0));
}
