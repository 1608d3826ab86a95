#pragma once

#include <QString>
#include <QStringList>

// Where the program's own files live.
namespace ProgramPaths {

// The program's directory: saved articles, trace logs, the default output folder.
// $PARLEWIND_HOME when set, else $XDG_DATA_HOME/Parlewind; created on first use.
QString ProgramDir();

// The running executable's full path and its file name ("parlewind").
QString ProgramFile();
QString ProgramFileName();

// A read-only file shipped with the program (help pages, icons, introduction).
// A copy in the program's directory wins over the one installed or built beside
// the executable. Returns an empty string when none exists.
QString DataFile(const QString &name);

// A helper program shipped with this one ("parlewind-reader"): beside the
// executable, else where the package puts it (relocatable, then as installed),
// else in the build tree. Empty when none is found.
QString HelperProgram(const QString &name);

// The user's home folder with a trailing separator; stands for "the program's drive".
QString HomeRoot();

// Joins path pieces with '/', collapsing doubled separators.
QString JoinPath(const QString &dir, const QString &name);

// Why a file cannot be written where it is to go, in the user's words: a missing
// folder, a read-only one, a full disk; empty when none of these is the case.
QString WriteProblem(const QString &file);
// The file and why it cannot be written, for the end of a message: "file: reason",
// with `otherwise` (an error text of the device) when no reason is found.
QString WhereAndWhy(const QString &file, const QString &otherwise = QString());
// "Unable to create " and the above, in the interface's language.
QString UnableToCreate(const QString &file, const QString &otherwise = QString());
// "Unable to create " and what is given, as it is ("file: reason", or a file alone).
QString CouldNotCreate(const QString &what);

// Gives `from` the name `to`, never replacing a file that has it (one made meanwhile
// by the user or by another program included). False with errno set (EEXIST when
// `to` is there) when it did not.
bool RenameNoReplace(const QString &from, const QString &to);

// Removes what an interrupted atomic write of `file` left beside it (the
// unfinished copies "name.XXXXXX"); returns what was removed.
QStringList RemoveStaleTemporaries(const QString &file);

// Removes a lock file (QLockFile's, as the settings store takes while it writes)
// whose holder is gone: one left empty or half written by a kill is otherwise
// waited for 30 seconds at the next write. True when one was removed. Only for
// files no other running program may lock.
bool RemoveStaleLock(const QString &lockFile);

// Reading a file the program keeps beside the saved articles (the list, reading
// places, books and their covers): only a regular file is read (never waiting on a
// pipe or reading a device), at most `limit` bytes of it, and a link is followed only
// when `followLinks`. A file that is none of that is renamed aside ("NAME.aside") so
// that no later start meets it again; `problem` then says so in the user's words.
enum class TSideRead { Missing, Read, SetAside };
TSideRead ReadSideFile(const QString &path, qint64 limit, QByteArray *contents, QString *problem,
                       bool followLinks = true);

// A folder of the user's own that no one else may enter, for the running program's
// lock and socket: $XDG_RUNTIME_DIR when it is such, else $TMPDIR/parlewind-<uid>
// (made so when missing). Empty, with the reason in the user's words, when neither is.
QString PrivateRuntimeDir(QString *problem = nullptr);
// Whether the program at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(qintptr socketDescriptor);

// Quotes one argument for a command line (desktop-entry Exec rules, which are also
// valid for a POSIX shell): unchanged when it needs no quoting.
QString QuoteArgument(const QString &arg);

} // namespace ProgramPaths
