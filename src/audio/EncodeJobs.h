#pragma once

#include "audio/SpeechToFile.h"

#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <vector>

// The encoded files (MP3, M4B, Opus) of a file run being made on worker threads, at most one a core,
// while the engine goes on with the next speech. Lives on the user-interface
// thread: it starts the jobs, is told when a speech file is complete, and reports
// each job's end there.
class TEncodeJobs : public QObject
{
    Q_OBJECT
public:
    explicit TEncodeJobs(QObject *parent = nullptr);
    ~TEncodeJobs() override;

    // Files never replace a file of their name (see TAudioWriter).
    bool KeepExisting = false;
    // Speech files are needed only until encoded (see TSpeechToFile).
    qint64 FreeAsEncoded = 0;
    // Makes outFile in `format`, tagged with `tags`, from speechFile, which the
    // engine is writing now; `planned`: the chapters it is expected to have.
    void Start(const QString &speechFile, const QString &outFile, TOutputFormat format, const TAudioTags &tags = {},
               const std::vector<TAudioChapter> &planned = {});
    // The speech file being written is complete; the file gets these chapters.
    void SpeechComplete(const std::vector<TAudioChapter> &chapters = {});
    // The speech file being written is given up: its job stops and the file goes.
    void DropIncomplete();
    // Stops every job; none of them leaves a file. Their speech files go too
    // unless they are kept for the user. Returns once the workers have stopped.
    void CancelAll(bool keepSpeech);

    bool Busy() const { return !m_Jobs.empty(); }
    // As many files are being made as there are workers: the next speech waits.
    bool Full() const;
    // The files whose speech is complete and that are still being made.
    QStringList Encoding() const;
    // Progress of the oldest job, or of the one making outFile.
    int Percent() const;
    int Percent(const QString &outFile) const;
    // One a core unless told otherwise.
    int Workers() const { return m_Pool.maxThreadCount(); }
    void SetWorkers(int count);

signals:
    // A job has ended (not when cancelled); its speech file is still there while
    // the signal is handled, and goes afterwards when the file was made.
    void JobEnded(const QString &outFile, const QString &speechFile, bool ok, const QString &failure);
    // The job that ended is gone: its worker and its speech file's name are free.
    void WorkerFreed();
    // Every tenth of a second while jobs run.
    void Progress();

private:
    void Finished(const std::shared_ptr<TSpeechToFile> &job, bool ok);

    QThreadPool m_Pool;
    QTimer m_Ticker;
    std::vector<std::shared_ptr<TSpeechToFile>> m_Jobs; // oldest first
};
