#pragma once

#include "support/TempHome.h"

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>

// Sound files as a player reads them.
namespace MediaFiles {

// The length ("duration") and the tags ("tag:title", …) that ffprobe finds.
inline QMap<QString, QString> Probe(const QString &file)
{
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                              QStringLiteral("format=duration:format_tags:stream=sample_rate,channels"), QStringLiteral("-of"),
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
