// Opening documents into articles in the real window:
//   a 1 MB EPUB of 30 chapters in multi-article mode (target < 500 ms) and a
//   300-page PDF (target < 2 s), a 1 MB HTML page and a 1 MB web page's main text
//   (target < 300 ms), with the memory they take above the idle program
//   (target < 2× the text's size).
#include "BenchProgram.h"
#include "BenchSupport.h"
#include "articles/MemoListBox.h"
#include "documents/DocumentProcess.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <cstdio>

#include <malloc.h>

namespace {

QStringList Vocabulary()
{
    QStringList words;
    for (const QFileInfo &licence : QDir(QStringLiteral("/usr/share/common-licenses")).entryInfoList(QDir::Files))
    {
        QFile file(licence.filePath());
        file.open(QIODevice::ReadOnly);
        words << QString::fromUtf8(file.readAll()).split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    }
    words.removeDuplicates();
    return words;
}

// Sentences of words drawn at random, so that the book does not pack to nothing.
QString Prose(const QStringList &words, qsizetype chars, QRandomGenerator &random)
{
    QString text;
    while (text.size() < chars) {
        for (int k = 0; k < 12; ++k)
            text += words.at(int(random.bounded(quint32(words.size())))) + QLatin1Char(' ');
        text += QStringLiteral(".\n");
    }
    return text;
}

void AddEntry(QuaZip &zip, const QString &name, const QByteArray &bytes)
{
    QuaZipFile file(&zip);
    file.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
    file.write(bytes);
}

// 30 chapters, as big as it takes for the file to be 1 MB. Returns the text's size.
qsizetype MakeEpub(const QString &path)
{
    QRandomGenerator random(7);
    const QStringList words = Vocabulary();
    for (qsizetype perChapter = 20000;; perChapter += 10000) {
        QFile::remove(path);
        QuaZip zip(path);
        zip.open(QuaZip::mdCreate);
        AddEntry(zip, QStringLiteral("mimetype"), "application/epub+zip");
        AddEntry(zip, QStringLiteral("META-INF/container.xml"),
                 "<container><rootfiles><rootfile full-path='OEBPS/book.opf'/></rootfiles></container>");
        QByteArray manifest;
        QByteArray spine;
        qsizetype text = 0;
        for (int k = 1; k <= 30; ++k) {
            const QString chapter = Prose(words, perChapter, random);
            text += chapter.size();
            QByteArray body = "<html><body><h1>Chapter " + QByteArray::number(k) + "</h1>";
            for (const QString &paragraph : chapter.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
                body += "<p>" + paragraph.toHtmlEscaped().toUtf8() + "</p>";
            AddEntry(zip, QStringLiteral("OEBPS/c%1.xhtml").arg(k), body + "</body></html>");
            manifest += "<item id='c" + QByteArray::number(k) + "' href='c" + QByteArray::number(k) + ".xhtml'/>";
            spine += "<itemref idref='c" + QByteArray::number(k) + "'/>";
        }
        AddEntry(zip, QStringLiteral("OEBPS/book.opf"),
                 "<package><metadata><dc:title xmlns:dc='d'>Big Book</dc:title></metadata><manifest>" + manifest +
                     "</manifest><spine>" + spine + "</spine></package>");
        zip.close();
        if (QFileInfo(path).size() >= 1024 * 1024)
            return text;
    }
}

// Pages of a book (paragraphs of a few sentences, the lines broken where the
// words fill the width), or pages where every line is a sentence of its own: as
// many paragraphs as a page can have.
qsizetype MakePdf(const QString &path, int pages, bool book)
{
    QRandomGenerator random(book ? 11 : 9);
    const QStringList words = Vocabulary();
    QPdfWriter writer(path);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QRectF column = painter.viewport().adjusted(600, 600, -600, -600);
    const int flags = book ? Qt::TextWordWrap : Qt::TextSingleLine;
    qsizetype text = 0;
    qreal y = column.top();
    for (int page = 1;;) {
        const QString paragraph =
            Prose(words, book ? 300 + int(random.bounded(900)) : 1, random).replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
        const QRectF box = painter.boundingRect(QRectF(column.left(), y, column.width(), column.height()), flags, paragraph);
        if (box.bottom() > column.bottom()) {
            if (page == pages)
                return text;
            writer.newPage();
            ++page;
            y = column.top();
            continue;
        }
        painter.drawText(box, flags, paragraph);
        text += paragraph.size() + 1;
        y = box.bottom() + (book ? 100 : 40);
    }
}

// A 1 MB page of sections, lists, tables and code, as a manual's one-page HTML is.
// Returns the text's size.
qsizetype MakeHtml(const QString &path)
{
    QByteArray html = "<!DOCTYPE html><html><head><meta charset='utf-8'><title>Manual</title>"
                      "<style>p { margin: 1em }</style></head><body>";
    qsizetype text = 0;
    for (int k = 0; html.size() < 1024 * 1024; ++k) {
        const QByteArray words = "Run <code>tool --option " + QByteArray::number(k) +
                                 "</code> to see what the <em>section</em> describes, then read on. ";
        // A section of about 10 kB, as a manual's are.
        const QByteArray block = "<p>" + words.repeated(4) + "</p><ul><li>" + words + "</li><li>" + words +
                                 "</li></ul><table><tr><td>a</td><td>b</td></tr></table><pre>x = 1\ny = 2</pre>";
        html += "<h2>Section " + QByteArray::number(k) + "</h2>" + block.repeated(12);
        text += 12 * 6 * words.size() / 2;
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html + "</body></html>");
    return text;
}

// A 1 MB news page: menus, a cookie notice, a long article, a sidebar and many
// comments, as a web page is. Returns the size of its article's text.
qsizetype MakeWebPage(const QString &path)
{
    QRandomGenerator random(5);
    const QStringList words = Vocabulary();
    QByteArray html = "<!DOCTYPE html><html><head><meta charset='utf-8'><title>A long story | Big News</title></head><body>"
                      "<div class='cookie-banner'><p>We use cookies. Accept all?</p></div><header><nav><ul>";
    for (int k = 0; k < 40; ++k)
        html += "<li><a href='/s" + QByteArray::number(k) + "'>Section " + QByteArray::number(k) + "</a></li>";
    html += "</ul></nav></header><main><article><h1>A long story</h1><p class='byline'>By A. Writer</p><div class='article-body'>";
    qsizetype text = 0;
    while (html.size() < 600 * 1024) {
        const QString paragraph = Prose(words, 400, random).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += paragraph.size();
        html += "<p>" + paragraph.toHtmlEscaped().toUtf8() + "</p>";
    }
    html += "</div></article><aside class='sidebar'><ul>";
    for (int k = 0; k < 200; ++k)
        html += "<li><a href='/r" + QByteArray::number(k) + "'>" + Prose(words, 40, random).toHtmlEscaped().toUtf8() + "</a></li>";
    html += "</ul></aside><section id='comments'>";
    while (html.size() < 1024 * 1024)
        html += "<div class='comment'><p class='author'>reader</p><p>" + Prose(words, 200, random).toHtmlEscaped().toUtf8() +
                "</p></div>";
    html += "</section></main><footer><p>Big News</p></footer></body></html>";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html);
    return text;
}

void Open(Program &p, const QString &file, const char *what, qsizetype textChars, int targetMs)
{
    // Heap the allocator keeps after it was freed is not the program's: given back first.
    malloc_trim(0);
    const long idleKb = StatusKb("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    p.form.OpenFiles({file});
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();
    malloc_trim(0);
    const long kb = StatusKb("VmRSS:") - idleKb;
    const double textKb = double(textChars) * 2 / 1024; // as the program holds it
    if (targetMs == 0) {
        std::printf("%s: %.0f ms, %ld kB more memory: the PDF library's code and tables, once\n", what, ms, kb);
        return;
    }
    std::printf("%s: %.0f ms (target < %d ms), %d articles in the list, %ld kB more memory for %.0f kB of text: %.2f× (target < 2)\n",
                what, ms, targetMs, p.form.Core().Articles().Count(), kb, textKb, double(kb) / textKb);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString epub = dir.filePath(QStringLiteral("big.epub"));
    const QString pdf = dir.filePath(QStringLiteral("big.pdf"));
    const qsizetype epubText = MakeEpub(epub);
    const qsizetype pdfText = MakePdf(pdf, 300, true);
    const QString lines = dir.filePath(QStringLiteral("lines.pdf"));
    const qsizetype linesText = MakePdf(lines, 300, false);
    std::printf("made: a %.2f MB EPUB of 30 chapters (%.1f MB of text), a 300-page PDF of %.1f MB (%.1f MB of text)\n",
                QFileInfo(epub).size() / 1048576.0, epubText / 1048576.0, QFileInfo(pdf).size() / 1048576.0,
                pdfText / 1048576.0);
    Program p;
    if (!p.form.Core().Initialized())
        return 1;
    p.form.Core().SwitchMode(1); // multi-article mode
    Open(p, epub, "EPUB of 30 chapters into multi-article mode", epubText, 500);
    // The PDF library's tables stay for the process once loaded, whatever the
    // document: what a one-page PDF takes first is that.
    const QString page = dir.filePath(QStringLiteral("page.pdf"));
    Open(p, page, "first PDF, of one page", MakePdf(page, 1, false), 0);
    Open(p, pdf, "300-page PDF of a book", pdfText, 2000);
    Open(p, lines, "300-page PDF, every line a paragraph", linesText, 2000);
    const QString html = dir.filePath(QStringLiteral("manual.html"));
    Open(p, html, "1 MB HTML page", MakeHtml(html), 300);
    const QString web = dir.filePath(QStringLiteral("news.html"));
    const qsizetype webText = MakeWebPage(web);
    // The reading alone, in its child process, as a converter of the page would.
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        TDocumentProcess reading;
        reading.Start(web);
        reading.Wait();
        std::printf("1 MB web page, its main text read apart: %.0f ms (target < 300 ms), %lld characters kept\n",
                    double(clock.nsecsElapsed()) / 1e6, qlonglong(reading.Document().Text().size()));
    }
    Open(p, web, "1 MB web page, its main text, into the window", webText, 300);
    return 0;
}
