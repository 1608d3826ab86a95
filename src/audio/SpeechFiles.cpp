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

// The mode a file made the usual way gets (0644 under the usual umask), which the
// file keeps when it takes its final name: a temporary file's own is 0600.
QFileDevice::Permissions UsualPermissions()
{
    static const QFileDevice::Permissions permissions = [] {
        unsigned mask = 022;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : status.readAll().split('\n')) {
                if (line.startsWith("Umask:"))
                    mask = line.mid(6).trimmed().toUInt(nullptr, 8);
            }
        }
        const unsigned mode = 0666 & ~mask;
        QFileDevice::Permissions p;
        const std::pair<unsigned, QFileDevice::Permission> bits[]{
            {0400, QFileDevice::ReadOwner}, {0200, QFileDevice::WriteOwner}, {0040, QFileDevice::ReadGroup},
            {0020, QFileDevice::WriteGroup}, {0004, QFileDevice::ReadOther}, {0002, QFileDevice::WriteOther}};
        for (const auto &[bit, permission] : bits)
            p.setFlag(permission, mode & bit);
        // Qt's "user" bits are the owner's for the owner.
        p.setFlag(QFileDevice::ReadUser, mode & 0400);
        p.setFlag(QFileDevice::WriteUser, mode & 0200);
        return p;
    }();
    return permissions;
}

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
    if (!file.open())
        return {};
    file.setPermissions(UsualPermissions());
    return file.fileName();
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
