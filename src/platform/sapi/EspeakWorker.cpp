#include "platform/sapi/EspeakWorker.h"

#include <QDir>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <cstring>
#include <future>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Standard error is not to be touched: another thread is using it (PrepareAlongside).
std::atomic<bool> standardErrorInUse{false};

// The library opens a sound device when its output is set up, even for synthesis
// into memory, which it never plays on: it complains on standard error when there is
// no sound server, and waits up to half a minute for one that does not answer.
void InitializeOutput(bool quietly)
{
    const int saved = quietly ? ::dup(STDERR_FILENO) : -1;
    const int null = quietly ? ::open("/dev/null", O_WRONLY | O_CLOEXEC) : -1;
    if (saved >= 0 && null >= 0)
        ::dup2(null, STDERR_FILENO);
    espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 100, nullptr);
    if (saved >= 0 && null >= 0)
        ::dup2(saved, STDERR_FILENO);
    for (const int fd : {saved, null}) {
        if (fd >= 0)
            ::close(fd);
    }
}

// The text being synthesised; only touched on the synthesis thread.
struct Current
{
    const PreparedText *prepared = nullptr;
    SynthTarget *target = nullptr;
    std::atomic<bool> *abort = nullptr;
    int lastIndex = -1;
    int indexBase = 0;      // where the piece being spoken starts in the text
    qint64 sampleBase = 0;  // samples of the text spoken before this piece
    qint64 samples = 0;     // samples delivered so far
    bool stopped = false;
    std::vector<SynthMark> marks;
};
thread_local Current current;
std::atomic<bool> shuttingDown{false};
// The output is being set up (on the worker's thread, after a start alongside).
std::atomic<bool> outputStarting{false};

int OnSynth(short *wav, int count, espeak_EVENT *events)
{
    Current &c = current;
    if (!c.target || c.stopped)
        return 1;
    c.marks.clear();
    for (espeak_EVENT *e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type != espeakEVENT_WORD)
            continue;
        const int local = c.prepared->OriginalIndex(e->text_position);
        const int index = local + c.indexBase;
        // Numbers give several events, some going backwards: keep the first of each word.
        if (local < 0 || index <= c.lastIndex)
            continue;
        c.lastIndex = index;
        c.marks.push_back({c.sampleBase + e->sample, index});
    }
    if (c.abort->load() || shuttingDown.load()) {
        c.stopped = true;
        return 1;
    }
    if (!wav)
        return 0;
    c.samples += count;
    if ((count > 0 || !c.marks.empty()) && !c.target->Audio(wav, count, c.marks)) {
        c.stopped = true;
        return 1;
    }
    return c.abort->load() ? (c.stopped = true, 1) : 0;
}

} // namespace

EspeakWorker &EspeakWorker::Instance()
{
    static EspeakWorker worker;
    return worker;
}

void EspeakWorker::PrepareAlongside()
{
    standardErrorInUse = true;
    Instance();
    standardErrorInUse = false;
}

EspeakWorker::EspeakWorker()
{
    m_Thread = std::thread([this] { Run(); });
    // Made alongside the window's start, the output is set up after the voices are
    // known, without the start waiting for it (a sound server that does not answer
    // would hold the window up); texts given meanwhile wait for it in the queue.
    const bool alongside = standardErrorInUse.load();
    RunSync([this, alongside] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        m_Available =
            espeak_ng_Initialize(&context) == ENS_OK && espeak_ng_GetSampleRate() == SynthRate;
        espeak_ng_ClearErrorContext(&context);
        if (!m_Available)
            return;
        if (!alongside)
            InitializeOutput(true);
        espeak_SetSynthCallback(OnSynth);
        const char *path = nullptr;
        m_Version = QString::fromUtf8(espeak_Info(&path));
        m_DataPath = QString::fromUtf8(path ? path : "");
        for (const espeak_VOICE **v = espeak_ListVoices(nullptr); v && *v; ++v) {
            const QString id = QString::fromUtf8((*v)->identifier);
            if (id.startsWith(QStringLiteral("mb/")))
                continue; // mbrola voices need databases that are not installed
            EspeakVoice voice{id, QString::fromUtf8((*v)->name), {}};
            // languages: a priority byte, a name, a zero, … ended by a second zero.
            for (const char *l = (*v)->languages; l && *l;) {
                const QString language = QString::fromUtf8(l + 1);
                voice.languages << language;
                l += std::strlen(l + 1) + 2;
            }
            m_Voices.push_back(voice);
        }
        // The variants are the files of the data's variant folder. The library would
        // list them by reading every voice file again (1.7 ms of the start).
        const QDir variants(m_DataPath + QStringLiteral("/voices/!v"));
        m_Variants = variants.entryList(QDir::Files);
        if (m_Variants.isEmpty()) {
            espeak_VOICE variantSpec{};
            variantSpec.languages = "variant";
            for (const espeak_VOICE **v = espeak_ListVoices(&variantSpec); v && *v; ++v) {
                QString id = QString::fromUtf8((*v)->identifier);
                m_Variants << id.mid(id.lastIndexOf(QLatin1Char('/')) + 1);
            }
        }
    });
    if (alongside && m_Available) {
        std::lock_guard lock(m_Mutex);
        m_Tasks.push_back([] {
            outputStarting = true;
            if (!shuttingDown)
                InitializeOutput(false);
            outputStarting = false;
        });
        m_Wake.notify_all();
    }
}

bool EspeakWorker::ShuttingDown() { return shuttingDown.load(); }

EspeakWorker::~EspeakWorker()
{
    shuttingDown = true;
    {
        std::lock_guard lock(m_Mutex);
        m_Stopping = true;
    }
    m_Wake.notify_all();
    // Setting up the output may wait half a minute on a sound server that does not
    // answer: the process does not wait for it at its end.
    if (outputStarting)
        m_Thread.detach();
    else if (m_Thread.joinable())
        m_Thread.join();
}

void EspeakWorker::Run()
{
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(m_Mutex);
            m_Wake.wait(lock, [this] { return m_Stopping || !m_Tasks.empty(); });
            if (m_Stopping && m_Tasks.empty())
                break;
            task = std::move(m_Tasks.front());
            m_Tasks.pop_front();
        }
        task();
    }
    if (m_Available)
        espeak_Terminate();
}

void EspeakWorker::RunSync(const std::function<void()> &call)
{
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    {
        std::lock_guard lock(m_Mutex);
        m_Tasks.push_back([call, done] {
            call();
            done->set_value();
        });
    }
    m_Wake.notify_all();
    finished.wait();
}

bool EspeakWorker::Available() { return m_Available; }
QString EspeakWorker::Version() { return m_Version; }
QString EspeakWorker::DataPath() { return m_DataPath; }
std::vector<EspeakVoice> EspeakWorker::Voices() { return m_Voices; }
QStringList EspeakWorker::Variants() { return m_Variants; }

void EspeakWorker::Submit(SynthJob job)
{
    auto shared = std::make_shared<SynthJob>(std::move(job));
    {
        std::lock_guard lock(m_Mutex);
        m_Tasks.push_back([this, shared] { Synthesize(*shared); });
    }
    m_Wake.notify_all();
}

void EspeakWorker::Synthesize(SynthJob &job)
{
    if (!m_Available || job.abort->load()) {
        job.target->Finished(false);
        return;
    }
    if (job.voice != m_CurrentVoice) {
        if (espeak_SetVoiceByName(job.voice.toUtf8().constData()) == EE_OK)
            m_CurrentVoice = job.voice;
    }
    espeak_SetParameter(espeakRATE, job.prosody.rate, 0);
    espeak_SetParameter(espeakPITCH, job.prosody.pitch, 0);

    current = Current{};
    current.target = job.target.get();
    current.abort = job.abort.get();
    // A long text starts with a short piece, so that its first words are heard at once;
    // the rest follows at a sentence end (or a blank), where a pause is natural.
    const QString &text = job.text;
    int split = static_cast<int>(text.size());
    if (text.size() > 8192) {
        split = -1;
        for (int i = 2048; i < 8192 && split < 0; ++i) {
            const QChar c = text.at(i);
            if ((c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') ||
                 c == QLatin1Char('\n')) && text.at(i + 1).isSpace())
                split = i + 1;
        }
        for (int i = 4096; i < text.size() && split < 0; ++i) {
            if (text.at(i).isSpace())
                split = i;
        }
        if (split < 0)
            split = static_cast<int>(text.size());
    }
    espeak_ERROR result = EE_OK;
    Prosody prosody = job.prosody;
    for (int start = 0; start < text.size() || start == 0;) {
        const int end = start == 0 ? split : static_cast<int>(text.size());
        const QString piece = start == 0 && end == text.size() ? text : text.mid(start, end - start);
        const Prosody from = prosody;
        const PreparedText prepared =
            TextPrep::Prepare(piece, job.tagged, job.prosody, job.lexicon.get(), &prosody, &from);
        current.prepared = &prepared;
        current.indexBase = start;
        current.sampleBase = current.samples;
        result = espeak_Synth(prepared.markup.c_str(), prepared.markup.size() + 1, 0,
                              POS_CHARACTER, 0, espeakCHARS_UTF8 | espeakSSML, nullptr, nullptr);
        if (result != EE_OK || current.stopped || job.abort->load() || end >= text.size())
            break;
        start = end;
    }
    const bool completed = result == EE_OK && !current.stopped && !job.abort->load();
    current = Current{};
    job.target->Finished(completed);
}

QString EspeakWorker::TextToPhonemes(const QString &text, const QString &voice, bool ipa)
{
    QString phonemes;
    RunSync([&] {
        if (!m_Available)
            return;
        if (voice != m_CurrentVoice && espeak_SetVoiceByName(voice.toUtf8().constData()) == EE_OK)
            m_CurrentVoice = voice;
        const QByteArray utf8 = text.toUtf8();
        const void *pointer = utf8.constData();
        // One clause per call; the pointer moves on and becomes null at the end.
        while (pointer && *static_cast<const char *>(pointer)) {
            const char *clause = espeak_TextToPhonemes(&pointer, espeakCHARS_UTF8,
                                                       ipa ? 0x02 : 0);
            if (clause && *clause) {
                if (!phonemes.isEmpty())
                    phonemes += QLatin1Char(' ');
                phonemes += QString::fromUtf8(clause).trimmed();
            }
        }
    });
    return phonemes;
}
