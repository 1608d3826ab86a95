#include "platform/piper/PiperEngine.h"

#include "platform/resample/Resampler.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/shell/Confinement.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

namespace PiperEngine {
namespace {

// Sentences a process is given ahead of the one it speaks.
constexpr size_t queuedSentences = 2;
// A process that answers nothing for this long is taken for hung.
std::atomic<int> silentLimitMs{30000};

struct Found
{
    QString chosen; // the program the user chose, if any
    QStringList added;
    std::vector<TVoice> voices;
    QString program;
};

Found &State()
{
    static Found found;
    return found;
}

// The program chosen, as the synthesis threads read it.
std::mutex chosenMutex;
QString chosenProgram;

QString Chosen()
{
    std::lock_guard lock(chosenMutex);
    return chosenProgram;
}

QString FindProgram(const QString &chosen)
{
    if (!chosen.isEmpty())
        return QFileInfo(chosen).isExecutable() && QFileInfo(chosen).isFile() ? chosen : QString();
    return QStandardPaths::findExecutable(QStringLiteral("piper"));
}

// A WAV file of 16-bit mono samples, as piper writes them.
bool ReadWave(const QString &path, int *rate, std::vector<qint16> *samples)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 12)
        return false;
    std::vector<unsigned char> bytes(size_t(file.size()));
    if (file.read(reinterpret_cast<char *>(bytes.data()), qint64(bytes.size())) != qint64(bytes.size()))
        return false;
    const auto u16 = [&](size_t at) { return quint32(bytes[at]) | quint32(bytes[at + 1]) << 8; };
    const auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    const auto tag = [&](size_t at, const char *name) { return std::memcmp(bytes.data() + at, name, 4) == 0; };
    if (!tag(0, "RIFF") || !tag(8, "WAVE"))
        return false;
    size_t at = 12;
    bool format = false;
    while (at + 8 <= bytes.size()) {
        size_t size = u32(at + 4);
        const size_t body = at + 8;
        if (tag(at, "fmt ") && size >= 16 && body + 16 <= bytes.size()) {
            *rate = int(u32(body + 4));
            format = u16(body + 2) == 1 && u16(body + 14) == 16 && *rate > 0;
        } else if (tag(at, "data") && format) {
            // A file written to a pipe or cut short says more than it has.
            size = std::min(size, bytes.size() - body);
            samples->resize(size / 2);
            for (size_t i = 0; i < samples->size(); ++i)
                (*samples)[i] = qint16(u16(body + 2 * i));
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

std::vector<qint16> ToOurRate(std::vector<qint16> in, int rate)
{
    if (rate == SynthRate || in.empty())
        return in;
    return TResampler::Whole(in, quint32(rate), SynthRate);
}

// The program's own tags are not read out: blanks keep every place in the text.
QString Untagged(const QString &text)
{
    QString plain = text;
    for (int i = 0; i < plain.size(); ++i) {
        Prosody ignored;
        if (plain.at(i) == QLatin1Char('\\')) {
            if (const int n = TextPrep::ReadTag(plain, i, ignored); n > 0) {
                plain.replace(i, n, QString(n, QLatin1Char(' ')));
                i += n - 1;
            }
        }
    }
    return plain;
}

class PiperWorker : public Synthesizer
{
public:
    explicit PiperWorker(TVoice voice) : m_Voice(std::move(voice)) {}

    ~PiperWorker() override
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

    void Submit(SynthJob job) override
    {
        auto shared = std::make_shared<SynthJob>(std::move(job));
        {
            std::lock_guard lock(m_Mutex);
            m_Tasks.push_back(shared);
            // The thread (and with it the voice's processes) starts with the first text.
            if (!m_Thread) {
                m_Thread.reset(QThread::create([this] { Run(); }));
                m_Thread->start();
            }
        }
        m_Wake.notify_all();
    }

    QString LastFailure() const override
    {
        std::lock_guard lock(m_Mutex);
        return m_Failure;
    }

private:
    // One piper process and the sentence it is speaking.
    struct Process
    {
        std::unique_ptr<QProcess> process;
        QString program;
        double lengthScale = 1;
        QByteArray out;
        int answered = 0;        // sentences it has spoken
        std::deque<int> pieces;  // the pieces it was given and has not answered, in order
        QElapsedTimer since;     // since its last answer (or its first piece)
    };

    void Run()
    {
        QTemporaryDir dir;
        m_Dir = dir.path();
        for (;;) {
            std::shared_ptr<SynthJob> job;
            {
                std::unique_lock lock(m_Mutex);
                m_Wake.wait(lock, [this] { return m_Stopping || !m_Tasks.empty(); });
                if (m_Stopping)
                    break;
                job = m_Tasks.front();
                m_Tasks.pop_front();
            }
            Synthesize(*job);
        }
        for (Process &p : m_Processes)
            Stop(p);
        m_Processes.clear();
    }

    void Fail(const QString &reason)
    {
        std::lock_guard lock(m_Mutex);
        m_Failure = reason;
    }

    static void Stop(Process &p)
    {
        if (p.process && p.process->state() != QProcess::NotRunning) {
            p.process->kill();
            p.process->waitForFinished(2000);
        }
        p.process.reset();
        p.out.clear();
        p.pieces.clear();
    }

    // Following piper's command line: the model and its JSON, a sentence a line
    // in JSON, each written into a file whose path it prints.
    bool Start(Process &p, double lengthScale)
    {
        // The program the user chose now (another one, or none any more) starts afresh.
        const QString program = FindProgram(Chosen());
        if (p.process && p.process->state() == QProcess::Running && p.lengthScale == lengthScale && p.program == program)
            return true;
        Stop(p);
        if (program.isEmpty()) {
            Fail(QCoreApplication::translate("Piper", "the piper program was not found"));
            return false;
        }
        p.process = std::make_unique<QProcess>();
        p.process->setChildProcessModifier(Confinement::EndsWithParent());
        p.process->start(program, {QStringLiteral("--model"), m_Voice.model, QStringLiteral("--config"), m_Voice.config,
                                   QStringLiteral("--output_dir"), m_Dir, QStringLiteral("--json-input"),
                                   QStringLiteral("--length_scale"), QString::number(lengthScale, 'f', 3)});
        p.lengthScale = lengthScale;
        p.program = program;
        p.answered = 0;
        if (!p.process->waitForStarted(10000)) {
            Fail(QCoreApplication::translate("Piper", "the piper program (%1) could not be started")
                     .arg(program));
            Stop(p);
            return false;
        }
        return true;
    }

    // What piper said on its way out, for the message.
    static QString LastWords(QProcess &process)
    {
        const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : QStringLiteral(" (") + lines.last().trimmed().left(200) + QLatin1Char(')');
    }

    void Synthesize(SynthJob &job)
    {
        const QString text = job.tagged ? Untagged(job.text) : job.text;
        const std::vector<std::pair<int, int>> pieces = TextPrep::SentencePieces(text, 0);
        // Our speed is in words a minute, about 175 at the voice's own pace.
        const double lengthScale = std::clamp(175.0 / std::max(job.prosody.rate, 1), 0.2, 5.0);
        // Aloud, one process; for a file, one a core (no more than the sentences).
        const size_t wanted = job.toFile ? std::clamp<size_t>(size_t(std::min(QThread::idealThreadCount(), 4)), 1, std::max<size_t>(pieces.size(), 1)) : 1;
        if (m_Processes.size() < wanted)
            m_Processes.resize(wanted);
        for (size_t k = 0; k < wanted; ++k) {
            if (!Start(m_Processes[k], lengthScale)) {
                job.target->Finished(false);
                return;
            }
        }
        Fail(QString());
        std::vector<std::vector<qint16>> sound(pieces.size());
        std::vector<bool> done(pieces.size(), false);
        size_t next = 0, handed = 0;
        qint64 delivered = 0;
        bool ok = true;
        while (ok && handed < pieces.size()) {
            if (job.abort->load() || EspeakWorker::ShuttingDown()) {
                ok = false;
                // What is being spoken now is of no use: the processes start afresh.
                for (size_t k = 0; k < wanted; ++k) {
                    if (!m_Processes[k].pieces.empty())
                        Stop(m_Processes[k]);
                }
                break;
            }
            // Each process is given its next sentence before it has finished the one
            // it speaks: it reads them one after another and never waits for us.
            for (size_t k = 0; k < wanted && next < pieces.size(); ++k) {
                Process &p = m_Processes[k];
                if (p.pieces.size() >= queuedSentences)
                    continue;
                QJsonObject line{{QStringLiteral("text"), text.mid(pieces[next].first, pieces[next].second)},
                                 {QStringLiteral("output_file"), QStringLiteral("%1/%2-%3.wav").arg(m_Dir).arg(k).arg(next)}};
                p.process->write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
                if (p.pieces.empty())
                    p.since.restart();
                p.pieces.push_back(int(next++));
            }
            for (size_t k = 0; ok && k < wanted; ++k) {
                Process &p = m_Processes[k];
                if (p.pieces.empty())
                    continue;
                // A short wait on each in turn: none that has answered waits long for its next sentence.
                p.process->waitForReadyRead(wanted > 1 ? 2 : 20);
                p.out += p.process->readAllStandardOutput();
                const qsizetype end = p.out.indexOf('\n');
                if (end >= 0) {
                    const QString path = QString::fromLocal8Bit(p.out.left(end)).trimmed();
                    p.out.remove(0, end + 1);
                    int rate = 0;
                    std::vector<qint16> samples;
                    if (!ReadWave(path, &rate, &samples)) {
                        Fail(QCoreApplication::translate(
                            "Piper", "piper wrote no sound the program could read"));
                        ok = false;
                        break;
                    }
                    QFile::remove(path);
                    const auto piece = size_t(p.pieces.front());
                    p.pieces.pop_front();
                    sound[piece] = ToOurRate(std::move(samples), rate);
                    done[piece] = true;
                    p.since.restart();
                    ++p.answered;
                } else if (p.process->state() == QProcess::NotRunning) {
                    Fail((p.answered == 0
                              ? QCoreApplication::translate(
                                    "Piper", "piper could not load the voice's model")
                              : QCoreApplication::translate("Piper", "piper ended unexpectedly")) +
                         LastWords(*p.process));
                    Stop(p);
                    ok = false;
                } else if (p.since.elapsed() > silentLimitMs.load()) {
                    Fail(QCoreApplication::translate("Piper", "piper gave no sound for %1 seconds")
                             .arg(silentLimitMs.load() / 1000));
                    Stop(p);
                    ok = false;
                }
            }
            // Sentences are handed on in order, each starting at its place.
            while (ok && handed < pieces.size() && done[handed]) {
                const std::vector<qint16> &s = sound[handed];
                const SynthMark mark{delivered, pieces[handed].first, pieces[handed].second};
                if (!job.target->Audio(s.data(), int(s.size()), {mark})) {
                    ok = false;
                    break;
                }
                delivered += qint64(s.size());
                sound[handed] = {};
                ++handed;
            }
        }
        if (!ok) {
            // A text stopped half-way leaves its processes with sentences of no use.
            for (size_t k = 0; k < wanted; ++k) {
                if (!m_Processes[k].pieces.empty())
                    Stop(m_Processes[k]);
            }
        }
        job.target->Finished(ok && !job.abort->load());
    }

    TVoice m_Voice;
    QString m_Dir;
    std::unique_ptr<QThread> m_Thread;
    mutable std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::deque<std::shared_ptr<SynthJob>> m_Tasks;
    bool m_Stopping = false;
    QString m_Failure;
    std::vector<Process> m_Processes; // the synthesis thread's own
};

// A worker a voice, kept while the program runs.
PiperWorker &WorkerFor(const TVoice &voice)
{
    static std::map<QString, std::unique_ptr<PiperWorker>> workers;
    auto &worker = workers[voice.model];
    if (!worker)
        worker = std::make_unique<PiperWorker>(voice);
    return *worker;
}

void Scan()
{
    Found &s = State();
    s.voices.clear();
    s.program = FindProgram(s.chosen);
    if (s.program.isEmpty())
        return;
    QStringList seen;
    for (const QString &folder : StandardFolders() + s.added) {
        QDirIterator it(folder, {QStringLiteral("*.onnx")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString model = QFileInfo(it.next()).canonicalFilePath();
            if (seen.contains(model))
                continue;
            seen << model;
            TVoice voice = ReadVoice(model);
            const bool taken = std::any_of(s.voices.begin(), s.voices.end(), [&](const TVoice &v) { return v.name == voice.name; });
            if (!voice.name.isEmpty() && !taken)
                s.voices.push_back(voice);
        }
    }
    std::sort(s.voices.begin(), s.voices.end(), [](const TVoice &a, const TVoice &b) { return a.name < b.name; });
}

std::vector<EspeakMode> Modes()
{
    std::vector<EspeakMode> modes;
    for (const TVoice &voice : State().voices) {
        const QLocale locale(voice.language);
        EspeakMode mode = EspeakEngine::MakeMode(voice.name, voice.model, 0,
                                                 locale.language() == QLocale::C ? quint16(0) : quint16(locale.language()),
                                                 voice.language, {50, 175});
        mode.info.szProductName = ProductName;
        mode.info.szMfgName = ProductName;
        mode.info.gEngineID = QUuid::createUuidV5(mode.info.gEngineID, ProductName);
        mode.info.dwEngineFeatures = TTSENGINEFEATURE_NOPITCH;
        mode.synthesizer = &WorkerFor(voice);
        mode.fastest = SpeechShaping::NormalRate * 3 / 2;
        modes.push_back(mode);
    }
    return modes;
}

} // namespace

QStringList StandardFolders()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return {data + QStringLiteral("/piper-voices"), data + QStringLiteral("/piper/voices"),
            // Where the Pied voice manager keeps the models it downloads.
            data + QStringLiteral("/pied/models"),
            QDir::homePath() + QStringLiteral("/.var/app/com.mikeasoft.pied/data/pied/models")};
}

void Configure(const QString &program, const QStringList &folders)
{
    Found &s = State();
    s.chosen = program;
    s.added = folders;
    {
        std::lock_guard lock(chosenMutex);
        chosenProgram = program;
    }
    Scan();
    EspeakEngine::RebuildModes();
}

void Register()
{
    static bool scanned = false;
    if (!std::exchange(scanned, true))
        Scan();
    EspeakEngine::AddModeSource(Modes);
}

TVoice ReadVoice(const QString &model)
{
    TVoice voice;
    QFile file(model + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024)
        return voice;
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject audio = json.value(QStringLiteral("audio")).toObject();
    if (json.isEmpty() || audio.isEmpty())
        return voice;
    voice.model = model;
    voice.config = file.fileName();
    voice.language = json.value(QStringLiteral("language")).toObject().value(QStringLiteral("code")).toString();
    voice.quality = audio.value(QStringLiteral("quality")).toString();
    voice.sampleRate = audio.value(QStringLiteral("sample_rate")).toInt(22050);
    QString dataset = json.value(QStringLiteral("dataset")).toString();
    if (dataset.isEmpty())
        dataset = QFileInfo(model).completeBaseName();
    QStringList about;
    for (const QString &part : {voice.language, voice.quality}) {
        if (!part.isEmpty())
            about << part;
    }
    voice.name = QStringLiteral("Piper ") + dataset + (about.isEmpty() ? QString() : QStringLiteral(" (") + about.join(QStringLiteral(", ")) + QLatin1Char(')'));
    return voice;
}

void SetSilenceLimit(int ms) { silentLimitMs = ms; }

TSummary Summary()
{
    const Found &s = State();
    return {s.program, StandardFolders() + s.added, int(s.voices.size())};
}

} // namespace PiperEngine
