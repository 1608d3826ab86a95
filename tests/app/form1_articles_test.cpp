#include "FormWithVoices.h"
#include "articles/MemoListBox.h"
#include "log/UtilsClass.h"
#include "platform/shell/FileDialogs.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "speech/SpTools.h"
#include "support/FakeEngine.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolButton>

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
            TempHome::WriteFile(TForm1::ExportFile(), saved);
        auto app = std::make_unique<FormWithVoices>();
        app->form.show();
        EXPECT_TRUE(app->form.Initialized);
        return app;
    }
    int SavedRecords() const { return static_cast<int>(TempHome::ReadFile(TForm1::ExportFile()).count(S)); }

    TempHome home;
    FakeEngineInstall fake;
};

TEST_F(Form1ArticlesTest, TheFirstStartShowsTheIntroductionAndLaterStartsTheSavedList)
{
    {
        FormWithVoices app;
        app.form.show();
        ASSERT_TRUE(app.form.Initialized);
        EXPECT_FALSE(app.form.Prefs->FirstTimeUser);
        ASSERT_EQ(app.form.MemoListBox1->Count(), 1); // single-article mode keeps the last
        EXPECT_EQ(app.form.MemoListBox1->EntryAt(1)->Title(), QStringLiteral("Welcome_to_Parlewind"));
        app.form.ExitParlewindClick();
    }
    EXPECT_EQ(SavedRecords(), 1);
    EXPECT_EQ(StoredPrefs::Stored(QStringLiteral("FirstTimeUser")), QStringLiteral("false"));

    auto app = Start(S + "One|Mike|1\r\nfirst\r\n" + E + S + "Two|Sam|1\r\nsecond\r\n" + E, 1);
    TMemoListBox &list = *app->form.MemoListBox1;
    ASSERT_EQ(list.Count(), 2);
    app->form.activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return app->form.ListInfoInitialized; }, 3000));
    EXPECT_EQ(list.CurrentEntry(), list.EntryAt(1));
    EXPECT_EQ(app->form.StatusPanel0->text(), QStringLiteral("2 articles"));
    EXPECT_TRUE(list.EntryAt(2)->OnDelete); // restored articles are connected
}

TEST_F(Form1ArticlesTest, NoSavedListGivesOneBlankArticleAndNoArticlesInTheStatus)
{
    auto app = Start(QByteArray(), 0);
    ASSERT_TRUE(WaitUntil([&] { return app->form.ListInfoInitialized; }, 3000));
    ASSERT_EQ(app->form.MemoListBox1->Count(), 1);
    EXPECT_TRUE(app->form.MemoListBox1->EntryAt(1)->IsBlank());
    EXPECT_EQ(app->form.CountText(), QStringLiteral("No articles"));
    EXPECT_EQ(app->form.StatusPanel0->text(), QStringLiteral("No articles"));
    EXPECT_EQ(app->form.MemoListBox1->EntryAt(1)->Voice(), QStringLiteral("Mary")); // the default voice
}

TEST_F(Form1ArticlesTest, AddingAndDeletingArticlesSavesTheListEveryTime)
{
    auto app = Start(S + "One|Mike|1\r\nfirst\r\n" + E + S + "Two|Sam|1\r\nsecond\r\n" + E, 1);
    TForm1 &form = app->form;
    TMemoListBox &list = *form.MemoListBox1;
    form.AddNewPopup->trigger();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(SavedRecords(), 3);
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("3 articles"));

    // An article's own Delete button hides it and saves.
    TMemoEntry *first = list.EntryAt(1);
    first->OnDelete(first);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(SavedRecords(), 2);

    // Delete Selected without a current article.
    ASSERT_EQ(list.CurrentEntry(), nullptr);
    form.DelSelPopup->trigger();
    EXPECT_EQ(Messages::BeepCount(), 1);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("No rows are currently selected"));
    EXPECT_EQ(list.Count(), 2);

    // An article being read is neither deleted nor hidden.
    list.MarkEntry(1);
    list.EntryAt(1)->Locked = true;
    form.DelSelPopup->trigger();
    list.EntryAt(1)->OnDelete(list.EntryAt(1));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].text, QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(shown[1].text, QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(list.Count(), 2);
    list.UnlockAllEntries();

    // Deleting the last article leaves one blank one.
    list.MarkEntry(1);
    form.DelSelPopup->trigger();
    list.MarkEntry(1);
    form.DelSelPopup->trigger();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.EntryAt(1)->IsBlank());
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("No articles"));
}

TEST_F(Form1ArticlesTest, ReplacingAnArticleBeingReadIsRefusedAndTheListStillSaved)
{
    auto app = Start(S + "Only|Mary|1\r\nbeing read\r\n" + E, 0);
    TForm1 &form = app->form;
    form.MemoListBox1->EntryAt(1)->Locked = true;
    QFile::remove(TForm1::ExportFile());
    EXPECT_EQ(form.AddMemo(QStringLiteral("new text"), QStringLiteral("Mike")), nullptr);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("This item is currently being read and cannot be deleted"));
    EXPECT_EQ(form.MemoListBox1->EntryAt(1)->Text(), QStringLiteral("being read"));
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
    EXPECT_EQ(form.Prefs->OpenDlgInitialDir, folder + QLatin1Char('/'));
    ASSERT_EQ(form.MemoListBox1->Count(), 2);
    EXPECT_EQ(form.MemoListBox1->EntryAt(2)->Text(), QStringLiteral("Dear reader,\nthis is a letter."));
    EXPECT_EQ(SavedRecords(), 2);

    const QString binary = folder + QStringLiteral("/image.png");
    TempHome::WriteFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    FileDialogs::SetNextAnswer(binary);
    form.ReadFileBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_EQ(form.MemoListBox1->EntryAt(1)->Text(), QStringLiteral("keep me"));
    EXPECT_EQ(form.MemoListBox1->EntryAt(2)->Text(), QStringLiteral("Dear reader,\nthis is a letter."));

    FileDialogs::SetNextAnswer(QString()); // cancelled
    form.ReadFileBtn->click();
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
}

TEST_F(Form1ArticlesTest, ChangingTheModeDropsBlankArticles)
{
    auto app = Start(S + "A|Mary|1\r\nalpha\r\n" + E, 1);
    TForm1 &form = app->form;
    form.AddNew();
    ASSERT_EQ(form.MemoListBox1->Count(), 2);
    form.ToolButton1->click();
    EXPECT_EQ(form.Prefs->ML_ListMode, 0);
    EXPECT_TRUE(form.SingleArticleMItm->isChecked());
    EXPECT_EQ(form.MemoListBox1->VisibleEntries(), 1);
    ASSERT_EQ(form.MemoListBox1->Count(), 1);
    EXPECT_EQ(form.MemoListBox1->EntryAt(1)->Text(), QStringLiteral("alpha"));
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Entering Single-Article Mode\n")));

    form.MemoListBox1->EntryAt(1)->SetText(QString());
    form.MultiArticleMItm->trigger();
    EXPECT_EQ(form.Prefs->ML_ListMode, 1);
    EXPECT_TRUE(form.ToolButton2->isChecked());
    EXPECT_EQ(form.MemoListBox1->Count(), 1);
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Calling AddNew\n")));
}

TEST_F(Form1ArticlesTest, NewArticlesTakeTheDefaultARandomOrTheNextFavouriteVoice)
{
    auto app = Start(QByteArray(), 1);
    TForm1 &form = app->form;
    EXPECT_EQ(form.FavoriteVoices, (QStringList{"Mary", "Mike", "Sam"}));
    form.Prefs->MI_Voice = 2;
    QStringList chosen;
    for (int i = 0; i < 4; ++i)
        chosen << form.ChooseVoice();
    EXPECT_EQ(chosen, (QStringList{"Mary", "Mike", "Sam", "Mary"}));
    form.Prefs->MI_Voice = 1;
    QSet<QString> seen;
    for (int i = 0; i < 60; ++i)
        seen.insert(form.ChooseVoice());
    EXPECT_EQ(seen, (QSet<QString>{"Mary", "Mike", "Sam"}));
    form.Prefs->MI_Voice = 0;
    form.Prefs->TTS_DefaultVoiceName = QStringLiteral("Sam");
    EXPECT_EQ(form.ChooseVoice(), QStringLiteral("Sam"));
    // No favourites left: the default voice rather than nothing.
    for (const auto &v : app->voices.Voices)
        v->Favorite = false;
    form.LoadFavoriteVoices();
    form.Prefs->MI_Voice = 1;
    EXPECT_EQ(form.ChooseVoice(), QStringLiteral("Sam"));
}

TEST_F(Form1ArticlesTest, AFailedSaveIsShownInTheStatusLine)
{
    auto app = Start(QByteArray(), 1);
    QFile::remove(TForm1::ExportFile());
    QDir().mkpath(TForm1::ExportFile()); // a folder where the file should be
    app->form.AddNew();
    EXPECT_TRUE(app->form.StatusPanel0->text().startsWith(QStringLiteral("The articles could not be saved: ")))
        << app->form.StatusPanel0->text().toStdString();
}

TEST_F(Form1ArticlesTest, TheAutoMinimiseWaitsForTheImport)
{
    auto app = Start(QByteArray(), 1);
    app->form.MemoListBox1->Importing = true;
    app->form.Timer1->start();
    app->form.Timer1Timer();
    EXPECT_TRUE(app->form.Timer1->isActive());
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Import in progress.  Resetting timer\n")));
    app->form.MemoListBox1->Importing = false;
    app->form.Timer1Timer();
    EXPECT_FALSE(app->form.Timer1->isActive());
}

} // namespace
