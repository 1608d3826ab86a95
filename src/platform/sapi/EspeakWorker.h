#pragma once

#include "platform/sapi/TextPrep.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

constexpr int SynthRate = 22050; // every espeak-ng voice speaks at this rate

// A word (or sentence) about to be spoken: its first sample (from the start of its
// text's audio) and its UTF-16 index in the submitted text.
struct SynthMark
{
    qint64 sample = 0;
    int index = 0;
    int length = 0; // a voice that knows only its sentences: the sentence's length
    int voice = -1; // not a word: another voice reads on from here (its number in the text)
};

// Receives the audio of one text, on the synthesis thread.
class SynthTarget
{
public:
    virtual ~SynthTarget() = default;
    // Audio with the words that start in it. False stops the synthesis.
    virtual bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) = 0;
    // The text is done: spoken to its end, or stopped.
    virtual void Finished(bool completed) = 0;
};

struct SynthJob
{
    QString voice; // espeak-ng voice name, e.g. "gmw/en-US+f3"
    Prosody prosody;
    QString text;
    bool tagged = false;
    bool toFile = false; // not heard as it is made: may be made in pieces at once
    std::shared_ptr<const LexiconTable> lexicon;
    std::shared_ptr<SynthTarget> target;
    std::shared_ptr<std::atomic<bool>> abort;
};

// Speaks jobs on a thread of its own; one for each engine.
class Synthesizer
{
public:
    virtual ~Synthesizer() = default;
    virtual void Submit(SynthJob job) = 0;
    // Why the last text ended unfinished, when there is more to say than that it failed.
    virtual QString LastFailure() const { return {}; }
};

struct EspeakVoice
{
    QString identifier; // "gmw/en-US"
    QString name;       // "English_(America)"
    QStringList languages;
};

// The one espeak-ng engine of the process. The library is a single global engine
// and not thread-safe, so one thread makes every call to it.
class EspeakWorker : public Synthesizer
{
public:
    static EspeakWorker &Instance();
    // Makes the worker on the calling thread while another thread goes on with its
    // own start; returns once the voices are known. The library's output, which
    // opens the sound server, is set up afterwards on the worker's thread, so that a
    // server that does not answer holds up no start. Standard error is left alone
    // (the other thread may be writing to it, say a display that cannot be
    // reached): the library may complain there.
    static void PrepareAlongside();

    // False when the library could not start or find its data.
    bool Available();
    QString Version();
    // The folder of the library's voices and dictionaries.
    QString DataPath();
    std::vector<EspeakVoice> Voices();
    QStringList Variants();

    void Submit(SynthJob job) override;
    // True once the process is ending: synthesis in progress gives up.
    static bool ShuttingDown();
    // The phonemes of a text, in espeak-ng's own notation (or IPA).
    QString TextToPhonemes(const QString &text, const QString &voice, bool ipa);

private:
    EspeakWorker();
    ~EspeakWorker() override;
    void Run();
    void RunSync(const std::function<void()> &call);
    void Synthesize(SynthJob &job);

    std::thread m_Thread;
    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::deque<std::function<void()>> m_Tasks;
    bool m_Stopping = false;

    // Known once the thread has started.
    bool m_Available = false;
    QString m_Version;
    QString m_DataPath;
    std::vector<EspeakVoice> m_Voices;
    QStringList m_Variants;
    QString m_CurrentVoice;
};
