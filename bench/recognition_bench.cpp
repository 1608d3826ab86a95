// Text recognition as "Open" does it, in the confined reading process:
//   recognition_bench scan.pdf expected.txt   a scan against the text it was printed from
//   recognition_bench --screenshot out.png    a text window's screenshot, then the same
// Prints the pages, the time, the reading process's peak memory and the character
// error rate (edits to make the recognised text the expected one, per character).
#include "documents/DocumentProcess.h"
#include "support/ErrorRate.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>

namespace {

// A text window as the desktop shows it, at the default font and scale.
QString Screenshot(const QString &path)
{
    const QString text = QStringLiteral(
        "Dear neighbours, the street will be closed for repairs from Monday the 14th until Friday the 18th. "
        "Cars parked on the north side must be moved by seven in the morning; the bins will be collected from "
        "the corner instead of your door. We are sorry for the noise and thank you for your patience.\n\n"
        "Questions about the work can be sent to the town office, which is open every weekday between nine "
        "and four. The bus stop outside the bakery moves to the far end of the square for the whole week.");
    QPlainTextEdit window;
    window.setPlainText(text);
    window.resize(760, 300);
    window.show();
    QApplication::processEvents();
    window.grab().save(path);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: %s scan expected.txt | --screenshot out.png\n", argv[0]);
        return 2;
    }
    QString path = args[1], expected;
    if (path == QLatin1String("--screenshot")) {
        path = args[2];
        expected = Screenshot(path);
    } else {
        QFile file(args[2]);
        if (!file.open(QIODevice::ReadOnly))
            return 2;
        expected = QString::fromUtf8(file.readAll());
    }
    TDocumentProcess reading;
    int pages = 0;
    QObject::connect(&reading, &TDocumentProcess::Recognising, [&](int, int total) { pages = total; });
    reading.SetLanguage(QStringLiteral("en"));
    QElapsedTimer clock;
    clock.start();
    reading.Start(path);
    if (reading.Wait() != TDocumentProcess::TResult::Read) {
        std::fprintf(stderr, "%s\n", qPrintable(reading.Error()));
        return 1;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::printf("pages %d  time %.2f s  per page %.2f s  peak %.0f MB  character errors %.2f %%\n", pages, seconds,
                seconds / std::max(pages, 1), usage.ru_maxrss / 1024.0,
                100 * CharacterErrorRate(expected, reading.Document().Text()));
    if (!reading.Document().Note.isEmpty())
        std::printf("note: %s\n", qPrintable(reading.Document().Note));
    if (qEnvironmentVariableIsSet("SHOW_TEXT"))
        std::printf("%s\n", qPrintable(reading.Document().Text()));
    return 0;
}
