#pragma once

#include <QString>

#include <atomic>

class QFile;

// A file that one thread writes while another reads it as it grows (speech that is
// encoded as it is spoken). A reader that follows the file holds the writer back
// when it is too far ahead, and gives back the disk space of what it has read, so
// that the file takes no more room than the part not yet read.
namespace GrowingFile {

// A reader follows `path` from now on; the writer may run `ahead` bytes past it.
void Follow(const QString &path, qint64 ahead);
// The reader has read the file up to `offset`.
void Read(const QString &path, qint64 offset);
// The reader is done with it (finished, failed or cancelled): the writer goes on freely.
void Unfollow(const QString &path);
// Called by the writer before it writes at `offset`: returns at once unless a reader
// follows the file and is more than its distance behind; then waits until it is
// not, or `stop` is set.
void WaitForReader(const QString &path, qint64 offset, const std::atomic<bool> &stop);
// Gives back the disk space of bytes [from, to) of an open file; the file keeps its
// size and reads zeros there. Where the file system cannot, nothing happens.
void Release(QFile &file, qint64 from, qint64 to);

} // namespace GrowingFile
