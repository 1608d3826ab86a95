#include "platform/flite/FliteEngine.h"

#include "platform/flite/FliteText.h"
#include "platform/resample/Resampler.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/Lexicon.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/shell/ChildRecords.h"

#include "platform/shell/Confinement.h"
#include "platform/shell/LibraryFunctions.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QProcess>
#include <QThread>

extern "C" {
#include <flite/flite.h>
}

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <csetjmp>
#include <cstring>
#include <deque>
#include <future>
#include <mutex>

namespace {

constexpr int FliteRate = 16000;

struct VoiceInfo
{
    const char *id;
    const char *name;
    const char *dialect;
    quint16 gender;
};

// The voices Debian ships, but the 8 kHz Kal and the voice that only tells the time.
const VoiceInfo voiceInfos[] = {
    {"slt", "Flite SLT (US female)", "American", 1},
    {"rms", "Flite RMS (US male)", "American", 2},
    {"awb", "Flite AWB (Scottish male)", "Scottish", 2},
    {"kal16", "Flite Kal16 (US male, diphone)", "American", 2},
};

// One text being spoken: the resampler, the words not yet handed on, what was
// delivered. Touched only on the synthesis thread.
struct Speaking
{
    SynthJob *job = nullptr;
    const FoldedText *folded = nullptr;
    std::unique_ptr<TResampler> resampler;
    qint64 inBase = 0;    // 16 kHz samples of the utterances before this one
    qint64 delivered = 0; // samples at our rate handed on
    std::vector<SynthMark> pending;
    int lastIndex = -1;  // a token read as several words, or cut in pieces, is highlighted once
    bool marked = false; // this utterance's words are known
    bool stopped = false;
};

thread_local Speaking *speaking = nullptr;

qint64 ToOurRate(qint64 samples)
{
    return (samples * SynthRate + FliteRate / 2) / FliteRate;
}

bool Hand(Speaking &s, const qint16 *samples, size_t count, bool last)
{
    std::vector<SynthMark> marks;
    const qint64 end = s.delivered + qint64(count);
    auto split = std::partition_point(s.pending.begin(), s.pending.end(),
                                      [&](const SynthMark &m) { return m.sample < end || last; });
    marks.assign(s.pending.begin(), split);
    s.pending.erase(s.pending.begin(), split);
    s.delivered = end;
    if (count == 0 && marks.empty())
        return true;
    return s.job->target->Audio(samples, int(count), marks);
}

bool Resample(Speaking &s, const short *in, size_t count, bool last)
{
    const std::vector<int16_t> &out = s.resampler->Process(last ? nullptr : in, last ? 0 : count);
    return Hand(s, out.data(), out.size(), last);
}

// Where each token's first spoken word starts, found once the utterance's segments
// have their times (by the first piece of its sound).
void MarkWords(Speaking &s, const cst_utterance *utt)
{
    s.marked = true;
    for (const cst_item *word = relation_head(utt_relation(utt, "Word")); word;
         word = item_next(word)) {
        const cst_item *token = path_to_item(word, "R:Token.parent");
        if (!token || !path_to_item(word, "R:SylStructure.daughter1.daughter1.R:Segment"))
            continue;
        const float start =
            ffeature_float(word, "R:SylStructure.daughter1.daughter1.R:Segment.p.end");
        const int at =
            std::clamp(item_feat_int(token, "pw_offset"), 0, int(s.folded->source.size()) - 1);
        const int index = s.folded->source[size_t(at)];
        if (index <= s.lastIndex)
            continue;
        s.lastIndex = index;
        s.pending.push_back({ToOurRate(s.inBase + qint64(std::lround(start * FliteRate))), index});
    }
    std::stable_sort(s.pending.begin(), s.pending.end(),
                     [](const SynthMark &a, const SynthMark &b) { return a.sample < b.sample; });
}

int OnAudio(const cst_wave *wave, int start, int size, int, cst_audio_streaming_info *info)
{
    Speaking &s = *speaking;
    if (!s.marked)
        MarkWords(s, info->utt);
    if (s.stopped || s.job->abort->load() ||
        !Resample(s, wave->samples + start, size_t(size), false))
        return s.stopped = true, CST_AUDIO_STREAM_STOP;
    return CST_AUDIO_STREAM_CONT;
}

// The library ends the process on an internal error unless it can jump back here.
// Nothing of ours with a destructor lives between this frame and the library's.
bool SynthesizeGuarded(cst_utterance *utt, cst_voice *voice)
{
    jmp_buf jump;
    cst_errjmp = &jump;
    if (setjmp(jump) != 0) {
        cst_errjmp = nullptr;
        return false;
    }
    flite_do_synth(utt, voice, utt_synth_tokens);
    cst_errjmp = nullptr;
    return true;
}

// Shorter texts are not worth a process of their own.
constexpr int minPieceChars = 1500;
// How much of a piece further on is taken before its turn (about a minute and a half of speech).
constexpr qsizetype aheadBytes = 4 * 1024 * 1024;
// The letters of one utterance at most (about fifty words).
constexpr int maxUtteranceLetters = 300;

// Where each of `pieces` pieces of the text starts: after a sentence's end near
// an equal share (fewer when no sentence ends nearby).
std::vector<int> PieceStarts(const QString &text, int pieces)
{
    std::vector<int> starts{0};
    for (int k = 1; k < pieces; ++k) {
        const int share = int(qint64(text.size()) * k / pieces);
        for (int i = std::max(share, starts.back() + minPieceChars / 2);
             i + 1 < text.size() && i < share + 4000; ++i) {
            const QChar c = text.at(i);
            if ((c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') ||
                 c == QLatin1Char('\n')) &&
                text.at(i + 1).isSpace()) {
                starts.push_back(i + 1);
                break;
            }
        }
    }
    return starts;
}

class FliteWorker : public Synthesizer
{
public:
    static FliteWorker &Instance()
    {
        static FliteWorker worker;
        return worker;
    }

    void Submit(SynthJob job) override
    {
        auto shared = std::make_shared<SynthJob>(std::move(job));
        {
            std::lock_guard lock(m_Mutex);
            m_Tasks.push_back(shared);
        }
        m_Wake.notify_all();
    }

private:
    FliteWorker()
    {
        // A voice is registered by the thread that speaks with it, when it is first
        // wanted: registering all four costs a start (and every child making a piece
        // of a file) some 50 ms.
        flite_init();
        // A QThread, so that the children it starts for files can be watched from it.
        m_Thread.reset(QThread::create([this] { Run(); }));
        m_Thread->start();
    }

    ~FliteWorker() override
    {
        {
            std::lock_guard lock(m_Mutex);
            m_Stopping = true;
            for (const auto &job : m_Tasks)
                job->abort->store(true);
        }
        m_Wake.notify_all();
        if (m_Thread)
            m_Thread->wait();
    }

    void Run()
    {
        for (;;) {
            std::shared_ptr<SynthJob> job;
            {
                std::unique_lock lock(m_Mutex);
                m_Wake.wait(lock, [this] { return m_Stopping || !m_Tasks.empty(); });
                if (m_Tasks.empty())
                    return;
                job = m_Tasks.front();
                m_Tasks.pop_front();
            }
            if (m_Stopping)
                job->abort->store(true);
            Synthesize(*job);
        }
    }

    void Synthesize(SynthJob &job)
    {
        cst_voice *voice = Voice(job.voice);
        if (!voice || job.abort->load()) {
            job.target->Finished(false);
            return;
        }
        if (job.toFile && SpeakInPieces(job))
            return;
        const FoldedText folded =
            FliteText::Fold(job.text, job.tagged, job.prosody, job.lexicon.get());
        Speaking s;
        s.job = &job;
        s.folded = &folded;
        s.resampler = TResampler::Make(FliteRate, SynthRate);
        if (!s.resampler) {
            job.target->Finished(false);
            return;
        }
        speaking = &s;
        const bool completed = SpeakAll(s, voice, folded, job.prosody) && !s.stopped &&
                               !job.abort->load() && Resample(s, nullptr, 0, true);
        speaking = nullptr;
        job.target->Finished(completed);
    }

    // A long text for a file is cut at sentence ends into pieces, made by child
    // processes of the program on every core at the same time, and
    // handed on in order: the pieces join as the utterances of one text do. A child
    // that fails fails its text, not the program. False: not cut (too short, tags
    // in it, one core); the text is then made here.
    bool SpeakInPieces(SynthJob &job)
    {
        const int cores = std::min(QThread::idealThreadCount(), 4);
        if (cores < 2 || job.text.size() < 2 * minPieceChars ||
            (job.tagged && job.text.contains(QLatin1Char('\\'))))
            return false;
        // Twice as many pieces as cores, no more than that many made at once: a core
        // whose piece is done early takes the next, rather than waiting for the text's end.
        const std::vector<int> starts =
            PieceStarts(job.text, std::min(2 * cores, int(job.text.size() / minPieceChars)));
        if (starts.size() < 2)
            return false;
        std::vector<std::unique_ptr<QProcess>> children;
        for (size_t k = 0; k < starts.size(); ++k)
            children.push_back(std::make_unique<QProcess>());
        size_t started = 0;
        const auto startMore = [&](size_t from) {
            const auto busy = std::count_if(
                children.begin() + qsizetype(from), children.begin() + qsizetype(started),
                [](const auto &c) { return c->state() != QProcess::NotRunning; });
            for (auto running = busy; running < cores && started < children.size();
                 ++running, ++started) {
                const size_t k = started;
                const int end = k + 1 < starts.size() ? starts[k + 1] : int(job.text.size());
                QProcess &child = *children[k];
                child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                child.setChildProcessModifier(Confinement::EndsWithParent());
                child.start(QCoreApplication::applicationFilePath(),
                            {QLatin1String(FliteEngine::ChildOption), job.voice,
                             QString::number(job.prosody.pitch),
                             QString::number(job.prosody.rate)});
                child.write(job.text.mid(starts[k], end - starts[k]).toUtf8());
                child.closeWriteChannel();
            }
        };
        startMore(0);
        std::vector<QByteArray> received(children.size());
        size_t current = 0;
        qint64 base = 0;    // samples of the pieces handed on
        qint64 samples = 0; // of the current piece
        bool ok = true;
        while (ok && current < children.size()) {
            if (job.abort->load()) {
                ok = false;
                break;
            }
            // The current piece is read as it comes; one further on only until it is
            // far enough ahead: it then waits on its full pipe, rather than this
            // process keeping the whole sound of the pieces ahead.
            bool ended = false;
            startMore(current);
            for (size_t k = current; k < started; ++k) {
                QProcess &child = *children[k];
                if (k != current && received[k].size() >= aheadBytes)
                    continue;
                child.waitForReadyRead(k == current ? 20 : 0);
                received[k] += child.readAllStandardOutput();
                if (k == current)
                    ended = child.state() == QProcess::NotRunning;
            }
            QByteArray &in = received[current];
            qsizetype at = 0;
            bool pieceDone = false;
            char type = 0;
            QByteArray payload;
            while (ok && !pieceDone && ChildRecords::Next(in, &at, &type, &payload)) {
                QDataStream record(payload);
                if (type == 'A') {
                    QByteArray sound;
                    quint32 count = 0;
                    record >> sound >> count;
                    std::vector<SynthMark> marks(count);
                    for (SynthMark &m : marks) {
                        qint32 index = 0;
                        record >> m.sample >> index;
                        m.sample += base;
                        m.index = index + starts[current];
                    }
                    const int n = int(sound.size() / 2);
                    samples += n;
                    ok = record.status() == QDataStream::Ok &&
                         job.target->Audio(reinterpret_cast<const qint16 *>(sound.constData()), n,
                                           marks);
                } else {
                    qint8 completed = 0;
                    record >> completed;
                    ok = completed != 0;
                    pieceDone = true;
                }
            }
            in.remove(0, at);
            if (pieceDone) {
                base += samples;
                samples = 0;
                ++current;
            } else if (ended && children[current]->bytesAvailable() == 0) {
                ok = false; // ended without finishing: it failed on its piece
            }
        }
        for (auto &child : children) {
            if (child->state() != QProcess::NotRunning) {
                child->kill();
                child->waitForFinished(1000);
            }
        }
        job.target->Finished(ok && !job.abort->load());
        return true;
    }

    // Utterance by utterance, as the voice's own rules break the text into them,
    // but short at first (the first sound comes sooner) and never very long.
    bool SpeakAll(Speaking &s, cst_voice *voice, const FoldedText &folded, Prosody prosody)
    {
        const auto symbols = [voice](const char *name, const cst_string *fallback) {
            return get_param_string(voice->features, name, fallback);
        };
        cst_tokenstream *ts = ts_open_string(
            folded.ascii.constData(), symbols("text_whitespace", cst_ts_default_whitespacesymbols),
            symbols("text_singlecharsymbols", cst_ts_default_singlecharsymbols),
            symbols("text_prepunctuation", cst_ts_default_prepunctuationsymbols),
            symbols("text_postpunctuation", cst_ts_default_postpunctuationsymbols));
        if (!ts)
            return false;
        const cst_breakfunc breaks = feat_present(voice->features, "utt_break")
                                         ? val_breakfunc(feat_val(voice->features, "utt_break"))
                                         : default_utt_break;
        size_t change = 0;
        int limit = 20;
        bool ok = true;
        cst_utterance *utt = nullptr;
        cst_relation *tokens = nullptr;
        int count = 0, letters = 0;
        for (;;) {
            const char *token = ts_get(ts);
            const int at = ts->token_pos + int(std::strlen(ts->prepunctuation));
            const bool end = std::strlen(token) == 0 && ts_eof(ts);
            const bool changes = change < folded.changes.size() && folded.changes[change].at <= at;
            // Never very long in letters either: a spelled run says each letter as a
            // word, and the voice's memory grows with the utterance's length.
            if (utt && (end || count >= limit || letters >= maxUtteranceLetters || changes || breaks(ts, token, tokens))) {
                ok = Speak(s, utt, voice, prosody);
                utt = nullptr;
                limit = 200;
                if (!ok || s.stopped)
                    break;
            }
            while (change < folded.changes.size() && folded.changes[change].at <= at)
                prosody = folded.changes[change++].prosody;
            if (end)
                break;
            if (std::strlen(token) == 0 && std::strlen(ts->prepunctuation) == 0 &&
                std::strlen(ts->postpunctuation) == 0)
                continue;
            if (!utt) {
                utt = new_utterance();
                tokens = utt_relation_create(utt, "Token");
                count = letters = 0;
            }
            cst_item *item = relation_append(tokens, nullptr);
            item_set_string(item, "name", token);
            item_set_string(item, "whitespace", ts->whitespace);
            item_set_string(item, "prepunctuation", ts->prepunctuation);
            item_set_string(item, "punc", ts->postpunctuation);
            item_set_int(item, "pw_offset", at);
            ++count;
            letters += int(std::strlen(token));
        }
        if (utt)
            delete_utterance(utt);
        ts_close(ts);
        return ok;
    }

    bool Speak(Speaking &s, cst_utterance *utt, cst_voice *voice, const Prosody &prosody)
    {
        cst_audio_streaming_info *info = new_audio_streaming_info();
        info->asc = OnAudio;
        info->min_buffsize = 1024; // 64 ms: the first sound comes with the first piece
        feat_set(utt->features, "streaming_info", audio_streaming_info_val(info));
        // Our speed is in words a minute, about 175 at the voice's own pace; pitch
        // 50 is the voice's own, 0 and 100 a fifth lower and higher.
        const float own =
            get_param_float(voice->features, "duration_stretch", 1.0F); // Kal16's is its own
        feat_set_float(utt->features, "duration_stretch",
                       own * 175.0F / float(std::max(prosody.rate, 1)));
        feat_set_float(utt->features, "f0_shift",
                       float(std::pow(1.5, (prosody.pitch - 50) / 50.0)));
        s.marked = false;
        const bool ok = SynthesizeGuarded(utt, voice);
        if (ok) {
            const cst_wave *wave = utt_wave(utt);
            s.inBase += wave ? wave->num_samples : 0;
        }
        // After a jump the utterance may be half made: it is left, not freed.
        if (ok)
            delete_utterance(utt);
        return ok;
    }

    std::unique_ptr<QThread> m_Thread;
    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::deque<std::shared_ptr<SynthJob>> m_Tasks;
    bool m_Stopping = false;
    // The voice of that id, registered now if it is not yet; only the worker's thread
    // calls it. Null for an id no voice has.
    cst_voice *Voice(const QString &id)
    {
        if (cst_voice *voice = m_Voices.value(id))
            return voice;
        for (const VoiceInfo &info : voiceInfos) {
            if (id == QLatin1String(info.id)) {
                cst_voice *voice = Register(info);
                if (voice)
                    m_Voices.insert(id, voice);
                return voice;
            }
        }
        return nullptr;
    }

    // A voice's library is a large table of pointers that the loader would have
    // to fix up at every start of the program (and of every child making a piece
    // of a file): it is loaded when its voice first speaks.
    static cst_voice *Register(const VoiceInfo &info)
    {
        const QByteArray name = QByteArrayLiteral("cmu_us_") + info.id;
        QLibrary library(QStringLiteral("flite_") + QLatin1String(name), 1);
        cst_voice *(*registerVoice)(const char *voxdir) = nullptr;
        if (!Resolve(library, ("register_" + name).constData(), &registerVoice)) {
            qWarning("The Flite voice %s could not be loaded: %s", info.id,
                     qPrintable(library.errorString()));
            return nullptr;
        }
        return registerVoice(nullptr);
    }

    QHash<QString, cst_voice *> m_Voices;
};

std::vector<EspeakMode> Modes()
{
    std::vector<EspeakMode> modes;
    FliteWorker &worker = FliteWorker::Instance();
    for (const VoiceInfo &info : voiceInfos) {
        EspeakMode mode = EspeakEngine::MakeMode(QLatin1String(info.name), QLatin1String(info.id),
                                                 info.gender, quint16(QLocale::English),
                                                 QLatin1String(info.dialect), {50, 175});
        mode.info.szProductName = QStringLiteral("Flite");
        mode.info.szMfgName = QStringLiteral("Carnegie Mellon University");
        mode.info.gEngineID = QUuid::createUuidV5(mode.info.gEngineID, QStringLiteral("Flite"));
        mode.synthesizer = &worker;
        mode.fastest = SpeechShaping::NormalRate * 3 / 2;
        modes.push_back(mode);
    }
    return modes;
}

} // namespace

namespace FliteEngine {

void Register()
{
    EspeakEngine::AddModeSource(Modes);
}

int ChildMain(const QStringList &arguments)
{
    if (arguments.size() != 3)
        return 2;
    QFile in, out;
    if (!in.open(0, QIODevice::ReadOnly) ||
        !out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    // Records on standard output (ChildRecords). 'A': sound (22,050 Hz) and the
    // words starting in it (sample, index); 'F': the end, and whether the piece was
    // spoken whole.
    const auto send = [&out](char type, const QByteArray &payload) {
        return ChildRecords::Write(out, type, payload);
    };
    struct Target : SynthTarget
    {
        std::function<bool(char, const QByteArray &)> send;
        std::promise<void> done;
        bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
        {
            QByteArray payload;
            QDataStream record(&payload, QIODevice::WriteOnly);
            record << QByteArray(reinterpret_cast<const char *>(samples), count * 2)
                   << quint32(marks.size());
            for (const SynthMark &m : marks)
                record << m.sample << qint32(m.index);
            return send('A', payload);
        }
        void Finished(bool completed) override
        {
            send('F', QByteArray(1, completed ? 1 : 0));
            done.set_value();
        }
    };
    auto target = std::make_shared<Target>();
    target->send = send;
    std::future<void> finished = target->done.get_future();
    SynthJob job;
    job.voice = arguments[0];
    job.prosody = {arguments[1].toInt(), arguments[2].toInt()};
    job.text = QString::fromUtf8(in.readAll());
    job.lexicon = Lexicon::CurrentTable();
    job.abort = std::make_shared<std::atomic<bool>>(false);
    job.target = target;
    FliteWorker::Instance().Submit(std::move(job));
    finished.wait();
    // Nothing more is needed from this process.
    std::_Exit(0);
}

} // namespace FliteEngine
