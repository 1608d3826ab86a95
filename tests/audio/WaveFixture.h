#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>

#include <cmath>

// Builds small wave files byte by byte, so that the reader is tested against files
// that no writer of ours made.
namespace WaveFixture {

inline void Put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

inline void Put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

inline QByteArray Chunk(const char *id, const QByteArray &body, qint64 sizeField = -1)
{
    QByteArray b(id, 4);
    Put32(b, quint32(sizeField >= 0 ? sizeField : body.size()));
    b += body;
    if (body.size() & 1)
        b.append('\0');
    return b;
}

inline QByteArray Fmt(int tag, int channels, int rate, int bits, int fmtSize = 16)
{
    QByteArray f;
    Put16(f, tag);
    Put16(f, channels);
    Put32(f, quint32(rate));
    Put32(f, quint32(qint64(rate) * channels * bits / 8));
    Put16(f, channels * bits / 8);
    Put16(f, bits);
    if (fmtSize >= 18)
        Put16(f, 0);
    return Chunk("fmt ", f);
}

inline QByteArray Riff(const QByteArray &chunks, qint64 sizeField = -1)
{
    QByteArray b("RIFF", 4);
    Put32(b, quint32(sizeField >= 0 ? sizeField : chunks.size() + 4));
    b += "WAVE";
    b += chunks;
    return b;
}

inline QByteArray Samples16(const QList<int> &values)
{
    QByteArray b;
    for (int v : values)
        Put16(b, v);
    return b;
}

// A mono 16-bit wave file of a sine.
inline QByteArray Sine(int rate, double seconds, double hz, int amplitude = 12000)
{
    QByteArray data;
    const int n = int(rate * seconds);
    data.reserve(n * 2);
    for (int i = 0; i < n; ++i)
        Put16(data, int(std::lround(amplitude * std::sin(2 * M_PI * hz * i / rate))));
    return Riff(Fmt(1, 1, rate, 16) + Chunk("data", data));
}

// The 16-bit samples of a wave file's data chunk (the file as we write it: 46-byte header).
inline QList<qint16> DataSamples(const QByteArray &file, int headerBytes = 46)
{
    const quint32 size = quint8(file[headerBytes - 4]) | quint8(file[headerBytes - 3]) << 8 |
                         quint8(file[headerBytes - 2]) << 16 | quint32(quint8(file[headerBytes - 1])) << 24;
    QList<qint16> samples;
    for (quint32 i = 0; i + 1 < size; i += 2)
        samples << qint16(quint8(file[headerBytes + int(i)]) | quint8(file[headerBytes + int(i) + 1]) << 8);
    return samples;
}

// What soxi says about a file ("-r", "-c", "-s" for samples, "-D" for seconds).
inline QString Soxi(const QString &option, const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("soxi"), {option, path});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace WaveFixture
