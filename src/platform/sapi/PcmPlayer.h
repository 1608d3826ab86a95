#pragma once

#include "platform/sapi/EspeakWorker.h"

#include <QAudioDevice>
#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QAudioSink;
class QIODevice;
class QTimer;

// What the player reports as the audio is actually heard.
struct PlayEvent
{
    // Lost: the sound device went away (or stopped taking sound); nothing more is
    // played or reported, and every text still queued is over.
    // Failed: the engine failed on the text, which ends unfinished.
    enum Kind { Started, Word, Done, Lost, Failed } kind;
    quint64 job;
    int index = 0; // Word: UTF-16 index in the job's text
    qint64 sample = -1; // a file: where the word (Started: the text) begins in it
    int length = 0;     // Word: a whole sentence's length, for a voice that tells no words
    int voice = -1;     // Word: not a word but a change of voice (see SynthMark)
};

// Audio between the synthesis thread (which pushes) and the player (which plays).
class PcmQueue
{
public:
    // Blocks while more than `ahead` samples wait to be played. False when the job was
    // stopped, the queue was reset, or the device failed.
    bool Push(quint64 job, const std::atomic<bool> &abort, const qint16 *samples, int count,
              const std::vector<SynthMark> &marks);
    // The job's last audio is in; `completed` false: the engine failed on it, and
    // it ends (when heard to there) unfinished.
    void End(quint64 job, const std::atomic<bool> &abort, bool completed = true);

private:
    friend class PcmPlayer;
    struct Chunk
    {
        QByteArray pcm;
        std::vector<std::pair<qint64, PlayEvent>> events; // absolute sample, event
    };

    std::mutex m_Mutex;
    std::condition_variable m_Room;
    std::deque<Chunk> m_Chunks;
    qint64 m_Produced = 0; // samples pushed since the last reset
    qint64 m_Played = 0;
    quint64 m_StartedJob = 0;
    qint64 m_JobStart = 0;
    quint64 m_Epoch = 0;
    bool m_Broken = false;
    std::function<void()> m_Wake; // asks the player to feed at once
    qint64 m_Ahead = SynthRate;   // one second
};

// Plays 22050 Hz mono 16-bit audio on one output device, reporting each word, text
// start and text end when its first (or last) sample is really played.
class PcmPlayer : public QObject
{
    Q_OBJECT
public:
    explicit PcmPlayer(const QAudioDevice &device, QObject *parent = nullptr);
    ~PcmPlayer() override;

    bool Open();
    std::shared_ptr<PcmQueue> Queue() const { return m_Queue; }

    // Pausing closes the stream, keeping what was not heard yet, and resuming opens
    // a new one: a stream that its device took away while paused cannot stall or
    // abort the program then.
    void Pause();
    void Resume();
    // Drops everything queued and playing at once.
    void Reset();
    bool Broken() const;
    // The description of the device the sound last went to before a player lost it.
    static QString LostDevice() { return s_LostDevice; }
    // Samples handed to the sound server since the player opened or was reset.
    qint64 SamplesWritten() const { return m_Written; }
    // Stops for good: no more sound, no more events. Safe from inside OnEvent.
    void Close();

    std::function<void(const PlayEvent &)> OnEvent;

private:
    void Tick();
    qint64 PlayedSamples();
    // Opens a stream on the device, or on the default one when the device went away
    // and the sound server still has another; false when there is none to open.
    bool StartStream();
    // Marks the player broken and tells the owner once.
    void Lose();
    // Notes where the sound server plays the stream now.
    void FollowStream();
    bool StreamFailed() const;
    bool HasQueued() const;

    QAudioDevice m_Device;
    QAudioSink *m_Sink = nullptr;
    QIODevice *m_Io = nullptr;
    QTimer *m_Timer = nullptr;
    std::shared_ptr<PcmQueue> m_Queue;
    QByteArray m_Pending;   // bytes taken from the queue, not yet accepted by the sink
    QByteArray m_Unheard;   // bytes handed to the sink, from sample m_UnheardFrom on
    qint64 m_UnheardFrom = 0;
    qint64 m_Written = 0;   // samples handed to the sink since the player opened or was reset
    qint64 m_StreamBase = 0; // samples played on earlier streams (before a pause)
    std::deque<std::pair<qint64, PlayEvent>> m_Events;
    bool m_Closed = false;
    bool m_Lost = false;
    bool m_Paused = false;
    qint64 m_PausedAt = 0;
    // When the stream last made progress, for telling a stream that stopped taking
    // sound from one that is merely between texts.
    qint64 m_LastPlayed = -1;
    qint64 m_StalledSince = 0;
    qint64 m_LastTry = 0;      // when a stream that cannot be opened was last tried
    qint64 m_FailingSince = 0; // since when it cannot be
    QString m_StreamOn;        // the device the stream plays on, as far as can be told
    qint64 m_LastFollowed = 0;
    static QString s_LostDevice;
};
