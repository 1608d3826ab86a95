// The voices of other speech programs: Read Aloud to the first sound at the sound
// server, and the first word's highlight against that sound.
//   parlewind_voices_bench speechd "VOICE (module)" [runs]
//   parlewind_voices_bench piper "Piper VOICE (…)" PROGRAM FOLDER   (prints the milliseconds)
#include "platform/sapi/Sapi.h"
#include "speech/SpTools.h"
#include "platform/piper/PiperEngine.h"
#include "platform/speechd/Speechd.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rate = 22050;

struct Sink : ITTSBufNotifySink
{
    qint64 firstWord = -1, done = -1;
    QElapsedTimer *clock = nullptr;
    HRESULT TextDataDone(quint64, quint32) override { return done = clock->nsecsElapsed(), S_OK; }
    HRESULT TextDataStarted(quint64) override { return S_OK; }
    HRESULT BookMark(quint64, quint32) override { return S_OK; }
    HRESULT WordPosition(quint64, quint32) override
    {
        if (firstWord < 0)
            firstWord = clock->nsecsElapsed();
        return S_OK;
    }
};

void Pump(const std::function<bool()> &until, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!until() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    // The voices are listed by a child of this program.
    if (argc > 1 && QByteArray(argv[1]) == Speechd::ListOption) {
        QCoreApplication child(argc, argv);
        return Speechd::ListMain();
    }
    QApplication app(argc, argv);
    if (argc < 3 || (QByteArray(argv[1]) != "speechd" && QByteArray(argv[1]) != "piper"))
        return 2;
    const bool piper = QByteArray(argv[1]) == "piper";
    const QString voice = QString::fromUtf8(argv[2]);
    const int runs = piper ? 1 : argc > 3 ? std::atoi(argv[3]) : 7;
    DetectSpeechSupport();
    // A Piper voice: the program and the voice's folder; its first text, model load and all.
    if (piper && argc > 4)
        PiperEngine::Configure(QString::fromLocal8Bit(argv[3]), {QString::fromLocal8Bit(argv[4])});
    if (const QString problem = piper ? QString() : Speechd::ListNow(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
    CreateTTSEnumerator(&enumerator, &find);
    TTSMODEINFO wanted, found;
    wanted.szModeName = voice;
    find->Find(wanted, nullptr, &found);
    if (found.szModeName != voice) {
        std::fprintf(stderr, "no voice %s\n", argv[2]);
        return 1;
    }
    std::shared_ptr<IAudioMultiMediaDevice> device;
    CreateAudioMultiMediaDevice(&device);
    std::shared_ptr<ITTSCentral> central;
    if (enumerator->Select(found.gModeID, &central, device) != S_OK)
        return 1;
    const QString text = QStringLiteral("Reading aloud starts here, with a sentence of a dozen words or so.");
    std::vector<double> firstSound, wordLag;
    for (int run = 0; run < (piper ? 1 : runs + 1); ++run) {
        QProcess rec;
        rec.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=5"), QStringLiteral("-d"), QStringLiteral("speakers.monitor"),
                                            QStringLiteral("--raw"), QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                            QStringLiteral("--rate=22050")});
        rec.waitForStarted();
        QByteArray pcm;
        QElapsedTimer clock;
        clock.start();
        Pump([&] { return (pcm += rec.readAllStandardOutput()).size() > rate; }, 3000);
        auto sink = std::make_shared<Sink>();
        sink->clock = &clock;
        pcm += rec.readAllStandardOutput();
        const qsizetype before = pcm.size() / 2;
        const qint64 sent = clock.nsecsElapsed();
        const std::u16string wide = text.toStdU16String();
        central->TextData(CHARSET_TEXT, 0, {wide.c_str(), quint32(wide.size() * 2 + 2)}, sink, SapiIds::IID_ITTSBufNotifySink);
        Pump([&] { pcm += rec.readAllStandardOutput(); return sink->done >= 0; }, 20000);
        rec.terminate();
        rec.waitForFinished();
        pcm += rec.readAllStandardOutput();
        qsizetype first = -1;
        for (qsizetype i = before; i < pcm.size() / 2; ++i) {
            if (std::abs(qFromLittleEndian<qint16>(pcm.constData() + 2 * i)) > 500) {
                first = i;
                break;
            }
        }
        // The first run of speech-dispatcher opens the connection and loads the module;
        // Piper's is the one measured.
        if ((run == 0) != piper || first < 0 || sink->firstWord < 0)
            continue;
        const double soundMs = double(first - before) * 1000 / rate;
        firstSound.push_back(soundMs);
        wordLag.push_back(double(sink->firstWord - sent) / 1e6 - soundMs);
    }
    if (piper) {
        std::printf("%.0f\n", Median(firstSound));
        return 0;
    }
    std::printf("%s: Read Aloud to its first sound at the sound server: %.0f ms median of %zu (target <= 250 ms); "
                "first word lit %.0f ms from its sound (target within 100 ms)\n",
                argv[2], Median(firstSound), firstSound.size(), Median(wordLag));
    return 0;
}
