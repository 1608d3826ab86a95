#include "platform/flite/FliteEngine.h"

#include "platform/flite/FliteText.h"
#include "platform/sapi/EspeakEngine.h"

#include <QHash>
#include <QLocale>

#include <soxr.h>

extern "C" {
#include <flite/flite.h>
cst_voice *register_cmu_us_slt(const char *voxdir);
cst_voice *register_cmu_us_rms(const char *voxdir);
cst_voice *register_cmu_us_awb(const char *voxdir);
cst_voice *register_cmu_us_kal16(const char *voxdir);
}

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <csetjmp>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {

constexpr int FliteRate = 16000;

struct VoiceInfo
{
    const char *id;
    const char *name;
    const char *dialect;
    quint16 gender;
    cst_voice *(*registerVoice)(const char *);
};

// The voices Debian ships, but the 8 kHz Kal and the voice that only tells the time.
const VoiceInfo voiceInfos[] = {
    {"slt", "Flite SLT (US female)", "American", 1, register_cmu_us_slt},
    {"rms", "Flite RMS (US male)", "American", 2, register_cmu_us_rms},
    {"awb", "Flite AWB (Scottish male)", "Scottish", 2, register_cmu_us_awb},
    {"kal16", "Flite Kal16 (US male, diphone)", "American", 2, register_cmu_us_kal16},
};

// One text being spoken: the resampler, the words not yet handed on, what was
// delivered. Touched only on the synthesis thread.
struct Speaking
{
    SynthJob *job = nullptr;
    const FoldedText *folded = nullptr;
    soxr_t resampler = nullptr;
    qint64 inBase = 0;   // 16 kHz samples of the utterances before this one
    qint64 delivered = 0; // samples at our rate handed on
    std::vector<SynthMark> pending;
    const cst_item *lastToken = nullptr;
    int lastIndex = -1; // a word cut in pieces is highlighted once
    bool marked = false; // this utterance's words are known
    bool stopped = false;
    std::vector<qint16> out;
};

thread_local Speaking *speaking = nullptr;

qint64 ToOurRate(qint64 samples) { return (samples * SynthRate + FliteRate / 2) / FliteRate; }

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
    for (;;) {
        size_t used = 0, made = 0;
        s.out.resize(count * 2 + 4096);
        if (soxr_process(s.resampler, last && count == 0 ? nullptr : in, count, &used, s.out.data(), s.out.size(),
                         &made) != nullptr)
            return false;
        in += used;
        count -= used;
        const bool drained = last ? made == 0 : count == 0;
        if (!Hand(s, s.out.data(), made, drained && last))
            return false;
        if (drained)
            return true;
    }
}

// Where each token's first spoken word starts, found once the utterance's segments
// have their times (by the first piece of its sound).
void MarkWords(Speaking &s, const cst_utterance *utt)
{
    s.marked = true;
    for (const cst_item *word = relation_head(utt_relation(utt, "Word")); word; word = item_next(word)) {
        const cst_item *token = path_to_item(word, "R:Token.parent");
        if (!token || token == s.lastToken || !path_to_item(word, "R:SylStructure.daughter1.daughter1.R:Segment"))
            continue;
        s.lastToken = token;
        const float start = ffeature_float(word, "R:SylStructure.daughter1.daughter1.R:Segment.p.end");
        const int at = std::clamp(item_feat_int(token, "pw_offset"), 0, int(s.folded->source.size()) - 1);
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

    bool Has(const char *id) const { return m_Voices.contains(QLatin1String(id)); }

private:
    FliteWorker()
    {
        // The voices are registered before the thread that uses them starts.
        flite_init();
        for (const VoiceInfo &info : voiceInfos) {
            if (cst_voice *voice = info.registerVoice(nullptr))
                m_Voices.insert(QLatin1String(info.id), voice);
        }
        m_Thread = std::thread([this] { Run(); });
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
        if (m_Thread.joinable())
            m_Thread.join();
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
        cst_voice *voice = m_Voices.value(job.voice);
        if (!voice || job.abort->load()) {
            job.target->Finished(false);
            return;
        }
        const FoldedText folded = FliteText::Fold(job.text, job.tagged, job.prosody, job.lexicon.get());
        soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
        io.flags |= SOXR_NO_DITHER; // the same samples however the sound is cut into pieces
        soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_error_t failed = nullptr;
        Speaking s;
        s.job = &job;
        s.folded = &folded;
        s.resampler = soxr_create(FliteRate, SynthRate, 1, &failed, &io, &quality, nullptr);
        if (failed) {
            job.target->Finished(false);
            return;
        }
        speaking = &s;
        const bool completed = SpeakAll(s, voice, folded, job.prosody) && !s.stopped && !job.abort->load() &&
                               Resample(s, nullptr, 0, true);
        speaking = nullptr;
        soxr_delete(s.resampler);
        job.target->Finished(completed);
    }

    // Utterance by utterance, as the voice's own rules break the text into them,
    // but short at first (the first sound comes sooner) and never very long.
    bool SpeakAll(Speaking &s, cst_voice *voice, const FoldedText &folded, Prosody prosody)
    {
        const auto symbols = [voice](const char *name, const cst_string *fallback) {
            return get_param_string(voice->features, name, fallback);
        };
        cst_tokenstream *ts = ts_open_string(folded.ascii.constData(),
                                             symbols("text_whitespace", cst_ts_default_whitespacesymbols),
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
        int count = 0;
        for (;;) {
            const char *token = ts_get(ts);
            const int at = ts->token_pos + int(std::strlen(ts->prepunctuation));
            const bool end = std::strlen(token) == 0 && ts_eof(ts);
            const bool changes = change < folded.changes.size() && folded.changes[change].at <= at;
            if (utt && (end || count >= limit || changes || breaks(ts, token, tokens))) {
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
            if (std::strlen(token) == 0 && std::strlen(ts->prepunctuation) == 0 && std::strlen(ts->postpunctuation) == 0)
                continue;
            if (!utt) {
                utt = new_utterance();
                tokens = utt_relation_create(utt, "Token");
                count = 0;
            }
            cst_item *item = relation_append(tokens, nullptr);
            item_set_string(item, "name", token);
            item_set_string(item, "whitespace", ts->whitespace);
            item_set_string(item, "prepunctuation", ts->prepunctuation);
            item_set_string(item, "punc", ts->postpunctuation);
            item_set_int(item, "pw_offset", at);
            ++count;
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
        const float own = get_param_float(voice->features, "duration_stretch", 1.0F); // Kal16's is its own
        feat_set_float(utt->features, "duration_stretch", own * 175.0F / float(std::max(prosody.rate, 1)));
        feat_set_float(utt->features, "f0_shift", float(std::pow(1.5, (prosody.pitch - 50) / 50.0)));
        s.marked = false;
        s.lastToken = nullptr;
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

    std::thread m_Thread;
    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::deque<std::shared_ptr<SynthJob>> m_Tasks;
    bool m_Stopping = false;
    QHash<QString, cst_voice *> m_Voices;
};

std::vector<EspeakMode> Modes()
{
    std::vector<EspeakMode> modes;
    FliteWorker &worker = FliteWorker::Instance();
    for (const VoiceInfo &info : voiceInfos) {
        if (!worker.Has(info.id))
            continue;
        EspeakMode mode = EspeakEngine::MakeMode(QLatin1String(info.name), QLatin1String(info.id), info.gender,
                                                 quint16(QLocale::English), QLatin1String(info.dialect), {50, 175});
        mode.info.szProductName = QStringLiteral("Flite");
        mode.info.szMfgName = QStringLiteral("Carnegie Mellon University");
        mode.info.gEngineID = QUuid::createUuidV5(mode.info.gEngineID, QStringLiteral("Flite"));
        mode.synthesizer = &worker;
        modes.push_back(mode);
    }
    return modes;
}

} // namespace

namespace FliteEngine {

void Register() { EspeakEngine::AddModeSource(Modes); }

QString Version() { return QStringLiteral("Flite 2.2"); }

} // namespace FliteEngine
