#pragma once

#include "audio/PcmConvert.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

// A failure of the wave-file layer, with the message the user is shown.
class EMMWaveError : public std::runtime_error
{
public:
    explicit EMMWaveError(const QString &message) : std::runtime_error(message.toStdString()), m_Message(message) {}
    const QString &Message() const { return m_Message; }

private:
    QString m_Message;
};

// What the reader learnt about a RIFF WAVE file.
struct TWaveFileInfo
{
    QString FileName;
    TPcmFormat Format;
    QByteArray FormatExtra; // bytes of a non-PCM format record beyond the 18
    qint64 DataStart = 0;
    qint64 DataLength = 0; // whole frames, up to the next chunk or the end of the file
    quint32 Frames = 0;
    QList<QPair<QByteArray, QByteArray>> InfoStrings; // LIST/INFO: identifier, text without its zero
    QList<QPair<quint32, QByteArray>> DispEntries;    // DISP: type, data

    // Parses a file; EMMWaveError "Error reading wave file" or "Invalid wave file...".
    static TWaveFileInfo Read(const QString &fileName);
    // Parses bytes already in memory (the file's whole contents).
    static TWaveFileInfo Parse(const QByteArray &contents, qint64 fileSize);
    // Parses an open file or buffer from its start.
    static TWaveFileInfo Parse(QIODevice &device, qint64 fileSize);
};

// The bytes of source data converted at a time: one second, in whole frames. The
// converter starts afresh with each, so whoever converts the same data in the same
// pieces gets the same samples.
qint64 ConversionChunkBytes(const TPcmFormat &source);
// The bytes one such piece can become, with room for what the converter's start
// adds beyond the exact ratio.
qint32 ConvertedChunkBytes(const TPcmFormat &source, const TPcmFormat &target);

// One wave file: setting the file name opens and parses it.
class TMMWave
{
public:
    void SetFileName(const QString &fileName);
    QString FileName() const { return m_Info ? m_Info->FileName : QString(); }
    const TWaveFileInfo *Info() const { return m_Info.get(); }

    // Writes the whole data, converted to the target format, to a new file. The
    // target is replaced only once the new file is complete.
    void ConvertToFile(const QString &targetName, const TPcmFormat *targetFormat);

    // Called after every chunk; a false answer stops the conversion.
    std::function<bool(qint64 done, qint64 total)> OnProgress;
    // Speech (16-bit mono) changes rate through the band-limited resampler, as on
    // its way to MP3, rather than by repeating and dropping samples.
    bool BandLimited = false;

private:
    std::unique_ptr<TWaveFileInfo> m_Info;
};

// The wave-file component: the owner of one TMMWave.
class TMMWaveFile : public QObject
{
    Q_OBJECT
public:
    explicit TMMWaveFile(QObject *owner = nullptr) : QObject(owner) {}
    TMMWave Wave;
};
