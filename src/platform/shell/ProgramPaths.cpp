#include "platform/shell/ProgramPaths.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <csignal>

namespace ProgramPaths {

QString ProgramDir()
{
    QString dir = qEnvironmentVariable("PARLEWIND_HOME");
    if (dir.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share");
        dir = data + QStringLiteral("/Parlewind");
    }
    dir = QDir::cleanPath(dir);
    QDir().mkpath(dir);
    return dir;
}

QString ProgramFile()
{
    QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                : QString();
    if (path.isEmpty())
        path = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return path;
}

QString ProgramFileName()
{
    const QString name = QFileInfo(ProgramFile()).fileName();
    return name.isEmpty() ? QStringLiteral("parlewind") : name;
}

QString DataFile(const QString &name)
{
    QStringList candidates{JoinPath(ProgramDir(), name)};
    const QString exeDir = QFileInfo(ProgramFile()).absolutePath();
    if (!exeDir.isEmpty()) {
        candidates << JoinPath(exeDir, QStringLiteral("data/") + name)
                   << JoinPath(exeDir, QStringLiteral("../share/parlewind/") + name);
    }
    candidates << JoinPath(QStringLiteral(PARLEWIND_DATA_INSTALL_DIR), name)
               // Programs and tests run from the build tree find the sources' copy.
               << JoinPath(QStringLiteral(PARLEWIND_SOURCE_DATA_DIR), name);
    for (const QString &c : candidates) {
        if (QFileInfo(c).isFile())
            return QFileInfo(c).absoluteFilePath();
    }
    return {};
}

QString HomeRoot()
{
    return JoinPath(QDir::homePath(), QStringLiteral("/"));
}

QString JoinPath(const QString &dir, const QString &name)
{
    QString joined = dir + QLatin1Char('/') + name;
    while (joined.contains(QStringLiteral("//")))
        joined.replace(QStringLiteral("//"), QStringLiteral("/"));
    return joined;
}

QString QuoteArgument(const QString &arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = arg.isEmpty();
    for (QChar c : arg)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return arg;
    QString quoted = QStringLiteral("\"");
    for (QChar c : arg) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace ProgramPaths

QStringList ProgramPaths::RemoveStaleTemporaries(const QString &file)
{
    const QFileInfo info(file);
    QDir dir = info.absoluteDir();
    const QString prefix = info.fileName() + QLatin1Char('.');
    QStringList removed;
    // Atomic writes put their copy in "name.XXXXXX", six letters and digits.
    static const QRegularExpression suffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    for (const QString &name : dir.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
        if (suffix.match(name.mid(prefix.size())).hasMatch() && dir.remove(name))
            removed << dir.filePath(name);
    }
    return removed;
}

QString ProgramPaths::WriteProblem(const QString &file)
{
    const QString dir = QFileInfo(file).absolutePath();
    const QFileInfo folder(dir);
    if (!folder.isDir())
        return QStringLiteral("the folder ") + dir + QStringLiteral(" does not exist");
    const QStorageInfo storage(dir);
    if (storage.isValid() && storage.isReadOnly())
        return QStringLiteral("the folder ") + dir + QStringLiteral(" is on a read-only disk");
    if (!folder.isWritable())
        return QStringLiteral("permission denied: the folder ") + dir + QStringLiteral(" cannot be written");
    // Less than a block or two left: what the writing stopped at.
    if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        return QStringLiteral("the disk is full");
    return {};
}

QString ProgramPaths::WhereAndWhy(const QString &file, const QString &otherwise)
{
    const QString problem = WriteProblem(file);
    const QString reason = problem.isEmpty() ? otherwise : problem;
    return reason.isEmpty() ? file : file + QStringLiteral(": ") + reason;
}

bool ProgramPaths::RemoveStaleLock(const QString &lockFile)
{
    QFile lock(lockFile);
    if (!lock.exists())
        return false;
    // The holder's process id is the first line; a kill can leave the file empty.
    qint64 pid = 0;
    if (lock.open(QIODevice::ReadOnly))
        pid = lock.readLine().trimmed().toLongLong();
    lock.close();
    if (pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH))
        return false;
    return QFile::remove(lockFile);
}

bool ProgramPaths::RenameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without it: a hard link fails just the same on an existing name.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}
