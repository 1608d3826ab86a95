#include "log/UtilsClass.h"

#include "platform/shell/ProgramPaths.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

QString UtilsClass::LogBase()
{
    return ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), ProgramPaths::ProgramFileName());
}

QString UtilsClass::LogFile()
{
    return LogBase() + QStringLiteral(".dbg");
}

QString UtilsClass::Timestamp()
{
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    // The long time format names the time zone ("t"); a log line does not need it.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QStringLiteral(" t")).remove(QLatin1Char('t'));
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), timeFormat.trimmed());
}

void UtilsClass::Trace(const QString &message)
{
    QFile file(LogFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    file.write((Timestamp() + QStringLiteral(" - ") + message + QLatin1Char('\n')).toUtf8());
    file.flush();
    file.close();
}

void UtilsClass::RotateLogs()
{
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
