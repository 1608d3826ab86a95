// A megabyte of text copied by another program (xclip) until it is a shown article
// of the main window, prompt off, median of 7; the longest the UI thread was busy
// meanwhile; and, side by side, the same text set into a bare text box.
//   parlewind_clipboard_bench          (needs an X display and a sound server)
#include "BenchSupport.h"
#include "app/Form1.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    DetectSpeechSupport();
    TProgramCore core;
    core.Load();
    TTTSForm voices(core.Prefs());
    core.SetVoiceManager(&voices);
    TForm1 form(core, {});
    form.Core().Prefs().FirstTimeUser = false;
    form.Core().Prefs().CB_Prompt = false;
    form.Core().Prefs().CB_Monitor = true;
    form.show();
    if (!form.Core().Initialized())
        return 1;
    form.Core().SwitchMode(1); // multi-article mode: every copy is an article of its own
    form.MonitorCBClick(true);

    // The longest gap between ticks of a 5 ms timer: how long the window was deaf.
    QElapsedTimer tick;
    qint64 longest = 0;
    QTimer watch;
    watch.callOnTimeout([&] {
        longest = std::max(longest, tick.restart());
    });

    std::vector<double> ours, bare;
    std::vector<qint64> deaf;
    for (int run = 0; run < 7; ++run) {
        QString text;
        // Paragraphs of about sixty words, as an article or a web page is copied.
        for (int i = 0; text.size() < 1024 * 1024; ++i)
            text += QStringLiteral("Run %1: a megabyte of text copied in another program.").arg(run) +
                    (i % 6 == 5 ? QStringLiteral("\n") : QStringLiteral(" "));
        const QByteArray bytes = text.toUtf8();
        const int before = form.Core().Articles().Count();
        tick.start();
        longest = 0;
        watch.start(5);
        QElapsedTimer t;
        t.start();
        QProcess xclip;
        xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-i")});
        xclip.waitForStarted();
        xclip.write(bytes);
        xclip.closeWriteChannel();
        const bool shown = Pump(
            [&] {
                if (form.Core().Articles().Count() < 1)
                    return false;
                TMemoEntry *entry = form.Core().Articles().EntryAt(form.Core().Articles().Count());
                return entry->View() && entry->View()->TextBox->document()->characterCount() > text.size() &&
                       entry->View()->TextBox->document()->firstBlock().text().startsWith(text.left(8));
            },
            10000);
        QCoreApplication::processEvents(); // painted
        ours.push_back(t.nsecsElapsed() / 1e6);
        watch.stop();
        deaf.push_back(longest);
        xclip.waitForFinished();
        if (!shown) {
            std::printf("run %d: the article did not appear (%d articles, %d before; status %s)\n", run,
                        form.Core().Articles().Count(), before, qPrintable(form.StatusPanel0->text()));
            return 1;
        }
        QPlainTextEdit box;
        box.resize(640, 300);
        box.show();
        QElapsedTimer b;
        b.start();
        box.setPlainText(text);
        QCoreApplication::processEvents();
        bare.push_back(b.nsecsElapsed() / 1e6);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(bare.begin(), bare.end());
    std::sort(deaf.begin(), deaf.end());
    std::printf("1 MB copied by another program to a shown article: median %.1f ms (target <= 200 ms), slowest %.1f ms\n",
                ours[3], ours.back());
    std::printf("the same text set into a bare text box: median %.1f ms; ratio %.2f\n", bare[3], ours[3] / bare[3]);
    std::printf("longest the window did not answer meanwhile: median %lld ms, worst %lld ms\n", deaf[3], deaf.back());
    return 0;
}
