// The reading, timed through the main window as a user drives it:
//   parlewind_reading_bench latency          "Aloud" on a 1 MB article until its first
//                                            sound reaches the sound server (median of 7),
//                                            and the UI thread's load while it is read
//   parlewind_reading_bench files mp3|wav single|multiple DIR TEXT...
//                                            the texts as articles (titled after their
//                                            files) read to MP3 or WAV, one file for all or
//                                            one each, in DIR; prints seconds and peak memory
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "app/Form1.h"
#include "articles/MemoListBox.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

QString Words(int count, int seed, bool paragraphs = true)
{
    static const char *words[] = {"reading", "articles", "aloud", "with", "a", "calm", "voice", "makes", "the",
                                  "morning", "news", "easy", "to", "follow", "while", "walking", "outside"};
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QLatin1String(words[(i * 7 + seed) % 17]);
        text += (paragraphs && i % 60 == 59) ? QStringLiteral(".\n") : (i % 15 == 14) ? QStringLiteral(". ") : QStringLiteral(" ");
    }
    return text;
}

// User and system time of this (the UI) thread, in seconds.
double ThreadCpu()
{
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(gettid()));
    stat.open(QIODevice::ReadOnly);
    const QByteArray line = stat.readAll();
    const QList<QByteArray> f = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (f.value(11).toDouble() + f.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}


int Latency(bool paragraphs)
{
    QString text;
    while (text.size() < 1024 * 1024)
        text += Words(2000, int(text.size()), paragraphs);
    std::printf("-- a 1 MB article %s\n", paragraphs ? "in paragraphs of 60 words" : "in one paragraph");
    Program p;
    if (!p.form.Core().Initialized())
        return 1;
    p.form.Core().AddMemo(text, QStringLiteral("Mary"));
    bool started = false;
    p.voices.TTS1->OnAudioStart = [&](TTTS *, quint64) { started = true; };
    std::vector<double> ms;
    double first = 0;
    double load = 0;
    for (int run = 0; run < 8; ++run) {
        started = false;
        QElapsedTimer clock;
        clock.start();
        p.form.Core().ReadAloud();
        Pump([&] { return started; }, 5000);
        const double elapsed = clock.nsecsElapsed() / 1e6;
        // The very first reading with a voice also learns the voice's ranges.
        if (run == 0)
            first = elapsed;
        else
            ms.push_back(elapsed);
        if (run == 1) {
            // The UI thread's share of one core while the words are highlighted.
            const double cpu0 = ThreadCpu();
            QElapsedTimer wall;
            wall.start();
            // A real event loop: the benchmark itself must not spin.
            QEventLoop loop;
            QTimer::singleShot(10000, &loop, &QEventLoop::quit);
            loop.exec();
            load = (ThreadCpu() - cpu0) / (wall.nsecsElapsed() / 1e9);
        }
        p.form.Core().Stop();
        Pump([] { return false; }, 100);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("Aloud on a 1 MB article to its first sound at the sound server: %.1f ms median of %zu "
                "(min %.1f, max %.1f; target <= 50 ms); the first reading of the run, which also "
                "learns the voice's ranges: %.1f ms\n",
                ms[ms.size() / 2], ms.size(), ms.front(), ms.back(), first);
    std::printf("UI thread while reading and highlighting it: %.1f%% of one core (target <= 20%%)\n", load * 100);
    return 0;
}

int Files(bool mp3, bool single, const QString &dir, const QStringList &texts)
{
    Program p;
    if (!p.form.Core().Initialized())
        return 1;
    p.form.Core().SwitchMode(1);
    p.form.Core().Prefs().OUT_Directory = dir;
    p.form.Core().Prefs().OUT_FileFormat = mp3 ? 1 : 0;
    p.form.Core().Prefs().OUT_FileDest = single ? rtSingleFile : rtMultipleFiles;
    p.form.Core().Articles().DeleteAll();
    for (const QString &path : texts) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        p.form.Core().AddMemo(QString::fromUtf8(file.readAll()), QStringLiteral("Mary"))
            ->SetTitle(QFileInfo(path).completeBaseName());
    }
    const long before = StatusKb("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    p.form.Core().ReadToFile();
    Pump([&] { return p.form.Core().State() == rsIdle; }, 30 * 60 * 1000);
    const double seconds = clock.nsecsElapsed() / 1e9;
    for (const auto &shown : Messages::TakeRecorded())
        std::fprintf(stderr, "shown: %s\n", qPrintable(shown.text));
    std::printf("%.2f %ld %ld\n", seconds, StatusKb("VmHWM:") / 1024, before / 1024);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Nothing may wait for a click; whatever would have been shown is printed.
    Messages::SetRecording(true);
    DetectSpeechSupport();
    const QByteArray what = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (what == "latency")
        return Latency(true) + Latency(false);
    if (what == "latency-one-paragraph")
        return Latency(false);
    if (what == "files" && argc > 5) {
        QStringList texts;
        for (int k = 5; k < argc; ++k)
            texts << QString::fromLocal8Bit(argv[k]);
        return Files(QByteArray(argv[2]) == "mp3", QByteArray(argv[3]) == "single", QString::fromLocal8Bit(argv[4]), texts);
    }
    std::fprintf(stderr, "usage: %s latency | files mp3|wav single|multiple DIR TEXT...\n", argv[0]);
    return 2;
}
