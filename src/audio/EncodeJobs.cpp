#include "audio/EncodeJobs.h"

#include "log/UtilsClass.h"
#include "platform/shell/GrowingFile.h"
#include "platform/shell/ProgramPaths.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>

TEncodeJobs::TEncodeJobs(QObject *parent) : QObject(parent)
{
    SetWorkers(QThread::idealThreadCount());
    m_Ticker.setInterval(100);
    connect(&m_Ticker, &QTimer::timeout, this, &TEncodeJobs::Progress);
}

TEncodeJobs::~TEncodeJobs() { CancelAll(true); }

void TEncodeJobs::SetWorkers(int count) { m_Pool.setMaxThreadCount(std::max(1, count)); }

void TEncodeJobs::Start(const QString &speechFile, const QString &outFile, TOutputFormat format, const TAudioTags &tags,
                        const std::vector<TAudioChapter> &planned)
{
    auto job = std::make_shared<TSpeechToFile>(speechFile, outFile, format, tags);
    job->PlannedChapters = planned;
    job->KeepExisting = KeepExisting;
    job->FreeAsEncoded = FreeAsEncoded;
    // Followed from now on, also while the job waits for a worker.
    if (FreeAsEncoded > 0)
        GrowingFile::Follow(speechFile, FreeAsEncoded);
    m_Jobs.push_back(job);
    m_Pool.start([this, job] {
        job->Running = true;
        const bool ok = job->Run();
        GrowingFile::Unfollow(job->SpeechFile);
        job->Over = true;
        // Reported on this object's thread, unless it has gone meanwhile.
        QMetaObject::invokeMethod(this, [this, job, ok] { Finished(job, ok); }, Qt::QueuedConnection);
    });
    m_Ticker.start();
}

void TEncodeJobs::SpeechComplete(const std::vector<TAudioChapter> &chapters)
{
    for (const auto &job : m_Jobs) {
        if (!job->IsSpeechComplete())
            job->SpeechComplete(chapters);
    }
}

void TEncodeJobs::DropIncomplete()
{
    const auto it = std::find_if(m_Jobs.begin(), m_Jobs.end(), [](const auto &job) { return !job->IsSpeechComplete(); });
    if (it == m_Jobs.end())
        return;
    const std::shared_ptr<TSpeechToFile> job = *it;
    m_Jobs.erase(it);
    job->Cancel();
    GrowingFile::Unfollow(job->SpeechFile);
    // The space its files take (a full disk, say) is free before the next speech
    // begins: it stops within moments once it has begun.
    while (job->Running && !job->Over)
        QThread::msleep(2);
    UtilsClass::DeleteTraced(job->SpeechFile);
}

void TEncodeJobs::CancelAll(bool keepSpeech)
{
    for (const auto &job : m_Jobs) {
        job->Cancel();
        GrowingFile::Unfollow(job->SpeechFile);
    }
    // Each stops within a second of speech; its unfinished file goes with it.
    m_Pool.waitForDone();
    for (const auto &job : m_Jobs) {
        if (!keepSpeech)
            UtilsClass::DeleteTraced(job->SpeechFile);
    }
    m_Jobs.clear();
    m_Ticker.stop();
}

bool TEncodeJobs::Full() const { return int(m_Jobs.size()) >= Workers(); }

QStringList TEncodeJobs::Encoding() const
{
    QStringList files;
    for (const auto &job : m_Jobs) {
        if (job->IsSpeechComplete())
            files << job->OutFile;
    }
    return files;
}

int TEncodeJobs::Percent() const { return m_Jobs.empty() ? 0 : m_Jobs.front()->Percent(); }

int TEncodeJobs::Percent(const QString &outFile) const
{
    const auto it = std::find_if(m_Jobs.begin(), m_Jobs.end(), [&](const auto &job) { return job->OutFile == outFile; });
    return it == m_Jobs.end() ? 0 : (*it)->Percent();
}

void TEncodeJobs::Finished(const std::shared_ptr<TSpeechToFile> &job, bool ok)
{
    const auto it = std::find(m_Jobs.begin(), m_Jobs.end(), job);
    if (it == m_Jobs.end() || job->IsCancelled())
        return; // cancelled: its end is no news
    if (!ok)
        UtilsClass::Trace(job->Failure());
    emit JobEnded(job->OutFile, job->SpeechFile, ok, job->Failure());
    // A message about it may have let a Stop or an exit run meanwhile.
    const auto still = std::find(m_Jobs.begin(), m_Jobs.end(), job);
    if (still == m_Jobs.end())
        return;
    // Only now may its speech file's name go to another job.
    if (ok) {
        UtilsClass::Trace(QStringLiteral("Deleting wav file ") + job->SpeechFile);
        UtilsClass::DeleteTraced(job->SpeechFile);
    }
    m_Jobs.erase(still);
    if (m_Jobs.empty())
        m_Ticker.stop();
    emit WorkerFreed();
}
