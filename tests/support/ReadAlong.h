#pragma once

#include <QByteArray>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <quazip.h>
#include <quazipfile.h>

#include <memory>
#include <vector>

// Read-along books (EPUB 3 with Media Overlays) as a checker and a reading app see them.
namespace ReadAlong {

// What epubcheck says of each book (all checked at once, a Java process each):
// empty for "No errors or warnings detected", else its messages.
inline QStringList EpubCheck(const QStringList &books)
{
    std::vector<std::unique_ptr<QProcess>> checks;
    for (const QString &book : books) {
        checks.push_back(std::make_unique<QProcess>());
        checks.back()->setProcessChannelMode(QProcess::MergedChannels);
        checks.back()->start(QStringLiteral("java"), {QStringLiteral("-jar"), QStringLiteral("/usr/share/java/epubcheck.jar"), book});
    }
    QStringList said;
    for (const auto &check : checks) {
        check->waitForFinished(180000);
        const QString output = QString::fromUtf8(check->readAll());
        said << (output.contains(QStringLiteral("No errors or warnings detected")) ? QString() : output);
    }
    return said;
}

// An entry of the book, or nothing.
inline QByteArray Entry(const QString &book, const QString &name)
{
    QuaZip zip(book);
    if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(name))
        return {};
    QuaZipFile file(&zip);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Clip
{
    QString Text; // the fragment: "s3", "w12"
    qint64 Begin; // milliseconds
    qint64 End;
};

inline qint64 Milliseconds(const QString &clock)
{
    // "h:mm:ss.fff" or "hh:mm:ss,fff"
    const QStringList parts = QString(clock).replace(QLatin1Char(','), QLatin1Char('.')).split(QLatin1Char(':'));
    if (parts.size() != 3)
        return -1;
    return parts[0].toLongLong() * 3600000 + parts[1].toLongLong() * 60000 + qRound64(parts[2].toDouble() * 1000);
}

// The overlay's clips, in order.
inline std::vector<Clip> Clips(const QByteArray &smil)
{
    static const QRegularExpression par(QStringLiteral("<text src=\"[^\"#]*#([^\"]+)\"/>\\s*<audio src=\"[^\"]+\" "
                                                       "clipBegin=\"([^\"]+)\" clipEnd=\"([^\"]+)\"/>"));
    std::vector<Clip> clips;
    for (auto it = par.globalMatch(QString::fromUtf8(smil)); it.hasNext();) {
        const auto match = it.next();
        clips.push_back({match.captured(1), Milliseconds(match.captured(2)), Milliseconds(match.captured(3))});
    }
    return clips;
}

// An SRT file's cues, as clips of their text.
inline std::vector<Clip> Cues(const QByteArray &srt)
{
    static const QRegularExpression cue(QStringLiteral("(\\d+:\\d+:\\d+,\\d+) --> (\\d+:\\d+:\\d+,\\d+)\\n([^\\n]+)"));
    std::vector<Clip> cues;
    for (auto it = cue.globalMatch(QString::fromUtf8(srt)); it.hasNext();) {
        const auto match = it.next();
        cues.push_back({match.captured(3), Milliseconds(match.captured(1)), Milliseconds(match.captured(2))});
    }
    return cues;
}

} // namespace ReadAlong
