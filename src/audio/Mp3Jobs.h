#pragma once

#include "audio/SpeechToMp3.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <vector>

// The MP3 files of a file run being made on worker threads, at most one a core,
// while the engine goes on with the next speech. Lives on the user-interface
// thread: it starts the jobs, is told when a speech file is complete, and reports
// each job's end there.
class TMp3Jobs : public QObject
{
    Q_OBJECT
public:
    explicit TMp3Jobs(QObject *parent = nullptr);
    ~TMp3Jobs() override;

    // MP3 files never replace a file of their name (see TMp3Writer).
    bool KeepExisting = false;
    // Speech files are needed only until encoded (see TSpeechToMp3).
    qint64 FreeAsEncoded = 0;
    // Makes mp3File, tagged with `tag`, from speechFile, which the engine is writing now.
    void Start(const QString &speechFile, const QString &mp3File, const QByteArray &tag = {});
    // The speech file being written is complete.
    void SpeechComplete();
    // The speech file being written is given up: its job stops and the file goes.
    void DropIncomplete();
    // Stops every job; none of them leaves an MP3. Their speech files go too
    // unless they are kept for the user. Returns once the workers have stopped.
    void CancelAll(bool keepSpeech);

    bool Busy() const { return !m_Jobs.empty(); }
    // As many MP3 files are being made as there are workers: the next speech waits.
    bool Full() const;
    // The MP3 files whose speech is complete and that are still being made.
    QStringList Encoding() const;
    // Progress of the oldest job, or of the one making mp3File.
    int Percent() const;
    int Percent(const QString &mp3File) const;
    // One a core unless told otherwise.
    int Workers() const { return m_Pool.maxThreadCount(); }
    void SetWorkers(int count);

signals:
    // A job has ended (not when cancelled); its speech file is still there while
    // the signal is handled, and goes afterwards when the MP3 was made.
    void JobEnded(const QString &mp3File, const QString &speechFile, bool ok, const QString &failure);
    // The job that ended is gone: its worker and its speech file's name are free.
    void WorkerFreed();
    // Every tenth of a second while jobs run.
    void Progress();

private:
    void Finished(const std::shared_ptr<TSpeechToMp3> &job, bool ok);

    QThreadPool m_Pool;
    QTimer m_Ticker;
    std::vector<std::shared_ptr<TSpeechToMp3>> m_Jobs; // oldest first
};
