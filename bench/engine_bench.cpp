// Speech engine benchmarks, each next to what a user would otherwise do:
//   latency  time from handing over a 1 MB text to its first sample reaching the sound server
//            (Mary), and a 100-word paragraph's (Flite's SLT)
//   wav      10,000 words into a WAV file, against `espeak-ng -w` on the same text and voice
//   memory   peak memory while speaking a 1 MB text aloud, above the idle program
//   languages opening the Languages dialog with every language listed, first and again
//   choose N [M]  stores the first N languages as chosen and M saved articles
//                 (for bench/startup.sh)
#include "articles/SavedArticles.h"
#include "BenchSupport.h"
#include "platform/flite/FliteEngine.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/EspeakLanguages.h"
#include "platform/sapi/EspeakWorker.h"
#include "platform/sapi/LanguagesDialog.h"
#include "platform/sapi/PcmPlayer.h"
#include "platform/sapi/Sapi.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QString Words(int count)
{
    static const char *words[] = {"reading", "aloud", "is", "a", "pleasant", "way", "to", "listen",
                                  "to", "the", "news", "while", "cooking", "dinner", "or", "walking"};
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QLatin1String(words[i % 16]);
        text += (i % 12 == 11) ? QStringLiteral(". ") : QStringLiteral(" ");
    }
    return text;
}

QString Megabyte()
{
    QString text;
    while (text.size() < 1024 * 1024)
        text += Words(1000);
    return text.left(1024 * 1024);
}

class Sink : public ITTSBufNotifySink
{
public:
    bool done = false;
    HRESULT TextDataDone(quint64, quint32) override { done = true; return S_OK; }
    HRESULT TextDataStarted(quint64) override { return S_OK; }
    HRESULT BookMark(quint64, quint32) override { return S_OK; }
    HRESULT WordPosition(quint64, quint32) override { return S_OK; }
};

std::shared_ptr<ITTSCentral> Open(std::shared_ptr<IAudio> dest)
{
    std::shared_ptr<ITTSEnum> e;
    std::shared_ptr<ITTSFind> f;
    CreateTTSEnumerator(&e, &f);
    TTSMODEINFO mary;
    f->Find(TTSMODEINFO{}, nullptr, &mary);
    std::shared_ptr<ITTSCentral> central;
    e->Select(mary.gModeID, &central, dest);
    return central;
}

void Latency(const EspeakMode &mode, const QString &text, const char *what, double target)
{
    std::vector<double> ms;
    for (int run = 0; run < 7; ++run) {
        PcmPlayer player(QMediaDevices::defaultAudioOutput());
        if (!player.Open()) {
            std::printf("latency: no sound device\n");
            return;
        }
        struct Target : SynthTarget
        {
            std::shared_ptr<PcmQueue> q;
            std::shared_ptr<std::atomic<bool>> abort = std::make_shared<std::atomic<bool>>(false);
            bool Audio(const qint16 *s, int n, const std::vector<SynthMark> &m) override
            {
                return q->Push(1, *abort, s, n, m);
            }
            void Finished(bool) override {}
        };
        auto target = std::make_shared<Target>();
        target->q = player.Queue();
        SynthJob job;
        job.voice = mode.voice;
        job.prosody = mode.defaults;
        job.text = text;
        job.abort = target->abort;
        job.target = target;
        QElapsedTimer clock;
        clock.start();
        if (mode.synthesizer)
            mode.synthesizer->Submit(std::move(job));
        else
            EspeakWorker::Instance().Submit(std::move(job));
        Pump([&] { return player.SamplesWritten() > 0; }, 5000);
        ms.push_back(clock.nsecsElapsed() / 1e6);
        target->abort->store(true);
        player.Reset();
        Pump([] { return false; }, 100);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("latency: first sample of %s (%s) reaches the sound server after %.1f ms "
                "(median of %zu; target <= %.0f ms)\n", what, qPrintable(mode.info.szModeName), ms[ms.size() / 2],
                ms.size(), target);
}

void Latency()
{
    Latency(EspeakEngine::Modes().front(), Megabyte(), "a 1 MB text", 20);
    FliteEngine::Register();
    for (const EspeakMode &mode : EspeakEngine::Modes()) {
        if (mode.info.szModeName.startsWith(QLatin1String("Flite SLT")))
            Latency(mode, Words(100), "a 100-word paragraph", 150);
    }
}

void Wav(const QString &dir)
{
    const QString text = Words(10000);
    QFile input(dir + QStringLiteral("/words.txt"));
    input.open(QIODevice::WriteOnly);
    input.write(text.toUtf8());
    input.close();

    std::vector<double> ours, theirs;
    for (int run = 0; run < 3; ++run) {
        std::shared_ptr<IAudioFile> file;
        CreateAudioFile(&file);
        file->Set(dir + QStringLiteral("/ours.wav"), 1);
        auto central = Open(file);
        auto sink = std::make_shared<Sink>();
        QElapsedTimer clock;
        clock.start();
        central->TextData(CHARSET_TEXT, 0, {text.utf16(), quint32(text.size() * 2 + 2)}, sink,
                          SapiIds::IID_ITTSBufNotifySink);
        Pump([&] { return sink->done; }, 600000);
        file->Flush();
        ours.push_back(clock.nsecsElapsed() / 1e9);

        clock.restart();
        QProcess::execute(QStringLiteral("espeak-ng"),
                          {QStringLiteral("-v"), QStringLiteral("en-us+f3"), QStringLiteral("-s"),
                           QStringLiteral("175"), QStringLiteral("-p"), QStringLiteral("55"),
                           QStringLiteral("-w"), dir + QStringLiteral("/theirs.wav"),
                           QStringLiteral("-f"), dir + QStringLiteral("/words.txt")});
        theirs.push_back(clock.nsecsElapsed() / 1e9);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(theirs.begin(), theirs.end());
    const double a = ours[1], b = theirs[1];
    std::printf("wav: 10,000 words to a WAV file: Parlewind %.2f s, espeak-ng -w %.2f s, "
                "ratio %.2f (target <= 1.1); file sizes %lld and %lld bytes\n",
                a, b, a / b, QFile(dir + QStringLiteral("/ours.wav")).size(),
                QFile(dir + QStringLiteral("/theirs.wav")).size());
}

void Memory()
{
    std::shared_ptr<IAudioMultiMediaDevice> device;
    CreateAudioMultiMediaDevice(&device);
    device->DeviceNumSet(-1);
    auto central = Open(device);
    if (!central) {
        std::printf("memory: no sound device\n");
        return;
    }
    Pump([] { return false; }, 500);
    const long idle = StatusKb("VmRSS:");
    const QString text = Megabyte();
    auto sink = std::make_shared<Sink>();
    central->TextData(CHARSET_TEXT, 0, {text.utf16(), quint32(text.size() * 2 + 2)}, sink,
                      SapiIds::IID_ITTSBufNotifySink);
    long peak = 0;
    for (int i = 0; i < 20; ++i) {
        Pump([] { return false; }, 500);
        peak = std::max(peak, StatusKb("VmRSS:"));
    }
    central->AudioReset();
    std::printf("memory: speaking a 1 MB text aloud for 10 s: peak %.1f MB above the idle "
                "%.1f MB (target < 60 MB)\n", (peak - idle) / 1024.0, idle / 1024.0);
}

} // namespace

// From asking for the dialog to its list painted on the screen. The first time
// includes finding which languages the library has sound data for.
void Languages()
{
    for (const char *when : {"first", "again"}) {
        QElapsedTimer clock;
        clock.start();
        LanguagesDialog dialog;
        dialog.show();
        dialog.LanguageList->repaint();
        QCoreApplication::processEvents();
        std::printf("Languages dialog, %s opening, %d languages listed: %.1f ms (target < 300 ms)\n", when,
                    int(dialog.LanguageList->count()), double(clock.nsecsElapsed()) / 1e6);
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("choose")) {
        QStringList chosen;
        for (const EspeakLanguage &language : EspeakLanguages::Available())
            chosen << language.Identifier;
        if (!EspeakLanguages::SetChecked(chosen.mid(0, args.value(1).toInt())))
            return 1;
        // And as many saved articles, kept together in multi-article mode.
        if (const int articles = args.value(2).toInt(); articles > 0) {
            QFile saved(SavedArticles::File());
            if (!QDir().mkpath(QFileInfo(saved).path()) || !saved.open(QIODevice::WriteOnly))
                return 1;
            for (int k = 1; k <= articles; ++k)
                saved.write(SavedArticles::Serialize(QStringLiteral("Article %1").arg(k),
                                                     QStringLiteral("Mary"), Words(300)));
            TRegistryEnhanced settings;
            settings.Key = QStringLiteral("Software\\BrivantaTech\\Parlewind");
            settings.WriteValue(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
            settings.WriteValue(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        }
        return 0;
    }
    const auto wanted = [&](const char *name) { return args.isEmpty() || args.contains(QLatin1String(name)); };
    if (wanted("latency"))
        Latency();
    if (wanted("wav"))
        Wav(dir.path());
    if (wanted("memory"))
        Memory();
    if (wanted("languages"))
        Languages();
    return 0;
}
