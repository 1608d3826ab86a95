#pragma once

#include "support/TempHome.h"

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>

#include <cstring>
#include <vector>

// Sound files as a player reads them.
namespace MediaFiles {

// The length ("duration") and the tags ("tag:title", …) that ffprobe finds.
inline QMap<QString, QString> Probe(const QString &file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                              QStringLiteral("format=duration:format_tags:stream=sample_rate,channels,codec_type:stream_tags:"
                                                                             "stream_disposition=attached_pic"), QStringLiteral("-of"),
                                              QStringLiteral("default=noprint_wrappers=1"), file});
    ffprobe.waitForFinished(30000);
    QMap<QString, QString> found;
    for (const QString &line : QString::fromUtf8(ffprobe.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            found[line.left(eq).toLower()] = line.mid(eq + 1);
    }
    return found;
}

inline double Seconds(const QString &file) { return Probe(file).value(QStringLiteral("duration")).toDouble(); }

struct Chapter
{
    double Start;
    QString Title;
};

// The chapters a player finds.
inline std::vector<Chapter> Chapters(const QString &file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                              QStringLiteral("chapter=start_time:chapter_tags=title"), QStringLiteral("-of"),
                                              QStringLiteral("csv=p=0"), file});
    ffprobe.waitForFinished(30000);
    std::vector<Chapter> chapters;
    for (const QString &line : QString::fromUtf8(ffprobe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        chapters.push_back({line.section(QLatin1Char(','), 0, 0).toDouble(), line.section(QLatin1Char(','), 1)});
    return chapters;
}

// The sound of a file as a player plays it: 16-bit mono samples at `rate`.
inline std::vector<qint16> Decoded(const QString &file, int rate)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), file,
                                            QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-ac"), QStringLiteral("1"),
                                            QStringLiteral("-ar"), QString::number(rate), QStringLiteral("-")});
    ffmpeg.waitForFinished(60000);
    const QByteArray bytes = ffmpeg.readAllStandardOutput();
    std::vector<qint16> samples(size_t(bytes.size() / 2));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// The sound of an MP3 file: its bytes after the ID3v2 tag.
inline QByteArray Mp3Sound(const QString &file)
{
    const QByteArray bytes = TempHome::ReadFile(file);
    if (!bytes.startsWith("ID3") || bytes.size() < 10)
        return bytes;
    const auto b = [&](int i) { return qint64(quint8(bytes[i])); };
    return bytes.mid(10 + (b(6) << 21 | b(7) << 14 | b(8) << 7 | b(9)));
}

} // namespace MediaFiles
