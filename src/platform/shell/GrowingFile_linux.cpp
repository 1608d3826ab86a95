#include "platform/shell/GrowingFile.h"

#include <QFile>
#include <QHash>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include <fcntl.h>

namespace {

struct Reader
{
    qint64 ahead = 0;
    qint64 read = 0;
};

std::mutex mutex;
std::condition_variable moved;
QHash<QString, Reader> readers;

} // namespace

void GrowingFile::Follow(const QString &path, qint64 ahead)
{
    std::lock_guard lock(mutex);
    readers.insert(path, {ahead, 0});
}

void GrowingFile::Read(const QString &path, qint64 offset)
{
    {
        std::lock_guard lock(mutex);
        const auto it = readers.find(path);
        if (it == readers.end())
            return;
        it->read = offset;
    }
    moved.notify_all();
}

void GrowingFile::Unfollow(const QString &path)
{
    {
        std::lock_guard lock(mutex);
        readers.remove(path);
    }
    moved.notify_all();
}

void GrowingFile::WaitForReader(const QString &path, qint64 offset, const std::atomic<bool> &stop)
{
    std::unique_lock lock(mutex);
    const auto free = [&] {
        const auto it = readers.constFind(path);
        return stop.load() || it == readers.constEnd() || offset - it->read <= it->ahead;
    };
    // A stop is not signalled: it is looked at now and then.
    while (!moved.wait_for(lock, std::chrono::milliseconds(50), free)) {
    }
}

void GrowingFile::Release(QFile &file, qint64 from, qint64 to)
{
    // Whole blocks only: a partial one would be zeroed, not given back.
    constexpr qint64 block = 4096;
    from = (from + block - 1) / block * block;
    to = to / block * block;
    if (to > from)
        ::fallocate(file.handle(), FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, from, to - from);
}
