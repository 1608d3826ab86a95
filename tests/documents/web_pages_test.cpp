#include "documents/Document.h"
#include "documents/DocumentProcess.h"
#include "support/Printers.h"
#include "support/WebServer.h"

#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <map>

// Web pages as a reader view shows them, and pages fetched by their addresses.
namespace {

const QString pages = QStringLiteral(PARLEWIND_TEST_DATA "/pages/");

std::map<QString, int> Words(const QString &text)
{
    static const QRegularExpression between(QStringLiteral("[^\\w]+"));
    std::map<QString, int> words;
    for (const QString &word : text.toLower().split(between, Qt::SkipEmptyParts))
        ++words[word];
    return words;
}

int Count(const std::map<QString, int> &words)
{
    int count = 0;
    for (const auto &[word, n] : words)
        count += n;
    return count;
}

// Words read that the main text has (each as often as it has it).
int Shared(const std::map<QString, int> &read, const std::map<QString, int> &main)
{
    int shared = 0;
    for (const auto &[word, n] : read)
        if (const auto found = main.find(word); found != main.end())
            shared += std::min(n, found->second);
    return shared;
}

// Six kinds of page, each with its main text marked by hand: the reader keeps
// almost all of it and reads almost nothing else; its title loses the site's name.
TEST(WebPagesTest, TheMainTextOfEveryKindOfPageIsReadAndLittleElse)
{
    const struct
    {
        const char *page;
        const char *title;
    } cases[]{
        {"news", "Harbour wall to be rebuilt after winter storms"},
        {"blog", "Why I switched to a paper notebook"},
        {"forum", "Bread keeps coming out dense"},
        {"recipe", "Lentil soup with lemon"},
        {"docs", "Configuring backups"},
        {"chapter", "Chapter 2: The Lighthouse"},
    };
    for (const auto &c : cases) {
        QFile marked(pages + QLatin1String(c.page) + QStringLiteral(".main.txt"));
        ASSERT_TRUE(marked.open(QIODevice::ReadOnly)) << c.page;
        const auto main = Words(QString::fromUtf8(marked.readAll()));
        for (const bool whole : {false, true}) {
            TDocument document;
            QString error;
            ASSERT_TRUE(DocumentReader::Read(pages + QLatin1String(c.page) + QStringLiteral(".html"), &document, &error, {}, {},
                                             {whole, {}}))
                << error.toStdString();
            const auto read = Words(document.Text());
            const int shared = Shared(read, main);
            const double kept = double(shared) / Count(main), outside = 1 - double(shared) / Count(read);
            std::printf("%-8s %-10s main words kept %5.1f %%, words from outside it %5.1f %%\n", c.page,
                        whole ? "whole page" : "main text", kept * 100, outside * 100);
            EXPECT_GE(kept, whole ? 1.0 : 0.95) << c.page;
            if (!whole) {
                EXPECT_LE(outside, 0.05) << c.page << ": " << document.Text().toStdString();
                EXPECT_EQ(document.Name({}), QLatin1String(c.title));
            }
        }
    }
}

// Addresses: fetched, followed, limited and read apart; each failure names the
// address and what went wrong.
TEST(WebPagesTest, AnAddressIsFetchedAndReadOrToldWhyNot)
{
    TWebServer server(pages);
    ASSERT_TRUE(server.Running());
    const TDocumentProcess::TLimits saved = TDocumentProcess::Limits();
    const auto restore = qScopeGuard([&saved] { TDocumentProcess::SetLimits(saved); });
    TDocumentProcess::TLimits limits = saved;
    limits.FetchSeconds = 2;
    TDocumentProcess::SetLimits(limits);
    const struct
    {
        const char *path;
        const char *expected; // in the text read, else in the reason
        const char *absent = ""; // never in the text read
    } cases[]{
        {"/pages/news.html", "The old harbour wall at Penmoor", "cookies"},
        {"/moved", "Engineers told the meeting", "Most read"},
        {"/part/1", "part number 1, with", "Footer"},
        {"/chain/1", "part number 20, with", "part number 21,"},
        {"/plain", "A plain page of text, read as it is: été."},
        {"/cyrillic", "Привет, мир."},
        {"/cookie", "no cookie was sent"},
        {"/missing", "answered 404 Not Found"},
        {"/picture", "is not a web page (image/png)"},
        {"/loop", "could not be reached"},
        {"/to-file", "could not be reached"},
        {"/slow", "could not be reached (no answer for 2 seconds)"},
        {"/endless", "too large to be read as an article (more than 64 MB)"},
        {":1/nothing-here", "could not be reached (Connection refused)"},
    };
    for (const auto &c : cases) {
        const QString address = c.path[0] == ':' ? QStringLiteral("http://127.0.0.1") + QLatin1String(c.path)
                                                 : server.Address(QLatin1String(c.path));
        TDocumentProcess reading;
        reading.Start(address);
        const bool read = reading.Wait() == TDocumentProcess::TResult::Read;
        const QString text = reading.Document().Text();
        EXPECT_TRUE(read ? text.contains(QString::fromUtf8(c.expected)) && (!*c.absent || !text.contains(QLatin1String(c.absent)))
                         : reading.Error().startsWith(address) && reading.Error().contains(QLatin1String(c.expected)))
            << c.path << ": " << (read ? text.left(300) : reading.Error()).toStdString();
    }

    // The parts of a page are one text, its headline once.
    TDocumentProcess reading;
    reading.Start(server.Address(QStringLiteral("/part/2")));
    ASSERT_EQ(reading.Wait(), TDocumentProcess::TResult::Read) << reading.Error().toStdString();
    EXPECT_EQ(reading.Document().Name({}), QStringLiteral("A story in parts"));
    EXPECT_EQ(reading.Document().Text().count(QStringLiteral("A story in parts")), 1) << reading.Document().Text().toStdString();
    EXPECT_TRUE(reading.Document().Text().indexOf(QStringLiteral("number 2,")) < reading.Document().Text().indexOf(QStringLiteral("number 1,")));

    // A part that is not there ends the page where it is, and says so.
    reading.Start(server.Address(QStringLiteral("/broken/1")));
    ASSERT_EQ(reading.Wait(), TDocumentProcess::TResult::Read) << reading.Error().toStdString();
    EXPECT_TRUE(reading.Document().Text().contains(QStringLiteral("part number 1,")));
    EXPECT_EQ(reading.Document().Note, QStringLiteral("part 2 answered 404 Not Found; the parts before it were read"));

    // Whole, when asked for.
    reading.SetWholePage(true);
    reading.Start(server.Address(QStringLiteral("/pages/news.html")));
    ASSERT_EQ(reading.Wait(), TDocumentProcess::TResult::Read);
    EXPECT_TRUE(reading.Document().Text().contains(QStringLiteral("Accept all")));
}

} // namespace
