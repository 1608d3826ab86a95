#include "articles/SavedArticles.h"
#include "FormWithVoices.h"
#include "app/DocumentOpen.h"
#include "documents/DocumentProcess.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "log/UtilsClass.h"
#include "platform/shell/FileDialogs.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "speech/SpTools.h"
#include "support/FakeEngine.h"
#include "support/EngineHelpers.h"
#include "support/DocumentSamples.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"
#include "support/WebServer.h"

#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QMimeData>
#include <QUrl>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

#include <cmath>

#include <gtest/gtest.h>

// The main window's article commands, with the scripted engine and the test sound
// server (the first show needs a sound card).
namespace {

using StoredPrefs::Store;

const QByteArray S = "||||||Parlewind MP3 Start of Article||||||\r\n";
const QByteArray E = "||||||Parlewind MP3 End of Article||||||\r\n";

QString LogText() { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

class Form1ArticlesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        WaveOutPresent = true;
        Messages::TakeRecorded();
    }
    // A started program with this saved list (and not the first start).
    std::unique_ptr<FormWithVoices> Start(const QByteArray &saved, int mode)
    {
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        Store(QStringLiteral("ML_ListMode"), QString::number(mode));
        if (!saved.isNull())
            TempHome::WriteFile(SavedArticles::File(), saved);
        auto app = std::make_unique<FormWithVoices>();
        app->form.show();
        EXPECT_TRUE(app->form.Core().Initialized());
        return app;
    }
    int SavedRecords() const { return static_cast<int>(TempHome::ReadFile(SavedArticles::File()).count(S)); }

    TempHome home;
    FakeEngineInstall fake;
};

TEST_F(Form1ArticlesTest, TheFirstStartShowsTheIntroductionAndLaterStartsTheSavedList)
{
    {
        FormWithVoices app;
        app.form.show();
        ASSERT_TRUE(app.form.Core().Initialized());
        EXPECT_FALSE(app.form.Core().Prefs().FirstTimeUser);
        ASSERT_EQ(app.form.Core().Articles().Count(), 1); // single-article mode keeps the last
        EXPECT_EQ(app.form.Core().Articles().EntryAt(1)->Title(), QStringLiteral("Welcome_to_Parlewind"));
        app.form.Core().RequestExit();
    }
    EXPECT_EQ(SavedRecords(), 1);
    EXPECT_EQ(StoredPrefs::Stored(QStringLiteral("FirstTimeUser")), QStringLiteral("false"));

    auto app = Start(S + "One|Mike|1\r\nfirst\r\n" + E + S + "Two|Sam|1\r\nsecond\r\n" + E, 1);
    TArticleList &list = app->form.Core().Articles();
    ASSERT_EQ(list.Count(), 2);
    ASSERT_TRUE(app->ShowActive());
    EXPECT_EQ(list.CurrentEntry(), list.EntryAt(1));
    EXPECT_EQ(app->form.StatusPanel0->text(), QStringLiteral("2 articles"));
    EXPECT_EQ(list.EntryAt(2)->Owner(), &list); // restored articles' buttons reach the list the window follows
}

TEST_F(Form1ArticlesTest, NoSavedListGivesOneBlankArticleAndNoArticlesInTheStatus)
{
    auto app = Start(QByteArray(), 0);
    ASSERT_TRUE(WaitUntil([&] { return app->form.ListInfoInitialized; }, 3000));
    ASSERT_EQ(app->form.Core().Articles().Count(), 1);
    EXPECT_TRUE(app->form.Core().Articles().EntryAt(1)->IsBlank());
    EXPECT_EQ(app->form.Core().CountText(), QStringLiteral("No articles"));
    EXPECT_EQ(app->form.StatusPanel0->text(), QStringLiteral("No articles"));
    EXPECT_EQ(app->form.Core().Articles().EntryAt(1)->Voice(), QStringLiteral("Mary")); // the default voice
}

TEST_F(Form1ArticlesTest, AddingAndDeletingArticlesSavesTheListEveryTime)
{
    auto app = Start(S + "One|Mike|1\r\nfirst\r\n" + E + S + "Two|Sam|1\r\nsecond\r\n" + E, 1);
    TForm1 &form = app->form;
    TArticleList &list = form.Core().Articles();
    Item(form, QStringLiteral("&File"), QStringLiteral("&Add New"))->trigger();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(SavedRecords(), 3);
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("3 articles"));

    // An article's own Delete button hides it and saves.
    TMemoEntry *first = list.EntryAt(1);
    first->Owner()->RequestDelete(first);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(SavedRecords(), 2);

    // Delete Selected without a current article.
    ASSERT_EQ(list.CurrentEntry(), nullptr);
    Item(form, QStringLiteral("&File"), QStringLiteral("&Delete Selected"))->trigger();
    EXPECT_EQ(Messages::BeepCount(), 1);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("No rows are currently selected"));
    EXPECT_EQ(list.Count(), 2);

    // An article being read is neither deleted nor hidden.
    list.MarkEntry(1);
    list.EntryAt(1)->Locked = true;
    Item(form, QStringLiteral("&File"), QStringLiteral("&Delete Selected"))->trigger();
    list.RequestDelete(list.EntryAt(1));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(shown[1].text, QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(list.Count(), 2);
    list.UnlockAllEntries();

    // Deleting the last article leaves one blank one.
    list.MarkEntry(1);
    Item(form, QStringLiteral("&File"), QStringLiteral("&Delete Selected"))->trigger();
    list.MarkEntry(1);
    Item(form, QStringLiteral("&File"), QStringLiteral("&Delete Selected"))->trigger();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.EntryAt(1)->IsBlank());
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("No articles"));
}

TEST_F(Form1ArticlesTest, ReplacingAnArticleBeingReadIsRefusedAndTheListStillSaved)
{
    auto app = Start(S + "Only|Mary|1\r\nbeing read\r\n" + E, 0);
    TForm1 &form = app->form;
    form.Core().Articles().EntryAt(1)->Locked = true;
    QFile::remove(SavedArticles::File());
    EXPECT_EQ(form.Core().AddMemo(QStringLiteral("new text"), QStringLiteral("Mike")), nullptr);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(form.Core().Articles().EntryAt(1)->Text(), QStringLiteral("being read"));
    EXPECT_EQ(SavedRecords(), 1);
}

TEST_F(Form1ArticlesTest, OpenReadsATextFileIntoANewArticleAndRefusesBinaryFiles)
{
    auto app = Start(S + "Kept|Mary|1\r\nkeep me\r\n" + E, 1);
    TForm1 &form = app->form;
    const QString folder = home.Root() + QStringLiteral("/docs");
    const QString text = folder + QStringLiteral("/letter.txt");
    TempHome::WriteFile(text, "Dear reader,\r\nthis is a letter.\r\n");
    FileDialogs::TakeAskedFolders();
    FileDialogs::SetNextAnswer(text);
    form.ReadFileBtn->click();
    EXPECT_EQ(FileDialogs::TakeAskedFolders(), QStringList{ProgramPaths::HomeRoot()});
    EXPECT_EQ(form.Core().Prefs().OpenDlgInitialDir, folder + QLatin1Char('/'));
    ASSERT_EQ(form.Core().Articles().Count(), 2);
    EXPECT_EQ(form.Core().Articles().EntryAt(2)->Text(), QStringLiteral("Dear reader,\nthis is a letter."));
    EXPECT_EQ(SavedRecords(), 2);

    const QString binary = folder + QStringLiteral("/image.png");
    TempHome::WriteFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    FileDialogs::SetNextAnswer(binary);
    form.ReadFileBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_EQ(form.Core().Articles().EntryAt(1)->Text(), QStringLiteral("keep me"));
    EXPECT_EQ(form.Core().Articles().EntryAt(2)->Text(), QStringLiteral("Dear reader,\nthis is a letter."));

    FileDialogs::SetNextAnswer(QString()); // cancelled
    form.ReadFileBtn->click();
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    // Titled after the file, so that it can be read to a file at once.
    EXPECT_EQ(form.Core().Articles().EntryAt(2)->Title(), QStringLiteral("letter"));
}

// An e-book dropped on an article in multi-article mode: one titled article a
// chapter, in order; a damaged one changes nothing; dropped text is a new article.
TEST_F(Form1ArticlesTest, DroppedFilesOpenAsChapterArticlesAndDroppedTextIsAnArticle)
{
    auto app = Start(S + "Kept|Mary|1\r\nkeep me\r\n" + E, 1);
    TForm1 &form = app->form;
    // As a drag delivers it: it enters, then it is dropped where it entered.
    const auto drop = [&](QWidget *on, QMimeData *mime) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &event);
        delete mime;
    };
    const auto files = [](const QString &path) {
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(path)});
        return mime;
    };
    const QString book = home.Root() + QStringLiteral("/book.epub");
    TempHome::WriteFile(book, DocumentSamples::Epub());
    QWidget *textBox = form.Core().Articles().EntryAt(1)->View()->TextBox;
    drop(textBox, files(book));
    ASSERT_EQ(form.Core().Articles().Count(), 3);
    EXPECT_EQ(form.Core().Articles().EntryAt(1)->Text(), QStringLiteral("keep me")) << "not the file's name";
    EXPECT_EQ(form.Core().Articles().EntryAt(2)->Title(), QStringLiteral("Chapter One"));
    EXPECT_EQ(form.Core().Articles().EntryAt(3)->Title(), QStringLiteral("Chapter Two"));
    EXPECT_TRUE(form.Core().Articles().EntryAt(3)->Text().contains(QStringLiteral("striking thirteen")));
    EXPECT_EQ(SavedRecords(), 3);
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("3 articles")) << "not still opening";
    EXPECT_TRUE(LogText().contains(QStringLiteral("Opening book.epub…")));

    const QString torn = home.Root() + QStringLiteral("/torn.epub");
    TempHome::WriteFile(torn, DocumentSamples::Epub().left(400));
    drop(textBox, files(torn));
    const auto told = Messages::TakeRecorded();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].text.contains(torn)) << told[0].text.toStdString();
    EXPECT_EQ(form.Core().Articles().Count(), 3);
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("3 articles"));
    EXPECT_FALSE(QGuiApplication::overrideCursor());

    auto *text = new QMimeData;
    text->setText(QStringLiteral("Dropped words to read."));
    drop(&form, text);
    ASSERT_EQ(form.Core().Articles().Count(), 4);
    EXPECT_EQ(form.Core().Articles().EntryAt(4)->Text(), QStringLiteral("Dropped words to read."));
}

// A web page is opened by its address (typed, dropped, copied), read as its
// article; a fetch that hangs shows itself and Cancel ends it.
TEST_F(Form1ArticlesTest, AWebAddressOpensItsArticleAndAFetchCanBeCancelled)
{
    TWebServer server(QStringLiteral(PARLEWIND_TEST_SUPPORT "/../documents/data/pages"));
    ASSERT_TRUE(server.Running());
    auto app = Start(S + "Kept|Mary|1\r\nkeep me\r\n" + E, 1);
    TForm1 &form = app->form;
    // Types an address into File > Open Web Address and presses OK, and stops a
    // fetch that is shown.
    QString typed, shown;
    bool cancel = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QInputDialog *>(w); dialog && dialog->isVisible() && !typed.isEmpty()) {
                dialog->setTextValue(std::exchange(typed, {}));
                dialog->accept();
            }
            if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible() && cancel && shown.isEmpty()) {
                shown = dialog->labelText();
                dialog->findChild<QPushButton *>()->click();
            }
        }
    });
    answer.start(5);
    const QString news = server.Address(QStringLiteral("/pages/news.html"));
    typed = news;
    form.OpenAddressMItm->trigger();
    ASSERT_EQ(form.Core().Articles().Count(), 2);
    EXPECT_EQ(form.Core().Articles().EntryAt(2)->Title(), QStringLiteral("Harbour wall to be rebuilt after winter storms"));
    EXPECT_TRUE(form.Core().Articles().EntryAt(2)->Text().contains(QStringLiteral("Penmoor")));
    EXPECT_FALSE(form.Core().Articles().EntryAt(2)->Text().contains(QStringLiteral("cookies")));

    // Hanging: shown as fetched, stopped at once, nothing added, nothing told.
    DocumentOpen::SetShowAfter(0);
    cancel = true;
    typed = server.Address(QStringLiteral("/slow"));
    QElapsedTimer clock;
    clock.start();
    form.OpenAddressMItm->trigger();
    DocumentOpen::SetShowAfter(500);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Fetching http://127.0.0.1:"))) << shown.toStdString();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(form.Core().Articles().Count(), 2);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    // A link dropped from a browser; an address copied, once the offer is taken.
    auto *link = new QMimeData;
    link->setUrls({QUrl(server.Address(QStringLiteral("/pages/recipe.html")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, link, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, link, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &drop);
    delete link;
    ASSERT_EQ(form.Core().Articles().Count(), 3);
    EXPECT_EQ(form.Core().Articles().EntryAt(3)->Title(), QStringLiteral("Lentil soup with lemon"));
    Messages::SetAnswer(true);
    form.ClipboardChanged(server.Address(QStringLiteral("/pages/blog.html")), true);
    const auto told = Messages::TakeRecorded();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].text, QStringLiteral("Read the page at %1?").arg(server.Address(QStringLiteral("/pages/blog.html"))));
    ASSERT_EQ(form.Core().Articles().Count(), 4);
    EXPECT_EQ(form.Core().Articles().EntryAt(4)->Title(), QStringLiteral("Why I switched to a paper notebook"));

    // Pasted into an article: offered too; declined, the address is pasted as text.
    Messages::SetAnswer(false);
    QApplication::clipboard()->setText(server.Address(QStringLiteral("/pages/docs.html")));
    QTest::qWait(100);
    Messages::TakeRecorded(); // the watched clipboard's own offer
    ASSERT_TRUE(form.Core().Articles().CurrentEntry() && form.Core().Articles().CurrentEntry()->View());
    QPlainTextEdit *box = form.Core().Articles().CurrentEntry()->View()->TextBox;
    box->moveCursor(QTextCursor::End);
    box->paste();
    EXPECT_EQ(Messages::TakeRecorded().size(), 1u);
    EXPECT_TRUE(box->toPlainText().endsWith(QStringLiteral("/pages/docs.html")));
    Messages::SetAnswer(true);
    box->paste();
    EXPECT_EQ(Messages::TakeRecorded().size(), 1u);
    for (int k = 0; k < 200 && form.Core().Articles().Count() < 5; ++k)
        QTest::qWait(50);
    ASSERT_EQ(form.Core().Articles().Count(), 5);
    EXPECT_EQ(form.Core().Articles().EntryAt(5)->Title(), QStringLiteral("Configuring backups"));

    // A page that is not there: told by its address and the server's answer.
    const QString gone = server.Address(QStringLiteral("/pages/gone.html"));
    typed = gone;
    form.OpenAddressMItm->trigger();
    const auto failed = Messages::TakeRecorded();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0].text, gone + QStringLiteral(" answered 404 Not Found; it was not opened."));
    EXPECT_EQ(form.Core().Articles().Count(), 5);
}

// A long PDF is read while the window shows how far it is; Cancel stops it and
// leaves the list as it was.
TEST_F(Form1ArticlesTest, ALongPdfShowsItsProgressAndCanBeStopped)
{
    auto app = Start(S + "Kept|Mary|1\r\nkeep me\r\n" + E, 1);
    TForm1 &form = app->form;
    const QString book = home.Root() + QStringLiteral("/long.pdf");
    TempHome::WriteFile(book, DocumentSamples::PdfPages(400));
    DocumentOpen::SetShowAfter(0);
    QString shown;
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QProgressDialog *>(w);
            if (dialog && dialog->isVisible() && shown.isEmpty()) {
                shown = dialog->labelText();
                dialog->findChild<QPushButton *>()->click();
            }
        }
    });
    cancel.start(1);
    form.OpenFiles({book});
    cancel.stop();
    DocumentOpen::SetShowAfter(500);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Opening long.pdf"))) << shown.toStdString();
    EXPECT_EQ(form.Core().Articles().Count(), 1);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("1 article"));
    EXPECT_FALSE(QGuiApplication::overrideCursor());

    form.OpenFiles({book});
    ASSERT_EQ(form.Core().Articles().Count(), 2);
    EXPECT_TRUE(form.Core().Articles().EntryAt(2)->Text().endsWith(QStringLiteral("Page 400 of many.")));

    // A page the PDF library would lay out for many minutes: the window goes on
    // answering, and is told of it after the reader's time runs out.
    const QString stacked = home.Root() + QStringLiteral("/stacked.pdf");
    TempHome::WriteFile(stacked, DocumentSamples::StackedPdf());
    const TDocumentProcess::TLimits limits = TDocumentProcess::Limits();
    TDocumentProcess::SetLimits({limits.MemoryBytes, limits.Seconds, 1});
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(100);
    form.OpenFiles({stacked});
    TDocumentProcess::SetLimits(limits);
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(form.Core().Articles().Count(), 2);
    const auto told = Messages::TakeRecorded();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].text.startsWith(stacked) && told[0].text.contains(QStringLiteral("took too long to read")))
        << told[0].text.toStdString();
}

TEST_F(Form1ArticlesTest, ChangingTheModeDropsBlankArticles)
{
    auto app = Start(S + "A|Mary|1\r\nalpha\r\n" + E, 1);
    TForm1 &form = app->form;
    form.Core().AddNew();
    ASSERT_EQ(form.Core().Articles().Count(), 2);
    form.ToolButton1->click();
    EXPECT_EQ(form.Core().Prefs().ML_ListMode, 0);
    EXPECT_TRUE(Item(form, QStringLiteral("&Options"), QStringLiteral("&Single Article"))->isChecked());
    EXPECT_EQ(form.MemoListBox1->VisibleEntries(), 1);
    ASSERT_EQ(form.Core().Articles().Count(), 1);
    EXPECT_EQ(form.Core().Articles().EntryAt(1)->Text(), QStringLiteral("alpha"));
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Entering Single-Article Mode\n")));

    form.Core().Articles().EntryAt(1)->SetText(QString());
    Item(form, QStringLiteral("&Options"), QStringLiteral("&Multi Article"))->trigger();
    EXPECT_EQ(form.Core().Prefs().ML_ListMode, 1);
    EXPECT_TRUE(form.ToolButton2->isChecked());
    EXPECT_EQ(form.Core().Articles().Count(), 1);
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Calling AddNew\n")));
}

TEST_F(Form1ArticlesTest, NewArticlesTakeTheDefaultARandomOrTheNextFavouriteVoice)
{
    auto app = Start(QByteArray(), 1);
    TForm1 &form = app->form;
    EXPECT_EQ(form.Core().FavoriteVoices(), (QStringList{"Mary", "Mike", "Sam"}));
    form.Core().Prefs().MI_Voice = 2;
    QStringList chosen;
    for (int i = 0; i < 4; ++i)
        chosen << form.Core().ChooseVoice();
    EXPECT_EQ(chosen, (QStringList{"Mary", "Mike", "Sam", "Mary"}));
    form.Core().Prefs().MI_Voice = 1;
    QSet<QString> seen;
    for (int i = 0; i < 60; ++i)
        seen.insert(form.Core().ChooseVoice());
    EXPECT_EQ(seen, (QSet<QString>{"Mary", "Mike", "Sam"}));
    form.Core().Prefs().MI_Voice = 0;
    form.Core().Prefs().TTS_DefaultVoiceName = QStringLiteral("Sam");
    EXPECT_EQ(form.Core().ChooseVoice(), QStringLiteral("Sam"));
    // No favourites left: the default voice rather than nothing.
    for (const auto &v : app->voices.Voices)
        v->Favorite = false;
    form.Core().LoadFavoriteVoices();
    form.Core().Prefs().MI_Voice = 1;
    EXPECT_EQ(form.Core().ChooseVoice(), QStringLiteral("Sam"));
}

TEST_F(Form1ArticlesTest, AFailedSaveIsShownInTheStatusLine)
{
    auto app = Start(QByteArray(), 1);
    QFile::remove(SavedArticles::File());
    QDir().mkpath(SavedArticles::File()); // a folder where the file should be
    app->form.Core().AddNew();
    EXPECT_TRUE(app->form.StatusPanel0->text().startsWith(QStringLiteral("The articles could not be saved: ")))
        << app->form.StatusPanel0->text().toStdString();
}

TEST_F(Form1ArticlesTest, TheAutoMinimiseWaitsForTheImport)
{
    auto app = Start(QByteArray(), 1);
    app->form.Core().Articles().Importing = true;
    app->form.Timer1->start();
    QMetaObject::invokeMethod(app->form.Timer1, "timeout");
    EXPECT_TRUE(app->form.Timer1->isActive());
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Import in progress.  Resetting timer\n")));
    app->form.Core().Articles().Importing = false;
    QMetaObject::invokeMethod(app->form.Timer1, "timeout");
    EXPECT_FALSE(app->form.Timer1->isActive());
}

// A list of n articles as the program writes it.
QByteArray SavedList(int n, const QByteArray &text = "some words to read")
{
    QByteArray saved;
    for (int i = 1; i <= n; ++i)
        saved += S + "Article " + QByteArray::number(i) + "|Mary|1\r\n" + text + "\r\n" + E;
    return saved;
}

// An exit (SIGTERM at log-out, say) that arrives while the list is restored or saved
// waits for that to finish, and then saves the whole list.
TEST_F(Form1ArticlesTest, AnExitDuringARestoreOrASaveSavesTheWholeList)
{
    TempHome::WriteFile(SavedArticles::File(), SavedList(500, QByteArray(2000, 'w')));
    {
        auto app = Start(QByteArray(), 1); // the file above
        (void)app;
    }
    ASSERT_EQ(SavedRecords(), 500);
    for (const bool duringSave : {false, true}) {
        SCOPED_TRACE(duringSave ? "save" : "restore");
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
        FormWithVoices app;
        if (!duringSave)
            QTimer::singleShot(0, &app.form, [&] { app.form.Core().RequestExit(true); });
        app.form.show();
        if (duringSave) {
            QTimer::singleShot(0, &app.form, [&] { app.form.Core().RequestExit(true); });
            Item(app.form, QStringLiteral("&File"), QStringLiteral("&Add New"))->trigger(); // saves, letting events run between records
        }
        EXPECT_EQ(app.form.Core().State(), rsExiting);
        EXPECT_EQ(app.form.Core().Articles().Count(), duringSave ? 501 : 500);
        QCoreApplication::processEvents();
        EXPECT_EQ(SavedRecords(), duringSave ? 501 : 500);
        EXPECT_TRUE(LogText().contains(QStringLiteral("Exit waits for the operation in progress")));
    }
}

// A cleaned configuration folder does not make the user new: the saved articles
// come back (in the mode that holds them all), never the introduction.
TEST_F(Form1ArticlesTest, MissingSettingsRestoreTheSavedArticles)
{
    TempHome::WriteFile(SavedArticles::File(), SavedList(3));
    QFile::remove(home.SettingsFile());
    {
        FormWithVoices app;
        ASSERT_TRUE(app.ShowActive());
        EXPECT_EQ(app.form.Core().Articles().Count(), 3);
        EXPECT_TRUE(app.form.StatusPanel0->text().contains(QStringLiteral("The settings were missing")))
            << app.form.StatusPanel0->text().toStdString();
        app.form.Core().RequestExit();
    }
    EXPECT_EQ(SavedRecords(), 3);
}

// A restore that keeps fewer articles than the file holds must not be saved over
// the file silently: the file is kept beside it and the status line says so.
TEST_F(Form1ArticlesTest, ARestoreThatKeepsLessKeepsTheFileAndSaysSo)
{
    const QByteArray three = SavedList(3);
    QByteArray laterDamaged = three;
    laterDamaged.replace(laterDamaged.indexOf(S, 1), 6, "??????");
    const struct Case
    {
        const char *name;
        QByteArray saved;
        int mode;
        QString status;
    } cases[] = {
        {"damaged first line", "X" + three.mid(1), 1, QStringLiteral("The saved articles file is damaged: 0 of 2")},
        {"damaged later record", laterDamaged, 1, QStringLiteral("The saved articles file is damaged: 1 of 2")},
        {"single-article mode", three, 0, QStringLiteral("1 of the 3 saved articles were restored")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(SavedArticles::File() + QStringLiteral(".bak"));
        auto app = Start(c.saved, c.mode);
        ASSERT_TRUE(app->ShowActive());
        EXPECT_TRUE(app->form.StatusPanel0->text().startsWith(c.status)) << app->form.StatusPanel0->text().toStdString();
        EXPECT_TRUE(app->form.StatusPanel0->text().contains(SavedArticles::File() + QStringLiteral(".bak")));
        app->form.Core().RequestExit();
        EXPECT_EQ(TempHome::ReadFile(SavedArticles::File() + QStringLiteral(".bak")), c.saved);
    }
    // A whole restore keeps no copy; nor does a list whose only loss is a blank article.
    QFile::remove(SavedArticles::File() + QStringLiteral(".bak"));
    auto app = Start(S + "Blank|Mary|0\r\n\r\n" + E + three, 1);
    EXPECT_FALSE(QFile::exists(SavedArticles::File() + QStringLiteral(".bak")));
}

TEST_F(Form1ArticlesTest, ADamagedSettingsFileIsToldNotOnlyTraced)
{
    TempHome::WriteFile(home.SettingsFile(), QByteArray("[Soft\x01\xff\nware\n=\n\x00\x00zz\x80\x81", 20));
    FormWithVoices app;
    ASSERT_TRUE(app.ShowActive());
    ASSERT_TRUE(QFile::exists(home.SettingsFile() + QStringLiteral(".damaged")));
    EXPECT_TRUE(app.form.StatusPanel0->text().contains(QStringLiteral("is damaged; defaults are used")))
        << app.form.StatusPanel0->text().toStdString();
}

TEST_F(Form1ArticlesTest, OpenChecksTheFileBeforeReplacingTheArticle)
{
    auto app = Start(S + "Kept|Mary|1\r\nkeep me\r\n" + E, 0);
    const QString folder = home.Root() + QStringLiteral("/docs");
    TempHome::WriteFile(folder + QStringLiteral("/image.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    TempHome::WriteFile(folder + QStringLiteral("/empty.txt"), "\r\n");
    QFile huge(folder + QStringLiteral("/huge.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024)); // sparse
    huge.close();
    for (const char *name : {"image.png", "empty.txt", "huge.txt", "missing.txt", ""}) {
        SCOPED_TRACE(name);
        FileDialogs::SetNextAnswer(folder + QLatin1Char('/') + QLatin1String(name)); // "" is the folder
        app->form.ReadFileBtn->click();
        EXPECT_EQ(Messages::TakeRecorded().size(), 1);
        ASSERT_EQ(app->form.Core().Articles().Count(), 1);
        EXPECT_EQ(app->form.Core().Articles().EntryAt(1)->Text(), QStringLiteral("keep me"));
        EXPECT_TRUE(TempHome::ReadFile(SavedArticles::File()).contains("keep me"));
    }
}

TEST_F(Form1ArticlesTest, TypingAndRenamingAreSavedSoonAfter)
{
    auto app = Start(S + "Note|Mary|1\r\ntext\r\n" + E, 1);
    app->form.Core().findChild<QTimer *>(QStringLiteral("SaveTimer"))->setInterval(50);
    TMemoEntry *entry = app->form.Core().Articles().EntryAt(1);
    ASSERT_NE(entry->View(), nullptr);
    entry->View()->TextBox->moveCursor(QTextCursor::End);
    QTest::keyClicks(entry->View()->TextBox, QStringLiteral(" typed"));
    entry->View()->Strip->StartEdit();
    entry->View()->Strip->TitleEditor->setText(QStringLiteral("Renamed"));
    ASSERT_TRUE(WaitUntil([&] { return TempHome::ReadFile(SavedArticles::File()).contains("Renamed|Mary|1\r\ntext typed"); }, 3000));
}

TEST_F(Form1ArticlesTest, AFailedSaveAtExitKeepsTheProgramOpenUnlessTheSystemEndsIt)
{
    auto app = Start(QByteArray(), 1);
    QFile::remove(SavedArticles::File());
    QDir().mkpath(SavedArticles::File()); // a folder where the file should be
    app->form.Core().RequestExit();
    const auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("The articles could not be saved to ") + SavedArticles::File()));
    EXPECT_EQ(app->form.Core().State(), rsIdle);
    EXPECT_TRUE(app->form.PlayToolBtn->isEnabled());

    app->form.Core().RequestExit(true);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(app->form.Core().State(), rsExiting);
    EXPECT_TRUE(LogText().contains(QStringLiteral("the saved file was left as it was")));
}

TEST_F(Form1ArticlesTest, UnfinishedCopiesOfSavedFilesAreRemovedAtStart)
{
    const QString stale[] = {SavedArticles::File() + QStringLiteral(".aB3xYz"), home.SettingsFile() + QStringLiteral(".Q1w2E3")};
    for (const QString &file : stale)
        TempHome::WriteFile(file, "half");
    TempHome::WriteFile(SavedArticles::File() + QStringLiteral(".bak"), "kept");
    // The settings store's lock, as a kill leaves it: empty, or naming a process
    // that is gone. Kept, the exit's save of the settings waits 30 s for it.
    for (const QByteArray &lock : {QByteArray(), QByteArray("999999999\nparlewind\nhost\n")}) {
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        TempHome::WriteFile(SavedArticles::File(), SavedList(1));
        TempHome::WriteFile(home.SettingsFile() + QStringLiteral(".lock"), lock);
        auto app = std::make_unique<FormWithVoices>();
        app->form.show();
        for (const QString &file : stale)
            EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
        EXPECT_TRUE(QFile::exists(SavedArticles::File() + QStringLiteral(".bak")));
        EXPECT_FALSE(QFile::exists(home.SettingsFile() + QStringLiteral(".lock")));
        app->form.Core().RequestExit();
    }
}

} // namespace

namespace {

double Luminance(const QColor &c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The articles and their commands by keyboard alone, under a dark desktop palette.
TEST_F(Form1ArticlesTest, ArticlesAreReachedNamedAndEditedByKeyboardInADarkTheme)
{
    const QPalette light = QApplication::palette();
    QPalette dark;
    for (const auto &[role, color] : {std::pair{QPalette::Window, "#303030"}, {QPalette::WindowText, "#eeeeee"},
                                      {QPalette::Base, "#1e1e1e"}, {QPalette::Text, "#eeeeee"},
                                      {QPalette::Button, "#3a3a3a"}, {QPalette::ButtonText, "#eeeeee"},
                                      {QPalette::Link, "#6cb4ff"}})
        dark.setColor(role, QColor(QLatin1String(color)));
    auto app = Start(S + "One|Mike|1\r\nfirst\r\n" + E + S + "Two|Sam|1\r\nsecond\r\n" + E + S + "|Sam|1\r\nthird\r\n" + E, 1);
    TForm1 &form = app->form;
    TArticleList &list = form.Core().Articles();
    // The desktop turns dark while the program runs: marked and unmarked articles
    // take the new colours and stay readable.
    QApplication::setPalette(dark);
    ASSERT_TRUE(WaitUntil([&] { return list.SelectedColor == dark.color(QPalette::Base); }, 2000));
    list.MarkEntry(2);
    for (int k = 1; k <= 3; ++k) {
        const QColor back = list.EntryAt(k)->View()->TextBox->palette().color(QPalette::Base);
        EXPECT_EQ(back, k == 2 ? list.SelectedColor : list.UnselectedColor) << k;
        EXPECT_GE(Contrast(back, dark.color(QPalette::Text)), 4.5) << back.name().toStdString();
    }

    ASSERT_TRUE(app->ShowActive() && WaitUntil([&] { return form.isActiveWindow(); }, 3000));
    list.MarkEntry(1);
    QPlainTextEdit *first = list.EntryAt(1)->View()->TextBox;
    ASSERT_TRUE(first->hasFocus());
    EXPECT_EQ(first->accessibleName(), QStringLiteral("Article 1 of 3: One"));
    QTest::keyClick(first, Qt::Key_Tab); // a character of the text
    EXPECT_TRUE(list.EntryAt(1)->Text().contains(u'\t'));
    QTest::keyClick(first, Qt::Key_Tab, Qt::ControlModifier); // leaves it
    EXPECT_FALSE(first->hasFocus());

    const auto key = [&](QKeySequence sequence) {
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : &form, sequence);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    key(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EXPECT_EQ(list.PositionOf(list.CurrentEntry()), 3);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Article 3 of 3"));
    key(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    EXPECT_EQ(list.PositionOf(list.CurrentEntry()), 2);
    key(QKeySequence(Qt::Key_F2)); // the title and voice of the marked article
    TPropertyPanel &strip = *list.EntryAt(2)->View()->Strip;
    ASSERT_TRUE(strip.TitleEditor->isVisible());
    strip.TitleEditor->setFocus();
    QTest::keyClicks(strip.TitleEditor, QStringLiteral(" news"));
    EXPECT_EQ(list.EntryAt(2)->Title(), QStringLiteral("Two news"));
    key(QKeySequence::New);
    EXPECT_EQ(list.Count(), 4);

    // Within each menu an underlined letter chooses one item only.
    QList<QMenu *> menus{form.PopupMenu1};
    for (QAction *top : form.menuBar()->actions())
        menus << top->menu();
    for (const QMenu *menu : std::as_const(menus)) {
        QSet<QChar> letters;
        for (const QAction *item : menu->actions()) {
            const qsizetype amp = item->text().indexOf(u'&');
            if (amp < 0 || amp + 1 >= item->text().size())
                continue;
            const QChar letter = item->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << menu->title().toStdString() << ": " << item->text().toStdString();
            letters.insert(letter);
        }
    }
    QApplication::setPalette(light);
}

} // namespace
