#include "platform/sapi/EspeakCentral.h"

#include "platform/sapi/AudioDestinations.h"
#include "platform/sapi/Lexicon.h"
#include "platform/sapi/LanguagesDialog.h"
#include "platform/sapi/LexiconDialog.h"
#include "platform/sapi/PcmPlayer.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/shell/GrowingFile.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMessageBox>

#include <algorithm>

// Other voices' parts of a text past its first ones, once they are found; the
// readings that got there first wait here.
struct LaterVoices
{
    explicit LaterVoices(std::shared_ptr<ITTSCentral::LaterVoiceParts> source)
        : from(source->From), source(std::move(source))
    {
    }
    const int from;
    // Those looking for them go on while it is held.
    const std::shared_ptr<ITTSCentral::LaterVoiceParts> source;
    std::mutex mutex;
    bool found = false;
    int first = 1; // the number of the first of their voices
    std::vector<OtherVoice> voices;
    std::vector<std::function<void()>> waiting;
};

namespace {

std::atomic<quint64> nextSerial{1};

// Heard: the time (in 100 ns). Written to a file: the place in its sound, in bytes,
// as an audio destination counts its position.
quint64 TimeStamp(const PlayEvent &event)
{
    return event.sample >= 0 ? quint64(event.sample) * 2 : CentralBase::Now();
}

// Audio of one text for the sound device.
class PlaybackTarget : public SynthTarget
{
public:
    PlaybackTarget(std::shared_ptr<PcmQueue> queue, quint64 serial,
                   std::shared_ptr<std::atomic<bool>> abort)
        : m_Queue(std::move(queue)), m_Serial(serial), m_Abort(std::move(abort))
    {
    }
    bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
    {
        return m_Queue->Push(m_Serial, *m_Abort, samples, count, marks);
    }
    void Finished(bool completed) override { m_Queue->End(m_Serial, *m_Abort, completed); }

private:
    std::shared_ptr<PcmQueue> m_Queue;
    quint64 m_Serial;
    std::shared_ptr<std::atomic<bool>> m_Abort;
};

// Audio of one text for a WAV file: events follow synthesis.
class FileTarget : public SynthTarget
{
public:
    FileTarget(std::shared_ptr<WaveFileWriter> file, std::shared_ptr<EventPoster> poster,
               std::function<void(PlayEvent)> deliver, quint64 serial,
               std::shared_ptr<std::atomic<bool>> abort)
        : m_File(std::move(file)), m_Path(m_File->Path()), m_Poster(std::move(poster)), m_Deliver(std::move(deliver)),
          m_Serial(serial), m_Abort(std::move(abort))
    {
    }
    bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
    {
        // Speech that is encoded as it is written waits for the encoder when far ahead.
        GrowingFile::WaitForReader(m_Path, m_File->Size(), *m_Abort);
        Start();
        for (const SynthMark &m : marks)
            Post({PlayEvent::Word, m_Serial, m.index, m_Base + m.sample, m.length, m.voice});
        m_WriteFailed = !m_File->Append(samples, count);
        return !m_WriteFailed;
    }
    void Finished(bool completed) override
    {
        Start();
        // A file that could not be written (a full disk) is told by its writer;
        // anything else unfinished is the engine's failure.
        Post({completed || m_WriteFailed ? PlayEvent::Done : PlayEvent::Failed, m_Serial, 0,
              m_File->SamplesWritten()});
    }

private:
    void Start()
    {
        if (!m_Started) {
            m_Started = true;
            // The texts before this one are in the file already: they are made one
            // after another.
            m_Base = m_File->SamplesWritten();
            Post({PlayEvent::Started, m_Serial, 0, m_Base});
        }
    }
    void Post(PlayEvent e)
    {
        if (!m_Abort->load())
            m_Poster->Post([deliver = m_Deliver, e] { deliver(e); });
    }

    std::shared_ptr<WaveFileWriter> m_File;
    bool m_WriteFailed = false;
    QString m_Path;
    std::shared_ptr<EventPoster> m_Poster;
    std::function<void(PlayEvent)> m_Deliver;
    quint64 m_Serial;
    std::shared_ptr<std::atomic<bool>> m_Abort;
    bool m_Started = false;
    qint64 m_Base = 0; // samples in the file before this text
};

// A part of a text read by one voice: [start, end) of the text, and the pause after it.
struct VoicedPart
{
    int start = 0;
    int end = 0;
    EspeakMode mode;
    int voice = 0;          // its number among the text's voices; 0: the text's own
    bool lastOfText = true; // else ends with `endPause` (ms at the normal speed)
    int endPause = 0;
    bool later = false; // its other voices are still being found
};

// The parts of `text` (a text from `from` on) between `at` and `end`: those of other
// voices (numbered from `first`) as they were asked for, the rest read by `own`.
void AddParts(std::vector<VoicedPart> &parts, const QString &text, int from, int at, int end,
              const std::vector<OtherVoice> &voices, int first, const EspeakMode &own)
{
    const auto add = [&](int start, int stop, const EspeakMode &mode, int voice) {
        if (stop > start)
            parts.push_back({start, stop, mode, voice});
    };
    for (size_t v = 0; v < voices.size(); ++v) {
        const ITTSCentral::VoicePart &other = voices[v].first;
        const int start = std::clamp(other.start - from, at, end);
        int stop = std::clamp(other.start + other.length - from, start, end);
        // The stop or question mark after it is the other voice's: it shapes the
        // sentence's tune.
        while (stop > start && stop < end && !text.at(stop).isSpace() &&
               !text.at(stop).isLetterOrNumber())
            ++stop;
        if (stop == start)
            continue;
        add(at, start, own, 0);
        add(start, stop, voices[v].second, first + int(v));
        at = stop;
    }
    add(at, end, own, 0);
}

// The pause between two parts read by different voices: a sentence's or a paragraph's
// where one ends there, else a short break between words.
int PauseBetween(const QString &text, int end, const PauseLengths &pauses)
{
    int last = end - 1;
    while (last >= 0 && text.at(last).isSpace())
        --last;
    bool lineBreak = false;
    for (int i = last + 1; i < text.size() && text.at(i).isSpace(); ++i)
        lineBreak = lineBreak || text.at(i) == QLatin1Char('\n') || text.at(i) == QChar::ParagraphSeparator;
    if (last >= 0 && SpeechShaping::EndsSentence(text.at(last)))
        return lineBreak ? pauses.paragraph : pauses.sentence;
    return lineBreak ? pauses.sentence : std::min(60, pauses.sentence);
}

// Reads the parts of one text one after another, each by its own voice, into the
// text's target as one sound: a part is made once the one before it has been (not
// when it is heard), so the next voice's sound is ready when the first one ends.
class VoiceChain : public std::enable_shared_from_this<VoiceChain>
{
public:
    VoiceChain(SynthJob common, std::vector<VoicedPart> parts, PauseLengths pauses, int from,
               std::weak_ptr<LaterVoices> later)
        : m_Common(std::move(common)), m_Parts(std::move(parts)), m_Pauses(pauses), m_From(from),
          m_Later(std::move(later))
    {
    }

    void Start(size_t k)
    {
        if (m_Parts[k].later && !FindLater(k))
            return;
        const VoicedPart &part = m_Parts[k];
        SynthJob synth = m_Common;
        synth.voice = part.mode.voice;
        synth.text = m_Common.text.mid(part.start, part.end - part.start);
        // A speed or pitch set by a tag before the part holds in it.
        Prosody prosody = m_Common.prosody;
        for (int i = 0; m_Common.tagged && i < part.start;) {
            const int length = TextPrep::ReadTag(m_Common.text, i, prosody);
            i += std::max(length, 1);
        }
        synth.prosody = prosody;
        synth.prosody.rate = std::min(prosody.rate, part.mode.fastest);
        PauseLengths pauses = m_Pauses;
        if (!part.lastOfText)
            pauses.article = part.endPause;
        synth.target = SpeechShaping::Shape(std::make_shared<Part>(shared_from_this(), k), synth.text, synth.tagged,
                                             prosody.rate, part.mode.fastest, pauses);
        if (part.mode.synthesizer)
            part.mode.synthesizer->Submit(std::move(synth));
        else
            EspeakWorker::Instance().Submit(std::move(synth));
    }

private:
    // The part `k` whose other voices were being found becomes the parts they make;
    // false when the reading waits for them (it goes on from here once they are
    // found) or has ended.
    bool FindLater(size_t k)
    {
        const std::shared_ptr<LaterVoices> later = m_Later.lock();
        if (!later || m_Common.abort->load()) {
            m_Common.target->Finished(false);
            return false;
        }
        std::vector<VoicedPart> found;
        {
            std::lock_guard lock(later->mutex);
            if (!later->found) {
                later->waiting.push_back([chain = shared_from_this(), k] { chain->Start(k); });
                return false;
            }
            AddParts(found, m_Common.text, m_From, m_Parts[k].start, m_Parts[k].end, later->voices,
                     later->first, m_Parts[k].mode);
        }
        const bool last = m_Parts[k].lastOfText;
        const int endPause = m_Parts[k].endPause;
        for (size_t j = 0; j < found.size(); ++j) {
            const bool inside = j + 1 < found.size();
            found[j].lastOfText = inside ? false : last;
            found[j].endPause =
                inside ? PauseBetween(m_Common.text, found[j].end, m_Pauses) : endPause;
        }
        m_Parts.erase(m_Parts.begin() + qsizetype(k));
        m_Parts.insert(m_Parts.begin() + qsizetype(k), found.begin(), found.end());
        return true;
    }

    // One part's sound, placed after the parts before it.
    class Part : public SynthTarget
    {
    public:
        Part(std::shared_ptr<VoiceChain> chain, size_t k) : m_Chain(std::move(chain)), m_K(k) {}
        bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
        {
            VoiceChain &c = *m_Chain;
            const VoicedPart &part = c.m_Parts[m_K];
            std::vector<SynthMark> placed;
            if (!m_Begun) {
                m_Begun = true;
                m_Base = c.m_Delivered;
                // The voice is told where it changes (two parts of one voice follow
                // each other where a long text's first part ends).
                if (part.voice != (m_K > 0 ? c.m_Parts[m_K - 1].voice : 0))
                    placed.push_back({m_Base, part.start, 0, part.voice});
            }
            for (SynthMark m : marks) {
                m.sample += m_Base;
                m.index += part.start;
                placed.push_back(m);
            }
            c.m_Delivered += count;
            return c.m_Common.target->Audio(samples, count, placed);
        }
        void Finished(bool completed) override
        {
            VoiceChain &c = *m_Chain;
            if (completed && m_K + 1 < c.m_Parts.size() && !c.m_Common.abort->load())
                c.Start(m_K + 1);
            else
                c.m_Common.target->Finished(completed);
        }

    private:
        std::shared_ptr<VoiceChain> m_Chain;
        size_t m_K;
        bool m_Begun = false;
        qint64 m_Base = 0;
    };

    SynthJob m_Common; // the whole text, its target and what every part shares
    std::vector<VoicedPart> m_Parts;
    PauseLengths m_Pauses;
    int m_From;                         // where the text starts in the one asked for
    std::weak_ptr<LaterVoices> m_Later; // kept by the text's job while it lasts
    qint64 m_Delivered = 0;             // samples of the parts before
};

} // namespace

void EventPoster::Post(std::function<void()> call)
{
    std::lock_guard lock(m_Mutex);
    if (m_Context)
        QMetaObject::invokeMethod(m_Context, std::move(call), Qt::QueuedConnection);
}

void EventPoster::Close()
{
    std::lock_guard lock(m_Mutex);
    m_Context = nullptr;
}

HRESULT EspeakCentral::Create(const EspeakMode &mode, std::shared_ptr<IAudio> destination,
                              std::shared_ptr<ITTSCentral> *central)
{
    auto object = std::make_shared<EspeakCentral>(mode, std::move(destination));
    const HRESULT hr = object->Open();
    if (FAILED(hr))
        return hr;
    *central = object;
    return S_OK;
}

EspeakCentral::EspeakCentral(const EspeakMode &mode, std::shared_ptr<IAudio> destination)
    : CentralBase(mode.defaults), m_Mode(mode), m_Destination(std::move(destination)),
      m_Context(std::make_unique<QObject>()),
      m_Poster(std::make_shared<EventPoster>(m_Context.get()))
{
}

HRESULT EspeakCentral::Open()
{
    m_Lexicon = Lexicon::CurrentTable();
    if (auto *file = dynamic_cast<AudioFileDest *>(m_Destination.get())) {
        m_File = file->Writer();
        return S_OK;
    }
    if (dynamic_cast<AudioDirectDest *>(m_Destination.get()))
        return E_NOTIMPL;
    auto *device = dynamic_cast<IAudioMultiMediaDevice *>(m_Destination.get());
    if (!device)
        return E_INVALIDARG;
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    const int number = device->DeviceNum();
    if (number >= outputs.size() || (outputs.isEmpty()))
        return AUDERR_BADDEVICEID;
    const QAudioDevice chosen = number < 0 ? QMediaDevices::defaultAudioOutput() : outputs.at(number);
    m_Player = new PcmPlayer(chosen, m_Context.get());
    if (!m_Player->Open())
        return AUDERR_NOTREADY;
    m_Player->OnEvent = [this](const PlayEvent &e) { OnEvent(e); };
    return S_OK;
}

EspeakCentral::~EspeakCentral()
{
    for (Job &job : m_Jobs)
        job.abort->store(true);
    m_Poster->Close();
    if (m_Player) {
        // The player may be in the middle of delivering an event: let it finish.
        m_Player->Close();
        m_Player->setParent(nullptr);
        m_Player->deleteLater();
    }
}

void EspeakCentral::Submit(Job &job)
{
    job.abort = std::make_shared<std::atomic<bool>>(false);
    SynthJob synth;
    synth.prosody = m_Prosody;
    synth.text = job.from == 0 ? job.text : job.text.mid(job.from);
    synth.tagged = job.tagged;
    synth.lexicon = m_Lexicon;
    synth.abort = job.abort;
    const quint64 serial = job.serial;
    if (m_Player) {
        synth.target = std::make_shared<PlaybackTarget>(m_Player->Queue(), serial, job.abort);
    } else {
        std::weak_ptr<bool> alive = m_Alive;
        auto deliver = [this, alive](PlayEvent e) {
            if (!alive.expired())
                OnEvent(e);
        };
        synth.target = std::make_shared<FileTarget>(m_File, m_Poster, deliver, serial, job.abort);
        synth.toFile = true;
    }
    // Word positions of a restarted text count from where it restarted.
    if (job.from > 0) {
        struct Shifted : SynthTarget
        {
            std::shared_ptr<SynthTarget> inner;
            int shift;
            bool Audio(const qint16 *s, int n, const std::vector<SynthMark> &marks) override
            {
                std::vector<SynthMark> moved = marks;
                for (SynthMark &m : moved)
                    m.index += shift;
                return inner->Audio(s, n, moved);
            }
            void Finished(bool completed) override { inner->Finished(completed); }
        };
        auto shifted = std::make_shared<Shifted>();
        shifted->inner = synth.target;
        shifted->shift = job.from;
        synth.target = shifted;
    }
    // The text's parts from where it (re)starts: those of other voices as they were
    // asked for, the rest read by this voice; past the first ones, while the others
    // are still being found, one part that becomes theirs when they are.
    const PauseLengths pauses = SpeechShaping::Pauses();
    const int length = int(synth.text.size());
    int known = length;
    if (job.later) {
        std::lock_guard lock(job.later->mutex);
        if (!job.later->found)
            known = std::clamp(job.later->from - job.from, 0, length);
    }
    std::vector<VoicedPart> parts;
    AddParts(parts, synth.text, job.from, 0, known, job.voices, 1, m_Mode);
    if (known < length)
        parts.push_back({known, length, m_Mode, 0, true, 0, true});
    if (parts.empty())
        parts.push_back({0, 0, m_Mode, 0});
    for (size_t k = 0; k + 1 < parts.size(); ++k) {
        parts[k].lastOfText = false;
        parts[k].endPause = PauseBetween(synth.text, parts[k].end, pauses);
    }
    const auto chain = std::make_shared<VoiceChain>(std::move(synth), std::move(parts), pauses,
                                                    job.from, job.later);
    chain->Start(0);
}

std::vector<OtherVoice> EspeakCentral::OtherVoices(const std::vector<VoicePart> &parts) const
{
    std::vector<OtherVoice> voices;
    int end = 0;
    for (const VoicePart &part : parts) {
        const EspeakMode *mode = EspeakEngine::FindMode(part.modeId);
        // Only voices of this engine that it speaks itself, and not this one.
        if (!mode || mode->open || part.start < end || part.length <= 0 || part.modeId == m_Mode.info.gModeID)
            continue;
        voices.push_back({part, *mode});
        end = part.start + part.length;
    }
    return voices;
}

void EspeakCentral::NextTextVoices(std::vector<VoicePart> parts,
                                   std::shared_ptr<LaterVoiceParts> later)
{
    m_NextVoices = OtherVoices(parts);
    m_NextLater = std::move(later);
}

void EspeakCentral::LaterVoicesFound(quint64 serial, const std::weak_ptr<LaterVoices> &later,
                                     const std::vector<VoicePart> &parts)
{
    const std::shared_ptr<LaterVoices> tail = later.lock();
    if (!tail)
        return;
    const std::vector<OtherVoice> voices = OtherVoices(parts);
    const auto job = std::find_if(m_Jobs.begin(), m_Jobs.end(),
                                  [&](const Job &j) { return j.serial == serial; });
    std::vector<std::function<void()>> waiting;
    {
        std::lock_guard lock(tail->mutex);
        tail->found = true;
        tail->first = job != m_Jobs.end() ? int(job->voices.size()) + 1 : 1;
        tail->voices = voices;
        waiting.swap(tail->waiting);
    }
    // The events name a voice by its number among the job's.
    if (job != m_Jobs.end())
        job->voices.insert(job->voices.end(), voices.begin(), voices.end());
    for (const auto &go : waiting)
        go();
}

HRESULT EspeakCentral::TextData(quint32 charSet, quint32 flags, SDATA text,
                                std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &sinkId)
{
    if (const HRESULT checked = CheckTextData(charSet, text, sink.get(), sinkId); checked != S_OK)
        return SUCCEEDED(checked) ? S_OK : checked;
    Job job;
    job.serial = nextSerial++;
    job.text = TextOf(text);
    job.tagged = (flags & TTSDATAFLAG_TAGGED) != 0;
    job.sink = std::move(sink);
    job.voices = std::move(m_NextVoices);
    m_NextVoices.clear();
    const std::shared_ptr<LaterVoiceParts> later = std::move(m_NextLater);
    m_NextLater.reset();
    if (later)
        job.later = std::make_shared<LaterVoices>(later);
    m_Jobs.push_back(std::move(job));
    if (later) {
        // Told at once when they were found already.
        const std::weak_ptr<bool> alive = m_Alive;
        later->WhenDelivered([this, alive, serial = m_Jobs.back().serial,
                              tail = std::weak_ptr<LaterVoices>(m_Jobs.back().later)](
                                 const std::vector<VoicePart> &parts) {
            if (!alive.expired())
                LaterVoicesFound(serial, tail, parts);
        });
    }
    Submit(m_Jobs.back());
    return S_OK;
}

void EspeakCentral::OnEvent(const PlayEvent &event)
{
    if (event.kind == PlayEvent::Lost) {
        AudioLost();
        return;
    }
    auto it = std::find_if(m_Jobs.begin(), m_Jobs.end(),
                           [&](const Job &j) { return j.serial == event.job; });
    if (it == m_Jobs.end())
        return; // reset, or done already
    const std::weak_ptr<bool> alive = m_Alive;
    const std::shared_ptr<ITTSBufNotifySink> sink = it->sink;
    switch (event.kind) {
    case PlayEvent::Started:
        if (it->started)
            return;
        it->started = true;
        if (!m_AudioOn)
            NotifyAudio(true);
        if (!alive.expired())
            sink->TextDataStarted(TimeStamp(event));
        break;
    case PlayEvent::Word:
        if (event.voice >= 0) {
            const QUuid mode = event.voice == 0 ? m_Mode.info.gModeID : it->voices.at(size_t(event.voice - 1)).second.info.gModeID;
            sink->VoiceChange(TimeStamp(event), static_cast<quint32>(event.index) * 2, mode);
            return;
        }
        if (event.index <= it->lastWord)
            return; // heard again after a restart
        it->lastWord = event.index;
        if (event.length > 0)
            sink->SentencePosition(TimeStamp(event), static_cast<quint32>(event.index) * 2,
                                   static_cast<quint32>(event.length) * 2);
        else
            sink->WordPosition(TimeStamp(event), static_cast<quint32>(event.index) * 2);
        break;
    case PlayEvent::Done:
    case PlayEvent::Failed:
        m_Jobs.erase(it);
        sink->TextDataDone(TimeStamp(event), event.kind == PlayEvent::Failed ? TTSBNSF_ENGINEFAILED : 0);
        if (!alive.expired() && m_Jobs.empty() && m_AudioOn)
            NotifyAudio(false);
        break;
    case PlayEvent::Lost:
        break;
    }
}

// The device went away: every text is over, each told why.
void EspeakCentral::AudioLost()
{
    std::deque<Job> ended;
    ended.swap(m_Jobs);
    for (Job &job : ended)
        job.abort->store(true);
    const std::weak_ptr<bool> alive = m_Alive;
    for (const Job &job : ended) {
        job.sink->TextDataDone(Now(), TTSBNSF_AUDIOLOST);
        if (alive.expired())
            return;
    }
    if (m_AudioOn)
        NotifyAudio(false);
}

HRESULT EspeakCentral::Inject(const QString &tags)
{
    Prosody next = m_Prosody;
    int applied = 0;
    for (int i = 0; i < tags.size();) {
        const int length = TextPrep::ReadTag(tags, i, next);
        if (length == 0) {
            ++i;
            continue;
        }
        ++applied;
        i += length;
    }
    if (applied == 0)
        return S_OK;
    const bool pitchChanged = next.pitch != m_Prosody.pitch;
    const bool speedChanged = next.rate != m_Prosody.rate;
    m_Prosody = next;
    Restart();
    if (pitchChanged)
        Attrib(1); // TTSNSAC_PITCH
    if (speedChanged)
        Attrib(2); // TTSNSAC_SPEED
    return S_OK;
}

// Speaks what is left from the word being heard now, with the current pitch and
// speed, so that a change takes effect at once.
void EspeakCentral::Restart()
{
    if (!m_Player || m_Jobs.empty())
        return;
    for (Job &job : m_Jobs)
        job.abort->store(true);
    m_Player->Reset();
    for (Job &job : m_Jobs) {
        if (job.started)
            job.from = std::max(job.lastWord, 0);
        Submit(job);
    }
}

HRESULT EspeakCentral::Phoneme(quint32 charSet, quint32 flags, SDATA text, QByteArray *phonemes)
{
    Q_UNUSED(flags);
    if (!phonemes)
        return E_POINTER;
    if (charSet != CHARSET_TEXT)
        return E_NOTIMPL;
    const QString result = EspeakWorker::Instance().TextToPhonemes(TextOf(text), EspeakVoice(), false);
    *phonemes = QByteArray(reinterpret_cast<const char *>(result.utf16()),
                           (result.size() + 1) * 2);
    return S_OK;
}

QString EspeakCentral::EspeakVoice() const
{
    // Another engine's voice is English: its phonemes and pronunciation previews
    // come from espeak-ng's American English.
    return m_Mode.synthesizer ? QStringLiteral("gmw/en-US") : m_Mode.voice;
}

HRESULT EspeakCentral::AudioPause()
{
    if (m_Player)
        m_Player->Pause();
    return S_OK;
}

HRESULT EspeakCentral::AudioResume()
{
    if (m_Player)
        m_Player->Resume();
    return S_OK;
}

HRESULT EspeakCentral::AudioReset()
{
    std::deque<Job> discarded;
    discarded.swap(m_Jobs);
    for (Job &job : discarded)
        job.abort->store(true);
    if (m_Player)
        m_Player->Reset();
    // Every discarded text still gets its end, after this call has returned.
    const bool wasOn = m_AudioOn;
    m_AudioOn = false;
    std::weak_ptr<bool> alive = m_Alive;
    m_Poster->Post([this, alive, discarded, wasOn] {
        for (const Job &job : discarded) {
            if (alive.expired())
                return;
            job.sink->TextDataDone(Now(), 0);
        }
        if (!alive.expired() && wasOn && m_Jobs.empty())
            NotifyAudio(false);
    });
    return S_OK;
}

HRESULT EspeakCentral::AboutDlg(QWidget *parent, const QString &title)
{
    QStringList names;
    for (const EspeakMode &m : EspeakEngine::Modes())
        names << m.info.szModeName;
    QMessageBox::about(
        parent,
        title.isEmpty()
            ? QCoreApplication::translate("Engines", "About %1").arg(EspeakEngine::ProductName)
            : title,
        QCoreApplication::translate(
            "Engines", "<h3>%1</h3><p>Speech by eSpeak NG %2 and Flite.</p><p>Voices: %3</p>")
            .arg(EspeakEngine::ProductName, EspeakWorker::Instance().Version(),
                 names.join(QStringLiteral(", ")).toHtmlEscaped()));
    return S_OK;
}

HRESULT EspeakCentral::LexiconDlg(QWidget *parent, const QString &title)
{
    LexiconDialog dialog(EspeakVoice(), m_Prosody, parent);
    if (!dialog.Loaded)
        return S_OK;
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.exec();
    m_Lexicon = Lexicon::CurrentTable();
    return S_OK;
}

HRESULT EspeakCentral::GeneralDlg(QWidget *parent, const QString &title)
{
    LanguagesDialog dialog(parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.exec();
    return S_OK;
}
HRESULT EspeakCentral::TranslateDlg(QWidget *, const QString &) { return E_NOTIMPL; }
