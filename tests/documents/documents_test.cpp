#include "documents/Document.h"
#include "support/DocumentSamples.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QFile>

#include <QtEndian>

#include <gtest/gtest.h>

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
        std::vector<TDocument::TChapter> articles;
        QString error;
        ASSERT_TRUE(DocumentReader::Articles(c.path, c.chapters, &articles, &error)) << error.toStdString();
        QStringList titles;
        for (const auto &article : articles)
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
    const struct
    {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[]{
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
        {"nospine.epub", Zip({{"META-INF/container.xml", "<container/>"}}), "names no package file"},
        {"scan.pdf", Pdf(false), "has no text layer"},
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

} // namespace
