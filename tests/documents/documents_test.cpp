#include "documents/Document.h"
#include "documents/DocumentProcess.h"
#include "documents/Html.h"
#include "support/DocumentSamples.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

// Documents of every kind, made here from our own text, read as a user opens them.
namespace {

using namespace DocumentSamples;

struct Expected
{
    QString title;
    QStringList chapterTitles;
    QStringList texts; // each in the chapter of the same place
};

TEST(DocumentsTest, EveryKindGivesItsTextTitleAndChaptersWithoutMarkup)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        Expected expected;
    } cases[]{
        {"page.html",
         "<html><head><title>Weather &amp; News</title><style>h1 { font-size: 9pt }</style>"
         "<script>document.write('no')</script></head><body><h1>Today</h1><p>Sunny <b>and</b> warm.</p>"
         "<h1>Tomorrow</h1><ul><li>Rain</li><li>Wind</li></ul></body></html>",
         {"Weather & News", {"Today", "Tomorrow"}, {"Today\nSunny and warm.", "Tomorrow\nRain\nWind"}}},
        // A heading with nothing under it opens the next chapter.
        {"notes.md", "# Notes\n\n# First\n\nSome *emphasis* and `code`.\n\n# Second\n\n- one\n- two\n",
         {"", {"First", "Second"}, {"Notes\nFirst\nSome emphasis and code.", "Second\none\ntwo"}}},
        // Its fonts are obfuscated, as many shops do: that is no reason to refuse it.
        {"book.epub", Epub("It was a bright cold day.", "<encryption><CipherReference URI='OEBPS/fonts/a.otf'/></encryption>"),
         {"The Clock Book", {"Chapter One", "Chapter Two"},
          {"Chapter One\nIt was a bright cold day.", "Chapter Two\nThe clocks were striking thirteen."}}},
        {"letter.odt",
         Zip({{"mimetype", "application/vnd.oasis.opendocument.text"},
              {"meta.xml", "<office:document-meta xmlns:office='o' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
                           "<office:meta><dc:title>A Letter</dc:title></office:meta></office:document-meta>"},
              {"content.xml", "<office:document-content xmlns:office='o' xmlns:text='t'><office:body><office:text>"
                              "<text:h text:outline-level='1'>Part A</text:h><text:p>Dear<text:s text:c='2'/>friend,"
                              "<office:annotation><text:p>a comment</text:p></office:annotation></text:p>"
                              "<text:h text:outline-level='1'>Part B</text:h><text:list><text:list-item>"
                              "<text:p>Yours</text:p></text:list-item></text:list>"
                              "</office:text></office:body></office:document-content>"}}),
         {"A Letter", {"Part A", "Part B"}, {"Part A\nDear  friend,", "Part B\nYours"}}},
        {"memo.docx",
         Zip({{"[Content_Types].xml", "<Types/>"},
              {"docProps/core.xml", "<cp:coreProperties xmlns:cp='c' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
                                    "<dc:title>The Memo</dc:title></cp:coreProperties>"},
              {"word/document.xml",
               "<w:document xmlns:w='w'><w:body>"
               "<w:p><w:pPr><w:pStyle w:val='Heading1'/></w:pPr><w:r><w:t>Intro</w:t></w:r></w:p>"
               "<w:p><w:r><w:t xml:space='preserve'>Hello </w:t></w:r><w:r><w:t>world</w:t><w:tab/><w:t>again</w:t></w:r>"
               "<w:r><w:instrText>PAGE</w:instrText></w:r></w:p>"
               "<w:p><w:pPr><w:pStyle w:val='Heading1'/></w:pPr><w:r><w:t>End</w:t></w:r></w:p>"
               "<w:p><w:r><w:t>Bye</w:t></w:r></w:p></w:body></w:document>"}}),
         {"The Memo", {"Intro", "End"}, {"Intro\nHello world\tagain", "End\nBye"}}},
        {"report.pdf", Pdf(true),
         {"A Printed Report", {"Weather on Friday", "Outlook"},
          {"Weather on Friday\nThe report gives information about the weather. It rained on Friday.\n"
           "Tomorrow will be dry.\nSunday brings snow.",
           "Outlook\nWarm days ahead, and the winter will be mild, finally.\n"
           "\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD\n\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645"}}},
    };
    for (const auto &c : cases) {
        TDocument document;
        QString error;
        ASSERT_TRUE(DocumentReader::ReadBytes(c.bytes, QLatin1String(c.name), &document, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(document.Title, c.expected.title) << c.name;
        QStringList titles;
        for (const auto &chapter : document.Chapters)
            titles << chapter.Title;
        EXPECT_EQ(titles, c.expected.chapterTitles) << c.name;
        for (int k = 0; k < c.expected.texts.size() && k < int(document.Chapters.size()); ++k)
            EXPECT_TRUE(document.Chapters[size_t(k)].Text.contains(c.expected.texts[k]))
                << c.name << ": [" << document.Chapters[size_t(k)].Text.toStdString() << "]";
        for (const char *markup : {"<", "color", "document.write", "hidden", "a comment", "PAGE", "*", "`"})
            EXPECT_FALSE(document.Text().contains(QLatin1String(markup))) << c.name << " keeps " << markup;
    }
}

// Parts in another language than the document's, as each kind of document names
// them; read here and through the reading process, as the program opens files.
TEST(DocumentsTest, PartsInOtherLanguagesAreKeptWithTheirPlacesInTheText)
{
    using Parts = QList<std::pair<QString, QString>>;
    const Parts expected{{"Guten Tag, wie geht es dir?", "de-DE"}, {"Merci beaucoup", "fr-CA"}};
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[]{
        {"page.html",
         "<html lang='en'><body><p>She said: <span lang='de-DE'>Guten Tag, wie geht es dir?</span> and left.</p>"
         "<p lang='fr-CA'>Merci beaucoup</p><p>Back <span lang='EN'>in English</span> again.</p></body></html>"},
        {"book.epub", Epub("She said: <span xml:lang='de-DE'>Guten Tag, wie geht es dir?</span> and left.</p>"
                           "<p lang='fr_CA'>Merci beaucoup</p><p lang='en'>Back in English again.")},
        {"letter.odt",
         Zip({{"mimetype", "application/vnd.oasis.opendocument.text"},
              {"styles.xml", "<office:document-styles xmlns:office='o' xmlns:style='s' xmlns:fo='f'><office:styles>"
                             "<style:default-style style:family='paragraph'><style:text-properties fo:language='en' fo:country='US'/>"
                             "</style:default-style><style:style style:name='French' style:family='paragraph'>"
                             "<style:text-properties fo:language='fr' fo:country='CA'/></style:style></office:styles></office:document-styles>"},
              {"content.xml", "<office:document-content xmlns:office='o' xmlns:text='t' xmlns:style='s' xmlns:fo='f'>"
                              "<office:automatic-styles><style:style style:name='T1' style:family='text'>"
                              "<style:text-properties fo:language='de' fo:country='DE'/></style:style>"
                              "<style:style style:name='P1' style:family='paragraph' style:parent-style-name='French'/>"
                              "<style:style style:name='T2' style:family='text'><style:text-properties fo:language='en' fo:country='US'/></style:style>"
                              "</office:automatic-styles><office:body><office:text>"
                              "<text:p>She said: <text:span text:style-name='T1'>Guten Tag, wie geht es dir?</text:span> and left.</text:p>"
                              "<text:p text:style-name='P1'>Merci beaucoup</text:p>"
                              "<text:p>Back <text:span text:style-name='T2'>in English</text:span> again.</text:p>"
                              "</office:text></office:body></office:document-content>"}})},
        {"memo.docx",
         Zip({{"[Content_Types].xml", "<Types/>"},
              {"word/styles.xml", "<w:styles xmlns:w='w'><w:docDefaults><w:rPrDefault><w:rPr><w:lang w:val='en-US'/>"
                                  "</w:rPr></w:rPrDefault></w:docDefaults></w:styles>"},
              {"word/document.xml",
               "<w:document xmlns:w='w'><w:body>"
               "<w:p><w:r><w:t xml:space='preserve'>She said: </w:t></w:r>"
               "<w:r><w:rPr><w:lang w:val='de-DE'/></w:rPr><w:t xml:space='preserve'>Guten Tag, </w:t></w:r>"
               "<w:r><w:rPr><w:b/><w:lang w:val='de-DE'/></w:rPr><w:t>wie geht es dir?</w:t></w:r>"
               "<w:r><w:t xml:space='preserve'> and left.</w:t></w:r></w:p>"
               "<w:p><w:pPr><w:rPr><w:lang w:val='de-DE'/></w:rPr></w:pPr><w:r><w:rPr><w:lang w:val='fr-CA'/></w:rPr>"
               "<w:t>Merci beaucoup</w:t></w:r></w:p>"
               "<w:p><w:r><w:rPr><w:lang w:val='en-US'/></w:rPr><w:t>Back in English again.</w:t></w:r></w:p>"
               "</w:body></w:document>"}})},
    };
    TempHome home;
    for (const auto &c : cases) {
        TDocument direct;
        QString error;
        ASSERT_TRUE(DocumentReader::ReadBytes(c.bytes, QLatin1String(c.name), &direct, &error)) << c.name << ": " << error.toStdString();
        const QString path = home.Root() + QLatin1Char('/') + QLatin1String(c.name);
        TempHome::WriteFile(path, c.bytes);
        TDocumentProcess process;
        process.Start(path);
        ASSERT_EQ(process.Wait(), TDocumentProcess::TResult::Read) << c.name << ": " << process.Error().toStdString();
        for (const TDocument *document : {static_cast<const TDocument *>(&direct), &process.Document()}) {
            // One article for the whole, as the program makes it of a book read as one.
            const TDocument::TChapter article = DocumentReader::Articles(*document, QStringLiteral("x"), false).front();
            Parts parts;
            for (const TLanguageRange &r : article.Languages)
                parts.append({article.Text.mid(r.Start, r.Length), r.Language});
            EXPECT_EQ(parts, expected) << c.name << ": " << article.Text.toStdString();
            EXPECT_FALSE(article.Text.contains(QChar(0xE000))) << c.name;
            EXPECT_TRUE(article.Text.contains(QStringLiteral("She said: Guten Tag, wie geht es dir? and left."))) << c.name;
        }
    }
}

TEST(DocumentsTest, OpenMakesAnArticleAChapterOrOneForTheWholeAndTitlesEach)
{
    TempHome home;
    const QString book = home.Root() + QStringLiteral("/book.epub");
    const QString notes = home.Root() + QStringLiteral("/notes.txt");
    TempHome::WriteFile(book, Epub());
    TempHome::WriteFile(notes, "Plain words.\r\nMore.\r\n");
    const struct
    {
        QString path;
        bool chapters;
        QStringList titles;
    } cases[]{{book, true, {"Chapter One", "Chapter Two"}},
              {book, false, {"The Clock Book"}},
              {notes, true, {"notes"}}};
    for (const auto &c : cases) {
        TDocument document;
        QString error;
        ASSERT_TRUE(DocumentReader::Read(c.path, &document, &error)) << error.toStdString();
        QStringList titles;
        for (const auto &article : DocumentReader::Articles(document, QFileInfo(c.path).completeBaseName(), c.chapters))
            titles << article.Title;
        EXPECT_EQ(titles, c.titles) << c.path.toStdString();
    }
}

TEST(DocumentsTest, BadDocumentsAreToldByNameAndReason)
{
    TempHome home;
    const QString huge = home.Root() + QStringLiteral("/huge.pdf");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(65 * 1024 * 1024));
    }
    TDocument document;
    QString error;
    EXPECT_FALSE(DocumentReader::Read(huge, &document, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("huge.pdf is too large"))) << error.toStdString();

    // A zip whose entry declares fewer bytes than it holds (its local and central
    // headers both say 100).
    QByteArray shrunk = Zip({{"content.xml", "<office:document-content><p>" + QByteArray(3000, 'a') + "</p></office:document-content>"}});
    for (const auto &[signature, at] : {std::pair{"PK\x03\x04", 22}, std::pair{"PK\x01\x02", 24}}) {
        const qsizetype header = shrunk.indexOf(signature);
        ASSERT_GE(header, 0);
        qToLittleEndian<quint32>(100, shrunk.data() + header + at);
    }
    // One part of 70 MB, some 70 kB zipped (an e-book's chapter is a few hundred kB).
    const QByteArray swollen = Zip({{"content.xml", QByteArray(70 * 1024 * 1024, ' ')}});
    const struct
    {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[]{
        {"swollen.odt", swollen, "content.xml would unpack to more than 64 MB"},
        {"torn.epub", Epub().left(300), "is damaged"},
        {"shrunk.odt", shrunk, "does not match its checksum"},
        {"garbage.docx", QByteArray(5000, 'x'), "is damaged"},
        {"bomb.epub", Zip({{"META-INF/container.xml", QByteArray(300 * 1024 * 1024, ' ')}}), "more than 256 MB"},
        {"locked.odt", Zip({{"content.xml", "<x/>", "secret"}}), "is encrypted"},
        {"shop.epub",
         Epub("Text.", "<encryption><EncryptedData><CipherData><CipherReference URI='OEBPS/fonts/a.otf'/></CipherData>"
                       "</EncryptedData><EncryptedData><CipherData><CipherReference URI='OEBPS/text/two%20b.xhtml'/>"
                       "</CipherData></EncryptedData></encryption>"),
         "is protected against copying"},
        {"broken.odt", Zip({{"content.xml", "<a><b></a>"}}), "is damaged (content.xml"},
        // 4,000 characters a reference, 100,000 references: 400 MB of text from a few hundred bytes zipped.
        {"entities.docx",
         Zip({{"word/document.xml", "<?xml version='1.0'?><!DOCTYPE d [<!ENTITY a '" + QByteArray(4000, 'x') +
                                        "'>]><w:document xmlns:w='w'><w:body><w:p><w:r><w:t>" + QByteArray("&a;").repeated(100000) +
                                        "</w:t></w:r></w:p></w:body></w:document>"}}),
         "declares entities of its own"},
        {"nospine.epub", Zip({{"META-INF/container.xml", "<container/>"}}), "names no package file"},
        {"scan.pdf", Pdf(false), "holds no text that could be recognised"},
        {"torn.pdf", Pdf(true).left(200), "is damaged"},
        {"empty.html", "<html><body><script>x()</script></body></html>", "holds no text"},
    };
    for (const auto &c : cases) {
        EXPECT_FALSE(DocumentReader::ReadBytes(c.bytes, QLatin1String(c.name), &document, &error)) << c.name;
        EXPECT_TRUE(error.startsWith(QLatin1String(c.name)) && error.contains(QLatin1String(c.reason)))
            << c.name << ": " << error.toStdString();
        EXPECT_TRUE(document.Chapters.empty()) << c.name;
    }
}

// A file from anywhere is read by a child process with limits of its own: whatever
// the file does, this process gets its text or a reason naming it, soon.
TEST(DocumentsTest, HostileFilesCostNoMoreThanTheirReaderIsAllowed)
{
    TempHome home;
    const QString pipe = home.Root() + QStringLiteral("/pipe.txt");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const TDocumentProcess::TLimits saved = TDocumentProcess::Limits();
    const auto restore = qScopeGuard([&saved] { TDocumentProcess::SetLimits(saved); });
    const struct
    {
        const char *name;
        QByteArray bytes; // none: the pipe
        int megabytes;    // of memory allowed
        const char *expected; // in the text read, else in the reason
    } cases[]{
        // Nothing a page names is loaded: neither an endless file nor a pipe that never answers.
        {"styled.html",
         "<html><head><link rel=stylesheet href='/dev/zero'><link rel=stylesheet href='" + pipe.toUtf8() +
             "'><style>@import url(/dev/zero);</style></head><body><img src='/dev/zero'><p>Only this.</p></body></html>",
         1024, "Only this."},
        {"deep.html", "<html><body>" + QByteArray("<div>").repeated(100000) + "Deep down." + QByteArray("</div>").repeated(100000),
         1024, "Deep down."},
        {"book.epub", Epub(), 1024, "The clocks were striking thirteen."},
        {"stacked.pdf", StackedPdf(), 1024, "took too long to read"},
        {"pipe.txt", {}, 1024, "is not a file that can be read"},
#if !defined(__SANITIZE_ADDRESS__) // which takes the whole address space for itself
        {"long.html", "<html><body>" + QByteArray("<p>word word word</p>\n").repeated(500000), 100,
         "needs more than 100 MB of memory"},
#endif
    };
    for (const auto &c : cases) {
        const QString path = home.Root() + QLatin1Char('/') + QLatin1String(c.name);
        if (!c.bytes.isEmpty())
            TempHome::WriteFile(path, c.bytes);
        TDocumentProcess::SetLimits({qint64(c.megabytes) << 20, 30, 2});
        QElapsedTimer clock;
        clock.start();
        TDocumentProcess reading;
        reading.Start(path);
        const bool read = reading.Wait() == TDocumentProcess::TResult::Read;
        EXPECT_LT(clock.elapsed(), 4000) << c.name;
        EXPECT_TRUE(read ? reading.Document().Text().contains(QLatin1String(c.expected))
                         : reading.Error().startsWith(path) && reading.Error().contains(QLatin1String(c.expected)))
            << c.name << ": " << (read ? reading.Document().Text().left(200) : reading.Error()).toStdString();
        EXPECT_LT(reading.PeakMemory(), qint64(c.megabytes) << 20) << c.name;
    }

    // Stopped while the library is busy with a page: at once.
    TDocumentProcess::SetLimits(saved);
    TDocumentProcess reading;
    qint64 cancelling = -1;
    QTimer::singleShot(300, &reading, [&reading, &cancelling] {
        QElapsedTimer clock;
        clock.start();
        reading.Cancel();
        cancelling = clock.elapsed();
    });
    reading.Start(home.Root() + QStringLiteral("/stacked.pdf"));
    EXPECT_EQ(reading.Wait(), TDocumentProcess::TResult::Stopped) << reading.Error().toStdString();
    EXPECT_TRUE(cancelling >= 0 && cancelling < 500) << cancelling;
}

} // namespace

namespace {

// A document made by a producer users have, from our own text; empty when it fails.
QByteArray Produce(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, arguments);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

// A PDF made by pdfTeX from a LaTeX source; empty when it fails.
QByteArray Latex(const QByteArray &source)
{
    QTemporaryDir dir;
    TempHome::WriteFile(dir.filePath(QStringLiteral("doc.tex")), source);
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral("pdflatex"), {QStringLiteral("-interaction=batchmode"), QStringLiteral("doc.tex")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return TempHome::ReadFile(dir.filePath(QStringLiteral("doc.pdf")));
}

QStringList ChapterTitles(const TDocument &document)
{
    QStringList titles;
    for (const auto &chapter : document.Chapters)
        titles << chapter.Title;
    return titles;
}

TEST(DocumentsTest, TheSameBookFromEveryProducerGivesTheSameChaptersAndWords)
{
    TempHome home;
    const QByteArray book = "---\ntitle: \"The Harbour: A Short Book\"\nauthor: Ann Writer\n---\n\n"
                            "# The Arrival\n\nThe boat came in at dawn.[^1] Type `ls` and press <kbd>Enter</kbd>.\n\n"
                            "[^1]: It was a grey morning.\n\n## On the quay\n\nPeople waited.\n\n# The Market\n\nFish was sold.\n";
    const QString source = home.Root() + QStringLiteral("/book.md");
    TempHome::WriteFile(source, book);
    const QStringList titles{"The Arrival", "The Market"};
    const QStringList texts{"The Harbour: A Short Book\nAnn Writer\nThe Arrival\nThe boat came in at dawn. Type ls and press Enter.\n"
                            "It was a grey morning.\nOn the quay\nPeople waited.",
                            "The Market\nFish was sold."};
    for (const char *kind : {"md", "html", "epub", "docx", "odt"}) {
        const QByteArray bytes = QLatin1String(kind) == QLatin1String("md")
                                     ? book
                                     : Produce(QStringLiteral("pandoc"), {source, QStringLiteral("--standalone"), QStringLiteral("-t"),
                                                                          QLatin1String(kind) == QLatin1String("html") ? QStringLiteral("html5") : QLatin1String(kind),
                                                                          QStringLiteral("-o"), QStringLiteral("-")});
        ASSERT_FALSE(bytes.isEmpty()) << "pandoc could not make " << kind;
        TDocument document;
        QString error;
        ASSERT_TRUE(DocumentReader::ReadBytes(bytes, QStringLiteral("book.") + QLatin1String(kind), &document, &error)) << error.toStdString();
        EXPECT_EQ(document.Title, QStringLiteral("The Harbour: A Short Book")) << kind;
        EXPECT_EQ(ChapterTitles(document), titles) << kind;
        for (int k = 0; k < texts.size() && k < int(document.Chapters.size()); ++k)
            EXPECT_EQ(document.Chapters[size_t(k)].Text, texts[k]) << kind;
    }
}

TEST(DocumentsTest, PrintedPagesAreReadWithoutTheirFurnitureAndWithTheirNotesInPlace)
{
    // Three pages or more, each with a running head and a page number; headings in
    // larger type, bullets, a footnote whose paragraph goes on over the page's end.
    QByteArray ms = ".nr PS 10\n.nr VS 12\n.ds LH Running Head\n.ds CH Page %\n";
    const QByteArray filler = QByteArray("The quick brown fox jumps over the lazy dog by the river. ").repeated(6);
    const auto heading = [](const QByteArray &text) { return ".LP\n.ps 18\n.vs 22\n\\fB" + text + "\\fP\n.ps 10\n.vs 12\n"; };
    ms += heading("Chapter One") + ".PP\nThe first chapter begins.\n";
    for (int k = 0; k < 3; ++k)
        ms += ".IP \\(bu 2\nA bullet item of words.\n";
    for (int k = 0; k < 9; ++k)
        ms += ".PP\nParagraph " + QByteArray::number(k) + (k == 8 ? " has a note\\**." : ".") + " " + filler + "\n";
    ms += ".FS\nThe note itself.\n.FE\n" + heading("Chapter Two");
    for (int k = 0; k < 40; ++k)
        ms += ".PP\nMore " + QByteArray::number(k) + ". " + filler + "\n";
    const QByteArray man = ".TH DEMO 1 2026 \"Demo 1.0\" \"User Commands\"\n.SH NAME\ndemo \\- shows pages\n.SH EXIT STATUS\n"
                           ".TP\n0\nif all went well,\n.TP\n2\nif it did not.\n.SH DESCRIPTION\n" +
                           QByteArray(".PP\n" + filler + "\n").repeated(20);
    // A chapter heading right above a section heading, a little smaller.
    QByteArray sections = ".nr PS 10\n.nr VS 12\n";
    for (const char *chapter : {"Chapter One", "Chapter Two"})
        sections += heading(chapter).replace(".ps 18", ".ps 16") + heading("A section").replace(".ps 18", ".ps 14") + ".PP\n" + filler + "\n";
    // A report: running heads and page numbers, "Chapter 1" above each chapter's
    // title, bullets of another font, a footnote in each section.
    QByteArray report = "\\documentclass{report}\\pagestyle{headings}\\begin{document}\n";
    for (const char *chapter : {"Preamble", "Methods", "Results"}) {
        report += QByteArray("\\chapter{") + chapter + "}\n";
        for (const char *section : {"Overview", "Details"}) {
            report += QByteArray("\\section{") + section + " of " + chapter + "}\n\\begin{itemize}\\item A point $(a+b)^2$.\\end{itemize}\n";
            for (int k = 0; k < 4; ++k)
                report += filler + (k == 1 ? QByteArray("\\footnote{A note on ") + section + " of " + chapter + ".}" : QByteArray()) +
                          filler + "\n\n";
        }
    }
    report += "\\end{document}\n";
    // Two columns of sections under a title across both.
    QByteArray article = "\\documentclass[twocolumn]{article}\\begin{document}\\title{Columns}\\maketitle\n";
    const QStringList names{"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel", "India"};
    for (int k = 0; k < names.size(); ++k)
        article += (k % 3 == 0 ? "\\section{Part " + names[k].toUtf8() + "}\n" : QByteArray()) + names[k].toUtf8() + " begins. " +
                   filler + names[k].toUtf8() + " ends.\n\n";
    article += "\\end{document}\n";
    const struct
    {
        const char *name;
        QByteArray pdf;
        QStringList titles;
        QStringList heard, unheard;
    } cases[]{
        {"report.pdf", Latex(report), {"Preamble", "Methods", "Results"},
         {"Chapter 1\nPreamble\n1.1 Overview of Preamble\nA point (a + b)2", "Chapter 2\nMethods\n", "\nA note on Details of Results.\n"},
         {"CHAPTER 1.", "PREAMBLE", "\nAlpha"}},
        {"columns.pdf", Latex(article), {"1 Part Alpha", "2 Part Delta", "3 Part Golf"},
         {"Alpha ends.\nBravo begins.", "Bravo ends.\nCharlie begins.", "Charlie ends.\n2 Part Delta\nDelta begins.",
          "Delta ends.\nEcho begins.", "Echo ends.\nFoxtrot begins.", "Foxtrot ends.\n3 Part Golf\nGolf begins.",
          "Golf ends.\nHotel begins.", "Hotel ends.\nIndia begins."},
         {}},
        // A heading in Hebrew among others keeps them all.
        {"hebrew.pdf",
         Printed({"#Chapter One", "Some text of the first chapter.", "\f", "#\u05E4\u05E8\u05E7 \u05E9\u05E0\u05D9",
                  QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD.").repeated(3), "\f", "#Chapter Three",
                  "The end of the third chapter."}),
         {"Chapter One", "\u05E4\u05E8\u05E7 \u05E9\u05E0\u05D9", "Chapter Three"}, {}, {}},
        {"sections.pdf", Produce(QStringLiteral("groff"), {QStringLiteral("-ms"), QStringLiteral("-Tpdf")}, sections),
         {"Chapter One", "Chapter Two"}, {"Chapter One\nA section\nThe quick"}, {}},
        {"book.pdf", Produce(QStringLiteral("groff"), {QStringLiteral("-ms"), QStringLiteral("-Tpdf")}, ms),
         {"Chapter One", "Chapter Two"},
         // The note once, after the paragraph the page ends in, which goes on whole.
         {"Chapter One\nThe first chapter begins.\n\u2022 A bullet item of words.", "has a note. The quick",
          "by the river.\nThe note itself.\nMore "},
         {"Running Head", "Page ", "note1", "\njumps"}},
        {"demo.pdf", Produce(QStringLiteral("groff"), {QStringLiteral("-man"), QStringLiteral("-Tpdf")}, man),
         {""},
         {"NAME\ndemo - shows pages", "0 if all went well,\n2 if it did not."},
         {"DEMO(1)", "User Commands", "Demo 1.0"}},
    };
    for (const auto &c : cases) {
        ASSERT_FALSE(c.pdf.isEmpty()) << "groff could not make " << c.name;
        TDocument document;
        QString error;
        ASSERT_TRUE(DocumentReader::ReadBytes(c.pdf, QLatin1String(c.name), &document, &error)) << error.toStdString();
        EXPECT_EQ(ChapterTitles(document), c.titles) << c.name;
        const QString text = document.Text();
        for (const QString &heard : c.heard)
            EXPECT_TRUE(text.contains(heard)) << c.name << " lacks [" << heard.toStdString() << "] in\n" << text.toStdString();
        for (const QString &unheard : c.unheard)
            EXPECT_FALSE(text.contains(unheard)) << c.name << " reads [" << unheard.toStdString() << "]";
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\n\\d{1,2}$")))) << c.name << ": a page number at the end";
    }

    // The report set two-sided (fancyhdr): a footer centred on even pages and at the
    // right on odd ones, "Page N" at the outer edge of the head; read as the same
    // book set without either.
    QByteArray plain = report, twoSided = report;
    plain.replace("\\pagestyle{headings}", "\\pagestyle{empty}");
    twoSided.replace("\\documentclass{report}\\pagestyle{headings}",
                     "\\documentclass[twoside,openright]{report}\\usepackage{fancyhdr}\\pagestyle{fancy}\\fancyhf{}"
                     "\\fancyhead[LE,RO]{Page \\thepage}\\fancyfoot[CE]{A Book of Two Sides}\\fancyfoot[RO]{A Book of Two Sides}");
    TDocument one, two;
    QString error;
    ASSERT_TRUE(DocumentReader::ReadBytes(Latex(plain), QStringLiteral("plain.pdf"), &one, &error)) << error.toStdString();
    ASSERT_TRUE(DocumentReader::ReadBytes(Latex(twoSided), QStringLiteral("two.pdf"), &two, &error)) << error.toStdString();
    ASSERT_EQ(ChapterTitles(two), ChapterTitles(one));
    for (size_t k = 0; k < one.Chapters.size(); ++k)
        EXPECT_EQ(two.Chapters[k].Text, one.Chapters[k].Text) << "chapter " << k;
}

TEST(DocumentsTest, PagesAndNotesLoseNothingAndReadNothingHidden)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString title;
        QString text;
    } cases[]{
        // Void and unclosed raw HTML in Markdown, a README that opens with a logo.
        {"readme.md", "<p align=\"center\"><img src=\"logo.png\"></p>\n\n# Tool\n\nOne<br>two <b>bold\n\n<img src=x> Three <kbd>K</kbd>.\n",
         "", "Tool\nOne\ntwo bold\nThree K."},
        {"hidden.html",
         "<html><head><title>Shown</title></head><body><svg><title>icon</title></svg><p>Seen.</p><div hidden>a</div>"
         "<p style=\"display: none\">b</p><template><p>c</p></template><span aria-hidden=\"true\">d</span>"
         "<nav epub:type=\"landmarks\" hidden><a href=\"#x\">e</a></nav><p>Also <code>seen</code>.</p></body></html>",
         "Shown", "Seen.\nAlso seen."},
        {"cyrillic.html", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
                          "<title>\xcf\xf0\xe8\xe2\xe5\xf2</title></head><body><p>\xcc\xe8\xf0.</p></body></html>",
         QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442"), QStringLiteral("\u041c\u0438\u0440.")},
        {"koi8.html", "<meta charset=\"koi8-r\"><p>\xf0\xd2\xc9\xd7\xc5\xd4</p>", "", QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442")},
        // Nothing outside the page is loaded (a stylesheet or picture that never
        // ends), and nesting costs no more than its length.
        {"deep.html",
         "<link rel=\"stylesheet\" href=\"/dev/zero\"><img src=\"/dev/zero\"><style>@import url(/dev/zero);</style>" +
             QByteArray("<div>").repeated(100000) + "Deep." + QByteArray("</div>").repeated(100000),
         "", "Deep."},
        // The one H1 of a page titles its first chapter.
        {"manual.html", "<h1>Manual</h1><p>Intro.</p><h2>Use</h2><p>a</p><h2>Limits</h2><p>b</p>", "", "Manual\nIntro.\nUse\na\nLimits\nb"},
    };
    for (const auto &c : cases) {
        TDocument document;
        QString error;
        ASSERT_TRUE(DocumentReader::ReadBytes(c.bytes, QLatin1String(c.name), &document, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(document.Title, c.title) << c.name;
        EXPECT_EQ(document.Text(), c.text) << c.name;
    }
    TDocument manual;
    QString error;
    // Zipped ones: an e-book whose contents title its chapters (in plain styled
    // paragraphs, no headings) and keep one chapter in two files; an office text
    // with a tracked deletion and an image described as its caption says.
    const QByteArray xhtml = "<?xml version='1.0'?><html xmlns='http://www.w3.org/1999/xhtml'><body><p class='title'>";
    const struct
    {
        const char *name;
        QByteArray bytes;
        QStringList titles;
        QString text;
    } zipped[]{
        {"split.epub",
         Zip({{"META-INF/container.xml", "<container><rootfiles><rootfile full-path='OEBPS/book.opf'/></rootfiles></container>"},
              {"OEBPS/book.opf", "<package><manifest><item id='nav' href='nav.xhtml' properties='nav'/><item id='a' href='a.xhtml'/>"
                                 "<item id='b' href='b.xhtml'/><item id='c' href='c.xhtml'/></manifest>"
                                 "<spine><itemref idref='nav'/><itemref idref='a'/><itemref idref='b'/><itemref idref='c'/></spine></package>"},
              {"OEBPS/nav.xhtml", "<html xmlns:epub='http://www.idpf.org/2007/ops'><body><nav epub:type='toc'><ol>"
                                  "<li><a href='a.xhtml#start'>The <i>First</i> Voyage</a></li><li><a href='c.xhtml'>Home Again</a></li>"
                                  "</ol></nav><nav epub:type='landmarks' hidden=''><a href='a.xhtml'>Begin</a></nav></body></html>"},
              {"OEBPS/a.xhtml", xhtml + "The First Voyage</p><p>They sailed.</p></body></html>"},
              {"OEBPS/b.xhtml", xhtml.left(xhtml.indexOf("<p")) + "<p>And sailed on.</p></body></html>"},
              {"OEBPS/c.xhtml", xhtml + "Home Again</p><p>They came back.</p></body></html>"}}),
         {"The First Voyage", "Home Again"},
         "The First Voyage\nThey sailed.\nAnd sailed on.\nHome Again\nThey came back."},
        {"changes.odt",
         Zip({{"content.xml",
               "<office:document-content xmlns:office='o' xmlns:text='t' xmlns:draw='d' xmlns:svg='s'><office:body><office:text>"
               "<text:tracked-changes><text:changed-region><text:deletion><text:p>Deleted words.</text:p></text:deletion>"
               "</text:changed-region></text:tracked-changes><text:p>Kept <text:change/>words.</text:p>"
               "<text:p><draw:frame><draw:image/><svg:title>Harbour</svg:title><svg:desc>A harbour at dawn</svg:desc></draw:frame>"
               "A harbour at dawn</text:p></office:text></office:body></office:document-content>"}}),
         {""},
         "Kept words.\nA harbour at dawn"},
    };
    for (const auto &z : zipped) {
        TDocument document;
        ASSERT_TRUE(DocumentReader::ReadBytes(z.bytes, QLatin1String(z.name), &document, &error)) << z.name << ": " << error.toStdString();
        EXPECT_EQ(ChapterTitles(document), z.titles) << z.name;
        EXPECT_EQ(document.Text(), z.text) << z.name;
    }
    ASSERT_TRUE(DocumentReader::ReadBytes(std::find_if(std::begin(cases), std::end(cases), [](const auto &c) {
                                              return QLatin1String(c.name) == QLatin1String("manual.html");
                                          })->bytes,
                                          QStringLiteral("manual.html"), &manual, &error));
    EXPECT_EQ(ChapterTitles(manual), (QStringList{"Manual", "Use", "Limits"}));
}

} // namespace

// A web page gives its article only; a page that is all content stays whole.
TEST(DocumentsTest, AWebPageGivesItsArticleOnly)
{
    const QByteArray news = R"(<html><head><title>How tides work | Coast News</title></head><body>
<div class="cookie-banner"><p>We use cookies to improve your experience. Accept all cookies?</p></div>
<header class="site-header"><nav><ul><li><a href="/">Home</a></li><li><a href="/world">World</a></li>
<li><a href="/sport">Sport</a></li></ul></nav></header>
<main><article>
<header><h1>How tides work</h1><p class="byline">By Ann Shore, 3 May 2026</p></header>
<div class="share"><a href="#">Share on Facebook</a> <a href="#">Share by email</a></div>
<div class="article-body">
<p>The moon pulls on the oceans, and the water on the side facing it rises a little, as does the water on the far side.</p>
<p>As the earth turns, each coast passes through both bulges, which is why most places see two high tides a day, about twelve hours apart.</p>
<p>When sun and moon pull in a line, at new and full moon, the tides are highest; these are called spring tides.</p>
</div></article>
<aside class="related"><h2>Related</h2><ul><li><a href="/a">Storm warning for the coast</a></li>
<li><a href="/b">Ten best beaches</a></li></ul></aside>
<section id="comments"><h2>Comments</h2><p>Great article, thanks, very clear and useful for my class.</p></section>
</main>
<footer><p>Copyright Coast News. All rights reserved. <a href="/privacy">Privacy</a></p></footer>
</body></html>)";
    HtmlReader::TPage page;
    QStringList kept;
    for (const TParagraph &p : HtmlReader::Read(news, &page, {}, {true, {}}))
        kept << p.Text;
    EXPECT_EQ(page.Title, QStringLiteral("How tides work"));
    EXPECT_EQ(kept, (QStringList{QStringLiteral("How tides work"), QStringLiteral("By Ann Shore, 3 May 2026"),
                                 QStringLiteral("The moon pulls on the oceans, and the water on the side facing it "
                                                "rises a little, as does the water on the far side."),
                                 QStringLiteral("As the earth turns, each coast passes through both bulges, which is "
                                                "why most places see two high tides a day, about twelve hours apart."),
                                 QStringLiteral("When sun and moon pull in a line, at new and full moon, the tides are "
                                                "highest; these are called spring tides.")}));

    const QByteArray manual = "<html><body><h1>Installing</h1><p>Unpack the archive.</p><h2>Next</h2>"
                              "<p>Run the program, and see <a href=\"x\">the list</a>.</p></body></html>";
    EXPECT_EQ(HtmlReader::Read(manual, nullptr, {}, {true, {}}).size(), 4u);
}
