#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

// What a child process of the program hands back on its standard output: records
// of a type byte, the payload's length (4 bytes, big-endian) and the payload.
namespace ChildRecords {

constexpr qsizetype HeaderSize = 5;

inline bool Write(QIODevice &out, char type, const QByteArray &payload)
{
    char header[HeaderSize] = {type};
    qToBigEndian<quint32>(quint32(payload.size()), header + 1);
    return out.write(header, HeaderSize) == HeaderSize && out.write(payload) == payload.size();
}

// The whole record at `*at` in what was received, moving `*at` past it; false when
// what follows is not yet a whole record.
inline bool Next(const QByteArray &received, qsizetype *at, char *type, QByteArray *payload)
{
    if (received.size() - *at < HeaderSize)
        return false;
    const auto size = qsizetype(qFromBigEndian<quint32>(received.constData() + *at + 1));
    if (received.size() - *at - HeaderSize < size)
        return false;
    *type = received.at(*at);
    *payload = received.mid(*at + HeaderSize, size);
    *at += HeaderSize + size;
    return true;
}

} // namespace ChildRecords
