// Import and export of large article lists, timed in one run:
//   parlewind_articles_bench DIR          (writes its files into DIR)
//   parlewind_articles_bench --make-a FILE (only writes list (a), for bench/articles.sh)
#include "BenchSupport.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <vector>

#include <cstdio>

namespace {

const QByteArray S = "||||||Parlewind MP3 Start of Article||||||\r\n";
const QByteArray E = "||||||Parlewind MP3 End of Article||||||\r\n";

QByteArray Words(qsizetype chars, bool paragraphs, int seed)
{
    static const char *words[] = {"speech", "reader", "article", "voice", "listen", "the", "of", "clipboard",
                                  "highlight", "and", "music", "player", "window", "every", "morning"};
    QByteArray text;
    int i = seed;
    while (text.size() < chars) {
        text += words[i++ % 15];
        text += (paragraphs && i % 60 == 0) ? "\r\n" : " ";
    }
    return text.left(chars);
}

void WriteList(const QString &path, int articles, qsizetype chars, bool paragraphs)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int a = 0; a < articles; ++a) {
        const QByteArray text = Words(chars, paragraphs, a);
        file.write(S + "Article_" + QByteArray::number(a) + "|Mary|" +
                   QByteArray::number(text.count('\n') + 1) + "\r\n" + text + "\r\n" + E);
    }
}

// Median and slowest time of typing `keys` letters at the end of the editor's text.
std::pair<double, double> TypingMs(QApplication &app, QPlainTextEdit *editor, int keys)
{
    editor->moveCursor(QTextCursor::End);
    editor->setFocus();
    app.processEvents();
    std::vector<double> ms;
    for (int k = 0; k < keys; ++k) {
        const QString letter(QChar(u'a' + k % 26));
        QElapsedTimer t;
        t.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + k % 26, Qt::NoModifier, letter);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A + k % 26, Qt::NoModifier, letter);
        QApplication::sendEvent(editor, &press);
        QApplication::sendEvent(editor, &release);
        app.processEvents();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

// Typing into a shown 1 MB article, with the edits arming the save two seconds
// later as the main window does, against a bare text box holding the same text.
void Typing(QApplication &app, const QString &dir)
{
    std::printf("\n%-40s %10s %10s %10s\n", "typing 300 letters (1 MB article)", "median ms", "max ms", "vs bare");
    for (const bool paragraphs : {true, false}) {
        const QString text = QString::fromLatin1(Words(1000000, paragraphs, 0));
        QPlainTextEdit bare;
        bare.resize(640, 300);
        bare.setPlainText(text);
        bare.show();
        const auto [bareMedian, bareMax] = TypingMs(app, &bare, 300);
        bare.hide();

        TMemoListBox list;
        list.resize(640, 330);
        list.List().ListMode = 1;
        list.show();
        QTimer save;
        save.setSingleShot(true);
        save.setInterval(2000);
        QObject::connect(&list.List(), &TArticleList::EntryEdited, &save, [&save] { save.start(); });
        TMemoEntry *entry = list.List().Add(text, QStringLiteral("Mary"));
        app.processEvents();
        const auto [median, max] = TypingMs(app, entry->View()->TextBox, 300);
        std::printf("%-40s %10.3f %10.3f %9.2fx   (bare: %.3f / %.3f)\n",
                    paragraphs ? "  in paragraphs" : "  one paragraph", median, max, median / bareMedian,
                    bareMedian, bareMax);
        QElapsedTimer t;
        t.start();
        list.List().ExportList(dir + QStringLiteral("/typed.txt"));
        std::printf("%-40s %10lld ms\n", "  the save that follows", t.elapsed());
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && QByteArray(argv[1]) == "--make-a") {
        WriteList(QString::fromLocal8Bit(argv[2]), 1000, 5000, true);
        return 0;
    }
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    struct Case
    {
        const char *name;
        int articles;
        qsizetype chars;
        bool paragraphs;
    } cases[] = {{"a: 1,000 x 5,000 chars in paragraphs", 1000, 5000, true},
                 {"b: 100 x 200,000 chars, one paragraph", 100, 200000, false},
                 {"c: 10,000 one-line articles", 10000, 60, false}};
    std::printf("%-40s %10s %10s %10s\n", "case", "import ms", "export ms", "RSS MB");
    for (const Case &c : cases) {
        const QString in = dir + QStringLiteral("/in.txt");
        const QString out = dir + QStringLiteral("/out.txt");
        WriteList(in, c.articles, c.chars, c.paragraphs);
        const long before = StatusKb("VmRSS:");
        TMemoListBox list;
        list.resize(640, 330);
        list.List().ListMode = 1;
        list.SetVisibleEntries(3);
        list.show();
        QElapsedTimer t;
        t.start();
        list.List().ImportList(in);
        app.processEvents();
        const qint64 importMs = t.elapsed();
        t.restart();
        list.List().ExportList(out);
        const qint64 exportMs = t.elapsed();
        std::printf("%-40s %10lld %10lld %10.1f   (%d articles)\n", c.name, importMs, exportMs,
                    (StatusKb("VmRSS:") - before) / 1024.0, list.Count());
    }
    Typing(app, dir);
    return 0;
}
