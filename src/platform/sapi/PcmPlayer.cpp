#include "platform/sapi/PcmPlayer.h"

#include "platform/waveout/WaveOut.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QMetaObject>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

// A stream that has had sound to play and played none of it for this long has
// stopped taking sound (its device went away without the stream being told).
constexpr qint64 StallMs = 5000;
// How long a stream is tried again (and how often) before the device counts as gone.
constexpr qint64 ReconnectMs = 5000;
constexpr qint64 RetryMs = 200;
// How often the device a stream plays on is checked.
constexpr qint64 FollowMs = 500;

qint64 NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

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
        chunk.events.push_back({m_JobStart + m.sample, {PlayEvent::Word, job, m.index, -1, m.length, m.voice}});
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

void PcmQueue::End(quint64 job, const std::atomic<bool> &abort, bool completed)
{
    std::lock_guard lock(m_Mutex);
    if (abort.load())
        return;
    Chunk chunk;
    if (m_StartedJob != job) { // a text with no audio at all
        m_StartedJob = job;
        chunk.events.push_back({m_Produced, {PlayEvent::Started, job, 0}});
    }
    chunk.events.push_back({m_Produced, {completed ? PlayEvent::Done : PlayEvent::Failed, job, 0}});
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
    if (!StartStream()) {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Broken = true;
        return false;
    }
    m_Timer->start();
    return true;
}

// The audio library waits for ever for a stream on a device that is not there, so
// a stream is opened only on a device the sound server lists.
bool PcmPlayer::StartStream()
{
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (outputs.isEmpty())
        return false;
    QAudioDevice device = m_Device;
    const auto listed = [&](const QAudioDevice &d) {
        return std::any_of(outputs.begin(), outputs.end(), [&](const QAudioDevice &o) { return o.id() == d.id(); });
    };
    if (device.isNull() || !listed(device)) {
        // As the sound server moves a playing stream when its device goes.
        device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !listed(device))
            device = outputs.first();
    }
    // The list above may be moments behind the sound server.
    if (!SoundOutputPresent(device.id()))
        return false;
    if (!m_Sink || device.id() != m_Device.id()) {
        if (m_Sink) {
            m_Sink->stop();
            delete m_Sink;
        }
        QAudioFormat format;
        format.setSampleRate(SynthRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_Device = device;
        m_Sink = new QAudioSink(m_Device, format);
        m_Sink->setBufferSize(SynthRate / 5 * 2); // 200 ms
    }
    m_Io = m_Sink->start();
    if (!m_Io || m_Sink->error() != QAudio::NoError) {
        m_Io = nullptr;
        return false;
    }
    m_StreamBase = m_Written;
    m_LastPlayed = -1;
    m_StreamOn = m_Device.description();
    return true;
}

void PcmPlayer::FollowStream()
{
    const qint64 now = NowMs();
    if (now - m_LastFollowed < FollowMs)
        return;
    m_LastFollowed = now;
    // The sound server moves a stream whose device went to its default one, and
    // tells its client nothing of it.
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (outputs.isEmpty() || std::any_of(outputs.begin(), outputs.end(), [&](const QAudioDevice &o) { return o.id() == m_Device.id(); }))
        return;
    const QAudioDevice fallback = QMediaDevices::defaultAudioOutput();
    if (!fallback.isNull())
        m_StreamOn = fallback.description();
}

QString PcmPlayer::s_LostDevice;

bool PcmPlayer::HasQueued() const
{
    std::lock_guard lock(m_Queue->m_Mutex);
    return !m_Queue->m_Chunks.empty();
}

bool PcmPlayer::Broken() const
{
    std::lock_guard lock(m_Queue->m_Mutex);
    return m_Queue->m_Broken;
}

bool PcmPlayer::StreamFailed() const
{
    if (!m_Sink)
        return true;
    const QAudio::Error error = m_Sink->error();
    if (error == QAudio::FatalError || error == QAudio::OpenError)
        return true;
    // A stream its device took away can take no more: the library then says -1.
    const QAudio::State state = m_Sink->state();
    return (state == QAudio::ActiveState || state == QAudio::IdleState) && m_Sink->bytesFree() < 0;
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
    if (!m_Sink || !m_Io)
        return m_Written;
    return m_StreamBase + PlayedFrom(m_Sink, m_Written - m_StreamBase);
}

void PcmPlayer::Pause()
{
    if (m_Paused || m_Lost || !m_Sink)
        return;
    const qint64 played = PlayedSamples();
    // What the sound server had but did not play is played again on Resume.
    const qint64 heard = std::clamp<qint64>(played - m_UnheardFrom, 0, m_Unheard.size() / 2);
    m_Pending.prepend(m_Unheard.mid(heard * 2));
    m_Unheard.clear();
    m_Written = m_UnheardFrom = m_PausedAt = played;
    m_Paused = true;
    m_Sink->reset();
    m_Io = nullptr;
}

void PcmPlayer::Resume()
{
    if (!m_Paused || m_Lost)
        return;
    m_Paused = false;
    QMetaObject::invokeMethod(this, &PcmPlayer::Tick, Qt::QueuedConnection);
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
    m_Unheard.clear();
    m_UnheardFrom = 0;
    m_Written = 0;
    m_StreamBase = 0;
    m_Paused = false;
    m_PausedAt = 0;
    if (!m_Sink || m_Lost || m_Closed || Broken())
        return;
    // The next stream opens when there is sound for it (a Stop has none).
    m_Sink->reset();
    m_Io = nullptr;
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
    m_Io = nullptr;
}

void PcmPlayer::Lose()
{
    if (m_Lost || m_Closed)
        return;
    m_Lost = true;
    s_LostDevice = m_StreamOn.isEmpty() ? m_Device.description() : m_StreamOn;
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        m_Queue->m_Broken = true;
        m_Queue->m_Chunks.clear();
    }
    m_Queue->m_Room.notify_all();
    m_Events.clear();
    m_Pending.clear();
    m_Unheard.clear();
    if (m_Sink)
        m_Sink->reset(); // closing a failed stream is safe; writing to it is not
    m_Io = nullptr;
    m_Timer->stop();
    // Told from the event loop: Resume and Reset return first. The handler may
    // close this player, which drops the handler: call a copy.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (const auto handler = OnEvent; handler && !m_Closed)
                handler({PlayEvent::Lost, 0, 0});
        },
        Qt::QueuedConnection);
}

void PcmPlayer::Tick()
{
    if (m_Closed || m_Lost)
        return;
    if (Broken() || (m_Io && !m_Paused && StreamFailed())) {
        Lose();
        return;
    }
    if (m_Io && !m_Paused)
        FollowStream();
    if (!m_Io && !m_Paused && (!m_Pending.isEmpty() || HasQueued())) {
        // A device plugged back, a sound server that was restarted and is
        // reconnected to: the stream is tried again now and then for a while.
        const qint64 now = NowMs();
        if (m_FailingSince != 0 && now - m_LastTry < RetryMs)
            return;
        m_LastTry = now;
        if (!StartStream()) {
            if (m_FailingSince == 0)
                m_FailingSince = now;
            if (now - m_FailingSince > ReconnectMs)
                Lose();
            return;
        }
        m_FailingSince = 0;
    }
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        // Take what the sink can accept now, plus the events that come with it.
        const qint64 room = (m_Io && !m_Paused ? m_Sink->bytesFree() : 0) - m_Pending.size();
        qint64 taken = 0;
        while (!m_Queue->m_Chunks.empty() && taken < room) {
            PcmQueue::Chunk &chunk = m_Queue->m_Chunks.front();
            for (auto &e : chunk.events)
                m_Events.push_back(e);
            taken += chunk.pcm.size();
            m_Pending += chunk.pcm;
            m_Queue->m_Chunks.pop_front();
        }
    }
    if (m_Io && !m_Paused && !m_Pending.isEmpty()) {
        const qint64 n = m_Io->write(m_Pending);
        if (n > 0) {
            if (m_Unheard.isEmpty())
                m_UnheardFrom = m_Written;
            m_Unheard += m_Pending.left(n);
            m_Pending.remove(0, n);
            m_Written += n / 2;
        }
    }
    const qint64 played = PlayedSamples();
    if (!m_Paused) {
        // Only what may still be unheard is kept for a pause.
        const qint64 heard = std::clamp<qint64>(played - m_UnheardFrom, 0, m_Unheard.size() / 2);
        if (heard > 0) {
            m_Unheard.remove(0, heard * 2);
            m_UnheardFrom += heard;
        }
        const bool waiting = played < m_Written || !m_Pending.isEmpty();
        const qint64 now = NowMs();
        if (!waiting || played != m_LastPlayed) {
            m_LastPlayed = played;
            m_StalledSince = now;
        } else if (now - m_StalledSince > StallMs) {
            Lose();
            return;
        }
    }
    {
        std::lock_guard lock(m_Queue->m_Mutex);
        // Samples not yet handed to the sink are not "played", whatever the queue says.
        m_Queue->m_Played = played;
    }
    m_Queue->m_Room.notify_all();
    while (!m_Closed && !m_Lost && !m_Events.empty() && m_Events.front().first <= played) {
        const PlayEvent event = m_Events.front().second;
        m_Events.pop_front();
        // The handler may reset this player or close it.
        if (OnEvent)
            OnEvent(event);
    }
}
