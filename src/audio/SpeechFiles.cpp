#include "audio/SpeechFiles.h"

#include "log/UtilsClass.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>

namespace {

const QString prefix = QStringLiteral(".parlewind-");

bool Alive(qint64 pid)
{
    // Another user's process cannot be signalled but is there all the same.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

namespace SpeechFiles {

QString Create(const QString &directory, const QString &extension)
{
    QTemporaryFile file(QDir(directory).filePath(prefix + QString::number(QCoreApplication::applicationPid()) +
                                                 QStringLiteral("-XXXXXX") + extension));
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

int RemoveLeftovers(const QString &directory)
{
    static const QRegularExpression name(QStringLiteral("^\\.parlewind-(\\d+)-"));
    int removed = 0;
    const QStringList candidates =
        QDir(directory).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &file : candidates) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch() || Alive(match.captured(1).toLongLong()))
            continue;
        UtilsClass::Trace(QStringLiteral("Removing the speech of an ended run: ") + file);
        removed += QFile::remove(QDir(directory).filePath(file)) ? 1 : 0;
    }
    return removed;
}

} // namespace SpeechFiles
