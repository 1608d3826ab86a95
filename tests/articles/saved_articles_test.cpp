#include "articles/ArticleBooks.h"
#include "articles/ArticleList.h"
#include "articles/ReadingPlaces.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <sys/resource.h>

#include <sys/stat.h>

#include <functional>

#include <gtest/gtest.h>

// The saved-articles file: its exact format, damaged and foreign files, and a save
// that must never lose the previous file.
namespace {

const QByteArray S = "||||||Parlewind MP3 Start of Article||||||\r\n";
const QByteArray E = "||||||Parlewind MP3 End of Article||||||\r\n";

class SavedArticlesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.ListMode = 1;
        Messages::TakeRecorded();
    }
    QString File(const char *name) const { return home.Root() + QLatin1Char('/') + QLatin1String(name); }
    QString LogText() const { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }
    QStringList Titles() const
    {
        QStringList titles;
        for (int k = 1; k <= list.Count(); ++k)
            titles << list.EntryAt(k)->Title();
        return titles;
    }
    void Import(const QString &path) { list.ImportList(path); }

    TempHome home;
    TArticleList list;
};

TEST_F(SavedArticlesTest, WritesTheRecordsByteForByte)
{
    TMemoEntry *news = list.Add(QStringLiteral("a"), QStringLiteral("Mary"));
    news->SetTitle(QStringLiteral("News"));
    TMemoEntry *mail = list.Add(QStringLiteral("b\nc"), QStringLiteral("Mike"));
    mail->SetTitle(QStringLiteral("Mail"));
    TMemoEntry *gone = list.Add(QStringLiteral("hidden"), QStringLiteral("Sam"));
    list.HideEntry(gone);
    mail->Locked = true; // being read: written all the same
    ASSERT_TRUE(list.ExportList(File("PWExport.txt")));
    EXPECT_EQ(TempHome::ReadFile(File("PWExport.txt")),
              S + "News|Mary|1\r\na\r\n" + E + S + "Mail|Mike|2\r\nb\r\nc\r\n" + E);
    EXPECT_FALSE(list.Exporting);
    EXPECT_TRUE(LogText().contains(QStringLiteral("MemoListBox - Export Complete [3 1]\n")));
}

TEST_F(SavedArticlesTest, RoundTripKeepsTitlesVoicesAndTexts)
{
    // A blank article is reused by the next record, so the blank one comes last.
    const QStringList texts{QStringLiteral("one line"), QStringLiteral("two\nlines"),
                            QStringLiteral("ends with a break\n"), QStringLiteral("Grüße – 😀 ok"),
                            // An article holding the delimiters (the saved file opened as text, say).
                            QStringLiteral("||||||Parlewind MP3 End of Article||||||\nmiddle\n||||||Parlewind MP3 "
                                           "Start of Article||||||\n"),
                            QStringLiteral("||||||Parlewind MP3 End of Article||||||"), QString()};
    for (int i = 0; i < texts.size(); ++i) {
        TMemoEntry *e = list.Add(QStringLiteral("x"), QStringLiteral("Voice %1").arg(i));
        e->SetText(texts[i]);
        e->SetTitle(QStringLiteral("T|%1").arg(i)); // "|" cannot be stored
    }
    ASSERT_TRUE(list.ExportList(File("out.txt")));
    TArticleList again;
    again.ListMode = 1;
    again.ImportList(File("out.txt"));
    ASSERT_EQ(again.Count(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(again.EntryAt(i + 1)->Text(), texts[i]);
        EXPECT_EQ(again.EntryAt(i + 1)->Title(), QStringLiteral("T_%1").arg(i));
        EXPECT_EQ(again.EntryAt(i + 1)->Voice(), QStringLiteral("Voice %1").arg(i));
    }
    EXPECT_FALSE(again.Importing);
}
TEST_F(SavedArticlesTest, DamagedAndForeignFilesKeepWhatCanBeRead)
{
    // No file: nothing happens, not even the closing trace line.
    Import(File("missing.txt"));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(list.Importing);
    EXPECT_FALSE(LogText().contains(QStringLiteral("Import Complete")));

    // Extra fields, a count that is no number, a truncated last record.
    TempHome::WriteFile(File("a.txt"), S + "A|B|3|x\r\none\r\n" + E + S + "T|V|many\r\nx\r\n" + E + S +
                                           "Last|Sam|2\r\nfirst\r\nsecond");
    Import(File("a.txt"));
    EXPECT_EQ(Titles(), (QStringList{"A", "T", "Last"}));
    EXPECT_EQ(list.EntryAt(1)->Voice(), QStringLiteral("B"));
    EXPECT_EQ(list.EntryAt(3)->Text(), QStringLiteral("first\nsecond"));
    EXPECT_TRUE(LogText().contains(QStringLiteral("MemoListBox - Import Complete [3 0]")));

    // A stray line where a record should begin ends the import; earlier ones stay,
    // and the caller learns that the file held more.
    TArticleList other;
    other.ListMode = 1;
    TempHome::WriteFile(File("b.txt"), S + "One|Mary|1\r\nkept\r\n" + E + "stray\r\n" + S + "Two|Mary|1\r\nlost\r\n" + E);
    const TArticleList::ImportResult result = other.ImportList(File("b.txt"));
    ASSERT_EQ(other.Count(), 1);
    EXPECT_EQ(other.EntryAt(1)->Text(), QStringLiteral("kept"));
    EXPECT_TRUE(result.Damaged);
    EXPECT_EQ(result.NonBlankInFile, 2);

    // Windows-1252 lines among UTF-8 ones, lone CR and LF line ends, a start
    // delimiter on the last line.
    TArticleList foreign;
    foreign.ListMode = 1;
    TempHome::WriteFile(File("c.txt"), S + "Caf\xe9|Mary|3\rna\xefve\n\x93quoted\x94\r\nGr\xc3\xbc\xc3\x9f\xc3\xa9\r\n" + E + S);
    EXPECT_TRUE(foreign.ImportList(File("c.txt")).Damaged);
    ASSERT_EQ(foreign.Count(), 1);
    EXPECT_EQ(foreign.EntryAt(1)->Title(), QStringLiteral("Café"));
    EXPECT_EQ(foreign.EntryAt(1)->Text(), QStringLiteral("naïve\n“quoted”\nGrüßé"));
    EXPECT_FALSE(foreign.Importing);

    // Binary rubbish is no article file at all.
    TArticleList binary;
    TempHome::WriteFile(File("d.txt"), QByteArray("\0\1\2\3PK\3\4", 8));
    binary.ImportList(File("d.txt"));
    EXPECT_EQ(binary.Count(), 0);
}

TEST_F(SavedArticlesTest, ImportedArticlesGetTheEventsAndFollowTheModeRules)
{
    TempHome::WriteFile(File("list.txt"),
                        S + "One|Mary|1\r\nfirst\r\n" + E + S + "Two|Mike|1\r\nsecond\r\n" + E);
    int deletes = 0, reads = 0;
    QObject::connect(&list, &TArticleList::DeleteRequested, &list, [&](TMemoEntry *) { ++deletes; });
    QObject::connect(&list, &TArticleList::ReadRequested, &list, [&](TMemoEntry *, bool) { ++reads; });
    list.ImportList(File("list.txt"));
    ASSERT_EQ(list.Count(), 2);
    list.RequestDelete(list.EntryAt(1));
    EXPECT_EQ(deletes, 1);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(list.CurrentEntry(), list.EntryAt(2)); // each article became current in turn

    TArticleList single;
    single.ImportList(File("list.txt"));
    EXPECT_EQ(single.Count(), 1); // one article in single-article mode: the last
    EXPECT_EQ(single.EntryAt(1)->Title(), QStringLiteral("Two"));
}

TEST_F(SavedArticlesTest, AFailedSaveLeavesThePreviousFileWhole)
{
    list.Add(QStringLiteral("first version"), QStringLiteral("Mary"));
    const QString path = File("PWExport.txt");
    ASSERT_TRUE(list.ExportList(path));
    const QByteArray before = TempHome::ReadFile(path);
    for (int i = 0; i < 200; ++i)
        list.Add(QString(5000, QLatin1Char('x')), QStringLiteral("Mike"));

    // A full disk, simulated by a file size limit of 64 KB.
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    auto *oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = list.ExportList(path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(list.ExportError().isEmpty());
    EXPECT_FALSE(list.Exporting);
    EXPECT_EQ(TempHome::ReadFile(path), before);
    EXPECT_EQ(QDir(home.Root()).entryList({QStringLiteral("PWExport.txt*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("PWExport.txt")}); // no temporary file left behind

    // A folder that does not exist.
    EXPECT_FALSE(list.ExportList(home.Root() + QStringLiteral("/no/such/folder/PWExport.txt")));
    EXPECT_TRUE(LogText().contains(QStringLiteral("Saving the articles to ")));

    // A save requested while one runs is skipped and touches nothing.
    list.Exporting = true;
    EXPECT_TRUE(list.ExportList(path));
    EXPECT_EQ(TempHome::ReadFile(path), before);
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Bypass Export - already in progress\n")));
    list.Exporting = false;
    EXPECT_TRUE(list.ExportList(path));
    EXPECT_GT(TempHome::ReadFile(path).size(), 200 * 5000);
}

// The books beside the list: the chapters of one book share it again, its cover comes
// back, a cover no article needs any more goes, and a list naming a file elsewhere
// reads nothing from there.
TEST(ArticleBooksTest, BooksComeBackWithTheirArticlesAndCoversAreTidied)
{
    TempHome home;
    const QString file = home.Root() + QStringLiteral("/PWBooks.txt");
    const auto book = std::make_shared<const TArticleBook>(TArticleBook{QStringLiteral("Tab\tand 100%"), QStringLiteral("Ann Author"), QByteArray("\xff\xd8\xff picture", 12), QStringLiteral("pt-BR")});
    const auto plain = std::make_shared<const TArticleBook>(TArticleBook{QStringLiteral("Plain"), QString(), {}, {}});
    const QByteArray one = ReadingPlaces::Key(QStringLiteral("One"), QStringLiteral("first")),
                     two = ReadingPlaces::Key(QStringLiteral("Two"), QStringLiteral("second")),
                     three = ReadingPlaces::Key(QStringLiteral("Three"), QStringLiteral("third"));
    ASSERT_TRUE(ArticleBooks::Save(file, {{one, book}, {two, book}, {three, plain}, {ReadingPlaces::Key({}, {}), nullptr}}));
    auto loaded = ArticleBooks::Load(file);
    ASSERT_EQ(loaded.size(), 3);
    EXPECT_EQ(loaded.value(one), loaded.value(two)) << "one book, shared";
    EXPECT_EQ(loaded.value(one)->Title, book->Title);
    EXPECT_EQ(loaded.value(one)->Author, QStringLiteral("Ann Author"));
    EXPECT_EQ(loaded.value(one)->Cover, book->Cover);
    EXPECT_EQ(loaded.value(one)->Language, QStringLiteral("pt-BR"));
    EXPECT_TRUE(loaded.value(three)->Cover.isEmpty());
    EXPECT_EQ(QDir(home.Root()).entryList({QStringLiteral("PWBooks-cover-*")}).size(), 1);

    // The book with the cover is gone from the list: so is its cover.
    ASSERT_TRUE(ArticleBooks::Save(file, {{three, plain}}));
    EXPECT_TRUE(QDir(home.Root()).entryList({QStringLiteral("PWBooks-cover-*")}).isEmpty());
    // No book at all: no file.
    ASSERT_TRUE(ArticleBooks::Save(file, {}));
    EXPECT_FALSE(QFile::exists(file));

    // A list that names a file elsewhere as a cover, and lines that are no records
    // (written before books had a language: five fields).
    TempHome::WriteFile(home.Root() + QStringLiteral("/secret"), "not a cover");
    TempHome::WriteFile(file, "book\t0\tT\tA\t..%2Fsecret\nbook\t1\tT\tA\tPWBooks-cover-x%2F..%2F..%2Fsecret\narticle\t" + one +
                                  "\t0\narticle\t" + two + "\t1\narticle\tshort\t0\nrubbish\n");
    loaded = ArticleBooks::Load(file);
    ASSERT_EQ(loaded.size(), 2);
    EXPECT_TRUE(loaded.value(one)->Cover.isEmpty());
    EXPECT_TRUE(loaded.value(two)->Cover.isEmpty());
}

// What sits beside the saved articles in place of their side files: a device, a
// pipe, a huge file, a link out of the folder; a damaged list of books. None may
// block or swell a start, and nothing of the user's is lost.
TEST(ArticleBooksTest, SideFilesThatAreNoPlainFilesAreSetAsideAndNothingIsLost)
{
    TempHome home;
    const QString dir = home.Root();
    const QString books = dir + QStringLiteral("/PWBooks.txt"), places = dir + QStringLiteral("/PWPlaces.txt");
    const QByteArray one = ReadingPlaces::Key(QStringLiteral("One"), QStringLiteral("first"));
    const auto placesProblem = [&] {
        QString problem;
        EXPECT_TRUE(ReadingPlaces::Load(places, &problem).isEmpty());
        return problem;
    };
    const struct
    {
        const char *name;
        std::function<void()> make;
    } cases[] = {
        {"a link to /dev/zero", [&] { QFile::link(QStringLiteral("/dev/zero"), places); }},
        {"a pipe", [&] { ::mkfifo(QFile::encodeName(places).constData(), 0600); }},
        {"too large", [&] { TempHome::WriteFile(places, QByteArray((16 << 20) + 1, '\n')); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        c.make();
        EXPECT_TRUE(placesProblem().contains(QStringLiteral("set aside as PWPlaces.txt.aside")));
        EXPECT_FALSE(QFileInfo(places).exists() || QFileInfo(places).isSymLink()) << "met again at the next start";
        QFile::remove(places + QStringLiteral(".aside"));
    }

    // A cover that links to a file elsewhere is not taken in.
    TempHome::WriteFile(dir + QStringLiteral("/outside.jpg"), "someone else's picture");
    const QString linked = QStringLiteral("PWBooks-cover-") + QString(40, u'a');
    QFile::link(dir + QStringLiteral("/outside.jpg"), dir + QLatin1Char('/') + linked);
    TempHome::WriteFile(books, "book\t0\tT\tA\t" + linked.toUtf8() + "\narticle\t" + one + "\t0\n");
    EXPECT_TRUE(ArticleBooks::Load(books).value(one)->Cover.isEmpty());

    // A damaged list: what can be read is used, the file is kept aside, and the
    // next save removes no cover it names and no file of the user's.
    const auto book = std::make_shared<const TArticleBook>(TArticleBook{QStringLiteral("B"), {}, QByteArray("picture"), {}});
    ASSERT_TRUE(ArticleBooks::Save(books, {{one, book}}));
    const QStringList covers = QDir(dir).entryList({QStringLiteral("PWBooks-cover-*")}, QDir::Files);
    TempHome::WriteFile(dir + QStringLiteral("/PWBooks-cover-letter.txt"), "the user's own");
    TempHome::WriteFile(books, TempHome::ReadFile(books) + "\x01garbage\n");
    QString problem;
    EXPECT_EQ(ArticleBooks::Load(books, &problem).size(), 1);
    EXPECT_TRUE(problem.contains(QStringLiteral("PWBooks.txt.damaged"))) << problem.toStdString();
    ASSERT_TRUE(ArticleBooks::Save(books, {}));
    for (const QString &kept : covers)
        EXPECT_TRUE(QFile::exists(dir + QLatin1Char('/') + kept)) << kept.toStdString();
    EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/PWBooks-cover-letter.txt")));
    EXPECT_TRUE(QFile::exists(books + QStringLiteral(".damaged")));
}

} // namespace
