#include "audio/SpeechFiles.h"

#include "log/UtilsClass.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

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
    // Made as any new file is (0666 less the umask: 0644 as a rule), not 0600 as a
    // temporary file is: the file keeps its mode when it takes its final name.
    const QString stem = QDir(directory).filePath(prefix + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-'));
    for (int attempt = 0; attempt < 100; ++attempt) {
        QFile file(stem + QString::number(QRandomGenerator::global()->generate() | 0x80000000u, 36) + extension);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists())
            return {}; // not a name taken: the folder refuses
    }
    return {};
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
