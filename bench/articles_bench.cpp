// Import and export of large article lists, timed in one run:
//   parlewind_articles_bench DIR          (writes its files into DIR)
//   parlewind_articles_bench --make-a FILE (only writes list (a), for bench/articles.sh)
#include "BenchSupport.h"
#include "articles/MemoListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

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
        list.ListMode = 1;
        list.SetVisibleEntries(3);
        list.show();
        QElapsedTimer t;
        t.start();
        list.ImportList(in, {}, {}, {});
        app.processEvents();
        const qint64 importMs = t.elapsed();
        t.restart();
        list.ExportList(out);
        const qint64 exportMs = t.elapsed();
        std::printf("%-40s %10lld %10lld %10.1f   (%d articles)\n", c.name, importMs, exportMs,
                    (StatusKb("VmRSS:") - before) / 1024.0, list.Count());
    }
    return 0;
}
