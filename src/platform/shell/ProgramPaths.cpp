#include "platform/shell/ProgramPaths.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

namespace {

// The first of `candidates` that is a file (and may be run, when `program`).
QString FirstFile(const QStringList &candidates, bool program)
{
    for (const QString &c : candidates) {
        const QFileInfo info(c);
        if (info.isFile() && (!program || info.isExecutable()))
            return info.absoluteFilePath();
    }
    return {};
}

} // namespace

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
    return FirstFile(candidates, false);
}

QString HelperProgram(const QString &name)
{
    QStringList candidates;
    const QString exeDir = QFileInfo(ProgramFile()).absolutePath();
    if (!exeDir.isEmpty())
        candidates << JoinPath(exeDir, name)
                   << JoinPath(exeDir, QStringLiteral("../lib/parlewind/") + name);
    candidates << JoinPath(QStringLiteral(PARLEWIND_HELPER_INSTALL_DIR), name)
               // Test programs and benchmarks run from the build tree.
               << JoinPath(QStringLiteral(PARLEWIND_BUILD_PROGRAM_DIR), name);
    return FirstFile(candidates, true);
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
        return QCoreApplication::translate("ProgramPaths", "the folder %1 does not exist").arg(dir);
    const QStorageInfo storage(dir);
    if (storage.isValid() && storage.isReadOnly())
        return QCoreApplication::translate("ProgramPaths", "the folder %1 is on a read-only disk")
            .arg(dir);
    if (!folder.isWritable())
        return QCoreApplication::translate("ProgramPaths",
                                           "permission denied: the folder %1 cannot be written")
            .arg(dir);
    // Less than a block or two left: what the writing stopped at.
    if (storage.isValid() && storage.bytesAvailable() < 64 * 1024)
        return QCoreApplication::translate("ProgramPaths", "the disk is full");
    return {};
}

QString ProgramPaths::WhereAndWhy(const QString &file, const QString &otherwise)
{
    const QString problem = WriteProblem(file);
    const QString reason = problem.isEmpty() ? otherwise : problem;
    return reason.isEmpty() ? file : file + QStringLiteral(": ") + reason;
}

QString ProgramPaths::UnableToCreate(const QString &file, const QString &otherwise)
{
    return CouldNotCreate(WhereAndWhy(file, otherwise));
}

QString ProgramPaths::CouldNotCreate(const QString &what)
{
    return QCoreApplication::translate("ProgramPaths", "Unable to create %1").arg(what);
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

namespace {

// Why `dir` is no private folder of this user's; empty when it is one. Looked at
// itself, not through a link.
QString NotPrivate(const QString &dir)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(dir).constData(), &st) != 0)
        return QCoreApplication::translate("ProgramPaths", "%1 cannot be used (%2).")
            .arg(dir, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("ProgramPaths", "%1 is not a folder.").arg(dir);
    if (st.st_uid != ::getuid())
        return QCoreApplication::translate("ProgramPaths", "%1 belongs to another user.").arg(dir);
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return QCoreApplication::translate("ProgramPaths", "%1 can be used by other users too.")
            .arg(dir);
    return {};
}

} // namespace

QString ProgramPaths::PrivateRuntimeDir(QString *problem)
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && NotPrivate(xdg).isEmpty())
        return xdg;
    // A shell of su or sudo, a cron job: our own folder in the temporary one, made
    // private; one that someone else made first is never used.
    const QString own = QDir::tempPath() + QStringLiteral("/parlewind-") + QString::number(::getuid());
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        if (problem)
            *problem = QCoreApplication::translate("ProgramPaths", "%1 cannot be made (%2).")
                           .arg(own, QString::fromLocal8Bit(std::strerror(errno)));
        return {};
    }
    const QString why = NotPrivate(own);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return {};
    }
    return own;
}

bool ProgramPaths::PeerIsThisUser(qintptr socketDescriptor)
{
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return socketDescriptor >= 0 &&
           ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
}

ProgramPaths::TSideRead ProgramPaths::ReadSideFile(const QString &path, qint64 limit, QByteArray *contents,
                                                   QString *problem, bool followLinks)
{
    contents->clear();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0 && errno == ENOENT)
        return TSideRead::Missing;
    QString why;
    struct stat st {};
    if (fd < 0)
        why = errno == ELOOP ? QCoreApplication::translate("ProgramPaths", "it is a link")
                             : QString::fromLocal8Bit(std::strerror(errno));
    else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        why = QCoreApplication::translate("ProgramPaths", "it is not a plain file");
    // Read to one byte past the limit whatever size the file claims.
    while (why.isEmpty()) {
        char buffer[65536];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            why = QString::fromLocal8Bit(std::strerror(errno));
        } else if (n == 0) {
            break;
        } else {
            contents->append(buffer, n);
            if (contents->size() > limit)
                why = QCoreApplication::translate("ProgramPaths", "it is larger than %1 MB")
                          .arg(limit >> 20);
        }
    }
    if (fd >= 0)
        ::close(fd);
    if (why.isEmpty())
        return TSideRead::Read;
    contents->clear();
    const QString aside = path + QStringLiteral(".aside");
    ::unlink(QFile::encodeName(aside).constData());
    const bool moved = ::rename(name.constData(), QFile::encodeName(aside).constData()) == 0;
    if (problem)
        *problem = moved ? QCoreApplication::translate(
                               "ProgramPaths", "%1 could not be read (%2) and was set aside as %3.")
                               .arg(QFileInfo(path).fileName(), why, QFileInfo(aside).fileName())
                         : QCoreApplication::translate("ProgramPaths", "%1 could not be read (%2).")
                               .arg(QFileInfo(path).fileName(), why);
    return TSideRead::SetAside;
}
