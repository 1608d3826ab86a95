#pragma once

#include "audio/AudioWriter.h"

#include <QString>

#include <atomic>
#include <mutex>
#include <vector>

// Turns the speech file the engine is writing into an encoded file (MP3, M4B,
// Opus), following the file as it grows. For an MP3 each second of speech is
// resampled to 44100 Hz mono 16-bit exactly as TMMWave::ConvertToFile does with
// BandLimited set (a band-limited resampler, not repeated samples) and handed to
// the same encoder as EncodeMp3File, so the MP3 is the one the two steps make one
// after the other, without the resampled file between them and with the two
// running at the same time as the speech; the other formats take the speech at
// its own rate. Run works on a worker thread; the rest may be called from any thread.
class TSpeechToFile
{
public:
    TSpeechToFile(const QString &speechFile, const QString &outFile, TOutputFormat format, const TAudioTags &tags = {})
        : SpeechFile(speechFile), OutFile(outFile), Format(format), Tags(tags)
    {
    }

    // True when the file is in place. False when it failed (Failure says why) or
    // was cancelled; either way nothing is left under the file's name.
    bool Run();
    // The engine has finished the speech file: the encoding follows it to its end,
    // and the file gets these chapters (their starts in seconds of the speech).
    void SpeechComplete(const std::vector<TAudioChapter> &chapters = {})
    {
        {
            std::lock_guard lock(m_ChaptersMutex);
            m_Chapters = chapters;
        }
        m_Complete.store(true, std::memory_order_release);
    }
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
    const QString OutFile;
    const TOutputFormat Format;
    const TAudioTags Tags;
    bool KeepExisting = false; // see TAudioWriter
    // The chapters expected, for room in the file's header (see TAudioWriter).
    std::vector<TAudioChapter> PlannedChapters;
    // The speech is needed only until it is encoded: its disk space is given back
    // as the encoding goes, and the engine waits when it is this far ahead (0: never).
    qint64 FreeAsEncoded = 0;

private:
    bool Fail(const QString &message);

    std::atomic<bool> m_Complete{false};
    std::atomic<bool> m_Cancelled{false};
    std::atomic<int> m_Percent{0};
    std::mutex m_ChaptersMutex;
    std::vector<TAudioChapter> m_Chapters;
    QString m_Failure;
};
