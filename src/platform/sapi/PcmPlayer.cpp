#include "platform/sapi/PcmPlayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <limits>

bool PcmQueue::Push(quint64 job, const std::atomic<bool> &abort, const qint16 *samples, int count,
                    const std::vector<SynthMark> &marks)
{
    std::unique_lock lock(m_Mutex);
    const quint64 epoch = m_Epoch;
    if (abort.load() || m_Broken)
        return false;
    Chunk chunk;
    if (m_StartedJob != job) {
        m_StartedJob = job;
        m_JobStart = m_Produced;
        chunk.events.push_back({m_Produced, {PlayEvent::Started, job, 0}});
    }
    for (const SynthMark &m : marks)
        chunk.events.push_back({m_JobStart + m.sample, {PlayEvent::Word, job, m.index}});
    chunk.pcm = QByteArray(reinterpret_cast<const char *>(samples), count * 2);
    m_Produced += count;
    const bool wasEmpty = m_Chunks.empty();
    m_Chunks.push_back(std::move(chunk));
    if (wasEmpty && m_Wake)
        m_Wake();
    // Wait for room; look up now and then in case the process is ending and no
    // player is left to make room.
    while (!m_Room.wait_for(lock, std::chrono::milliseconds(100), [&] {
        return abort.load() || m_Broken || m_Epoch != epoch || m_Produced - m_Played <= m_Ahead;
    })) {
        if (EspeakWorker::ShuttingDown())
            return false;
    }
    return !abort.load() && !m_Broken && m_Epoch == epoch;
}

void PcmQueue::End(quint64 job, const std::atomic<bool> &abort)
{
    std::lock_guard lock(m_Mutex);
    if (abort.load())
        return;
    Chunk chunk;
    if (m_StartedJob != job) { // a text with no audio at all
        m_StartedJob = job;
        chunk.events.push_back({m_Produced, {PlayEvent::Started, job, 0}});
    }
    chunk.events.push_back({m_Produced, {PlayEvent::Done, job, 0}});
    m_Chunks.push_back(std::move(chunk));
    if (m_Wake)
        m_Wake();
}

PcmPlayer::PcmPlayer(const QAudioDevice &device, QObject *parent)
    : QObject(parent), m_Device(device), m_Queue(std::make_shared<PcmQueue>())
{
    m_Timer = new QTimer(this);
    m_Timer->setInterval(10);
    connect(m_Timer, &QTimer::timeout, this, &PcmPlayer::Tick);
    std::lock_guard lock(m_Queue->m_Mutex);
    m_Queue->m_Wake = [this] {
        QMetaObject::invokeMethod(this, &PcmPlayer::Tick, Qt::QueuedConnection);
    };
}

PcmPlayer::~PcmPlayer()
{
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Wake = nullptr;
        m_Queue->m_Broken = true;
    }
    m_Queue->m_Room.notify_all();
    if (m_Sink) {
        m_Sink->stop(); // the sink owns its device; stop it before it goes
        delete m_Sink;
    }
}

bool PcmPlayer::Open()
{
    QAudioFormat format;
    format.setSampleRate(SynthRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    m_Sink = new QAudioSink(m_Device, format);
    m_Sink->setBufferSize(SynthRate / 5 * 2); // 200 ms
    m_Io = m_Sink->start();
    if (!m_Io || m_Sink->error() != QAudio::NoError) {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Broken = true;
        return false;
    }
    m_Timer->start();
    return true;
}

bool PcmPlayer::Broken() const
{
    std::lock_guard lock(m_Queue->m_Mutex);
    return m_Queue->m_Broken;
}

static qint64 PlayedFrom(QAudioSink *sink, qint64 written)
{
    if (sink->state() == QAudio::IdleState)
        return written; // everything handed over has been played
    const qint64 played = sink->processedUSecs() * SynthRate / 1000000;
    return std::min(played, written);
}

qint64 PcmPlayer::PlayedSamples()
{
    if (m_Paused)
        return m_PausedAt;
    return m_Sink ? PlayedFrom(m_Sink, m_Written) : m_Written;
}

void PcmPlayer::Pause()
{
    if (m_Paused || !m_Sink)
        return;
    // While suspended the sink reports the last position asked for: ask now.
    m_PausedAt = PlayedFrom(m_Sink, m_Written);
    m_Paused = true;
    m_Sink->suspend();
}

void PcmPlayer::Resume()
{
    if (!m_Paused || !m_Sink)
        return;
    m_Paused = false;
    m_Sink->resume();
}

void PcmPlayer::Reset()
{
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Chunks.clear();
        m_Queue->m_Produced = 0;
        m_Queue->m_Played = 0;
        m_Queue->m_StartedJob = 0;
        ++m_Queue->m_Epoch;
    }
    m_Queue->m_Room.notify_all();
    m_Events.clear();
    m_Pending.clear();
    m_Written = 0;
    m_Paused = false;
    m_PausedAt = 0;
    if (m_Sink && !Broken()) {
        m_Sink->reset();
        m_Io = m_Sink->start();
    }
}

void PcmPlayer::Close()
{
    m_Closed = true;
    OnEvent = nullptr;
    m_Timer->stop();
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Wake = nullptr;
        m_Queue->m_Broken = true;
    }
    m_Queue->m_Room.notify_all();
    if (m_Sink)
        m_Sink->reset();
}

void PcmPlayer::Tick()
{
    if (m_Closed)
        return;
    bool broken = false;
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        if (m_Sink && (m_Sink->error() == QAudio::FatalError || m_Sink->error() == QAudio::OpenError))
            m_Queue->m_Broken = true;
        broken = m_Queue->m_Broken;
        // Take what the sink can accept now, plus the events that come with it.
        const qint64 room = broken ? std::numeric_limits<qint64>::max()
                                   : (m_Sink ? m_Sink->bytesFree() : 0) - m_Pending.size();
        qint64 taken = 0;
        while (!m_Queue->m_Chunks.empty() && taken < room) {
            PcmQueue::Chunk &chunk = m_Queue->m_Chunks.front();
            for (auto &e : chunk.events)
                m_Events.push_back(e);
            taken += chunk.pcm.size();
            if (!broken)
                m_Pending += chunk.pcm;
            m_Queue->m_Chunks.pop_front();
        }
    }
    if (!broken && m_Io && !m_Paused && !m_Pending.isEmpty()) {
        const qint64 n = m_Io->write(m_Pending);
        if (n > 0) {
            m_Pending.remove(0, n);
            m_Written += n / 2;
        }
    }
    const qint64 played = broken ? std::numeric_limits<qint64>::max() : PlayedSamples();
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        // Samples not yet handed to the sink are not "played", whatever the queue says.
        m_Queue->m_Played = broken ? m_Queue->m_Produced : played;
    }
    m_Queue->m_Room.notify_all();
    while (!m_Closed && !m_Events.empty() && m_Events.front().first <= played) {
        const PlayEvent event = m_Events.front().second;
        m_Events.pop_front();
        // The handler may reset this player or close it.
        if (OnEvent)
            OnEvent(event);
    }
}
