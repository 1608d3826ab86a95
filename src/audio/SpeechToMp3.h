#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

// Turns the speech file the engine is writing into an MP3 file, following the file
// as it grows. Each second of speech is resampled to 44100 Hz mono 16-bit exactly
// as TMMWave::ConvertToFile does with BandLimited set (a band-limited resampler,
// not repeated samples) and handed to the same encoder as EncodeMp3File,
// so the MP3 is the one the two steps make one after the other, without the
// resampled file between them and with the two running at the same time as the
// speech. Run works on a worker thread; the rest may be called from any thread.
class TSpeechToMp3
{
public:
    TSpeechToMp3(const QString &speechFile, const QString &mp3File, const QByteArray &tag = {})
        : SpeechFile(speechFile), Mp3File(mp3File), Tag(tag)
    {
    }

    // True when the MP3 is in place. False when it failed (Failure says why) or
    // was cancelled; either way nothing is left under the MP3's name.
    bool Run();
    // The engine has finished the speech file: the MP3 follows it to its end.
    void SpeechComplete() { m_Complete.store(true, std::memory_order_release); }
    bool IsSpeechComplete() const { return m_Complete.load(std::memory_order_acquire); }
    // Stops at the next second of speech.
    void Cancel() { m_Cancelled.store(true, std::memory_order_release); }
    bool IsCancelled() const { return m_Cancelled.load(std::memory_order_acquire); }
    // Whether Run has begun, and whether it has returned (its files closed).
    std::atomic<bool> Running{false};
    std::atomic<bool> Over{false};
    // Of the speech written so far.
    int Percent() const { return m_Percent.load(std::memory_order_relaxed); }
    const QString &Failure() const { return m_Failure; }

    const QString SpeechFile;
    const QString Mp3File;
    const QByteArray Tag; // goes ahead of the sound
    bool KeepExisting = false; // see TMp3Writer
    // The speech is needed only until it is encoded: its disk space is given back
    // as the encoding goes, and the engine waits when it is this far ahead (0: never).
    qint64 FreeAsEncoded = 0;

private:
    bool Fail(const QString &message);

    std::atomic<bool> m_Complete{false};
    std::atomic<bool> m_Cancelled{false};
    std::atomic<int> m_Percent{0};
    QString m_Failure;
};
