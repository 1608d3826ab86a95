#include "articles/SavedArticles.h"
#include "FormWithVoices.h"
#include "app/options/FileOptionsPage.h"
#include "app/options/ModeSheets.h"
#include "app/options/OutDirDialog.h"
#include "app/tray/NotifyIcon.h"
#include "app/tray/ToolBarForm.h"
#include "articles/ArticleNames.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "audio/Mp3Encode.h"
#include "platform/mp3enc/BladeEnc.h"
#include "controls/Gauge.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/CoreWithVoices.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>
#include <QTreeView>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>

// What the main window shows of the reading, with the scripted engine: the test
// says when a text is done and where the words are, so every state change is
// deterministic. The reading's own logic is tested against the core (tests/core).
namespace {

class Form1ReadingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        out = home.Root() + QStringLiteral("/out");
        QDir().mkpath(out);
    }
    void TearDown() override { Mp3AbortRequested = false; }
    // A started program in multi-article mode with these articles (title, text).
    void Start(const QList<QPair<QString, QString>> &articles, int mode = 1)
    {
        app.reset();
        PrepareReading(mode);
        app = std::make_unique<FormWithVoices>();
        form().show();
        ASSERT_TRUE(form().Core().Initialized());
        form().Core().Prefs().OUT_Directory = out;
        for (const auto &[title, text] : articles)
            form().Core().AddMemo(text, QStringLiteral("Mary"))->SetTitle(title);
        Messages::TakeRecorded();
    }
    TForm1 &form() { return app->form; }
    TArticleList &list() { return app->form.Core().Articles(); }
    // The engine finished the text it was given last.
    void Done()
    {
        ASSERT_TRUE(s.lastBufSink);
        s.lastBufSink->TextDataDone(0, 0);
    }
    QStringList Enabled()
    {
        // The notification menu and the floating tool bar follow the same table.
        const TNotifyIcon &tray = *form().TrayIcon;
        const TToolBarForm &floating = *form().ToolBarForm;
        const std::tuple<QToolButton *, QToolButton *, QAction *> places[] = {
            {form().PlayToolBtn, floating.PlayToolBtn, tray.ReadAloudPONtry},
            {form().PlayFileBtn, floating.PlayFileBtn, tray.ReadToFilePONtry},
            {form().PauseBtn, floating.PauseBtn, tray.PausePONtry},
            {form().PauseBtn, floating.PrevSentenceBtn, tray.PrevSentencePONtry},
            {form().PauseBtn, floating.NextSentenceBtn, tray.NextSentencePONtry},
            {form().SkipBtn, floating.SkipBtn, tray.SkipPONtry},
            {form().StopBtn, floating.StopBtn, tray.StopPONtry}};
        QStringList on;
        for (const auto &[b, elsewhere, item] : places) {
            EXPECT_EQ(elsewhere->isEnabled(), b->isEnabled()) << b->objectName().toStdString();
            EXPECT_EQ(item->isEnabled(), b->isEnabled()) << b->objectName().toStdString();
            if (b->isEnabled() && !on.contains(b->objectName()))
                on << b->objectName();
        }
        return on;
    }
    QString Status() { return form().StatusPanel0->text(); }

    TempHome home;
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
    std::unique_ptr<FormWithVoices> app;
    QString out;
};

TEST_F(Form1ReadingTest, CommandsFollowTheReadingState)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "first text"}, {"Two", "second text"}}));
    EXPECT_EQ(Enabled(), (QStringList{"PlayToolBtn", "PlayFileBtn"}));
    form().PlayToolBtn->click();
    EXPECT_EQ(form().Core().State(), rsReading);
    EXPECT_EQ(Enabled(), (QStringList{"PauseBtn", "SkipBtn", "StopBtn"}));
    EXPECT_FALSE(Item(form(), QStringLiteral("&Options"), QStringLiteral("&Pronunciation Editor"))->isEnabled());
    EXPECT_EQ(s.texts, QStringList{"first text"});
    EXPECT_TRUE(list().EntryAt(1)->Locked);
    EXPECT_EQ(Status(), QStringLiteral("One : Article 1 of 2"));
    form().Core().ReadAloud(); // ignored while reading
    form().Core().ReadToFile();
    EXPECT_EQ(s.texts.size(), 1);

    form().PauseBtn->click();
    EXPECT_EQ(form().Core().State(), rsPaused);
    EXPECT_EQ(form().PauseBtn->text(), QStringLiteral("Resume"));
    EXPECT_EQ(form().PauseMItm->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form().TrayIcon->PausePONtry->text(), QStringLiteral("&Resume"));
    EXPECT_EQ(form().StatusPanel1->text(), QStringLiteral("Pause"));
    EXPECT_EQ(Enabled(), (QStringList{"PauseBtn", "StopBtn"})); // no Skip while paused
    EXPECT_TRUE(s.calls.contains(QStringLiteral("AudioPause")));

    form().StopBtn->click(); // Stop while paused
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_EQ(form().PauseBtn->text(), QStringLiteral("Pause"));
    EXPECT_EQ(form().PauseMItm->text(), QStringLiteral("&Pause"));
    EXPECT_FALSE(list().EntryAt(1)->Locked);
    EXPECT_FALSE(app->voices.TTS1->Active());
    EXPECT_EQ(Enabled(), (QStringList{"PlayToolBtn", "PlayFileBtn"}));
    EXPECT_EQ(Status(), QStringLiteral("2 articles"));
}

TEST_F(Form1ReadingTest, FileOptionsChooseFormatDestinationAndFolder)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}}));
    form().FileOptionsSheet->FileFormatRGrp->button(1)->click();
    EXPECT_EQ(form().Core().Prefs().OUT_FileFormat, 1);
    form().MIOptionsSheet->ODestGrp->button(1)->click();
    EXPECT_EQ(form().Core().Prefs().OUT_FileDest, 1);
    form().FileOptionsSheet->OutDirEdit->setText(QStringLiteral("  ") + out + QStringLiteral("/ "));
    EXPECT_EQ(form().Core().Prefs().OUT_Directory, out); // trimmed, one trailing separator dropped

    const QString chosen = home.Root() + QStringLiteral("/chosen");
    QDir().mkpath(chosen);
    for (const char *name : {"talk.WAV", "news.mp3", "notes.txt"})
        TempHome::WriteFile(chosen + QLatin1Char('/') + QLatin1String(name), "x");
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<TOutDirDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Output Directory"));
        EXPECT_EQ(dialog->SelectedDirectory(), out); // opens at the current folder
        dialog->OpenDirectory(chosen);
        EXPECT_EQ(dialog->PathLabel->text(), chosen);
        // Wave and MP3 files in either case, nothing else.
        QAbstractItemModel *files = dialog->FileList->model();
        EXPECT_TRUE(WaitUntil([&] { return files->rowCount(dialog->FileList->rootIndex()) == 2; }, 3000));
        QStringList shown;
        for (int row = 0; row < files->rowCount(dialog->FileList->rootIndex()); ++row)
            shown << files->index(row, 0, dialog->FileList->rootIndex()).data().toString();
        shown.sort();
        EXPECT_EQ(shown, (QStringList{"news.mp3", "talk.WAV"}));
        // The way down to the folder is open, and a new folder can be made in it.
        EXPECT_TRUE(dialog->DirectoryList->isExpanded(dialog->DirectoryList->currentIndex().parent()));
        dialog->NewFolderBtn->click();
        EXPECT_TRUE(QFileInfo(chosen + QStringLiteral("/New Folder")).isDir());
        EXPECT_EQ(dialog->SelectedDirectory(), chosen + QStringLiteral("/New Folder"));
        dialog->accept();
    });
    form().FileOptionsSheet->Button1->click();
    EXPECT_EQ(form().Core().Prefs().OUT_Directory, chosen + QStringLiteral("/New Folder"));
    EXPECT_EQ(form().FileOptionsSheet->OutDirEdit->text(), chosen + QStringLiteral("/New Folder"));
}

} // namespace

namespace {

// Marking the next article lets events run when it is out of view: a Stop or an
// exit arriving there ends the run instead of reading on over it.
TEST_F(Form1ReadingTest, StopOrExitWhileTheNextArticleIsMarkedEndsTheRun)
{
    for (const bool exiting : {false, true}) {
        SCOPED_TRACE(exiting ? "exit" : "stop");
        ASSERT_NO_FATAL_FAILURE(Start({{"One", "first"}, {"Two", "second"}, {"Three", "third"}, {"Four", "fourth"}}));
        const qsizetype before = s.texts.size();
        form().PlayToolBtn->click();
        ASSERT_NO_FATAL_FAILURE(Done());
        ASSERT_NO_FATAL_FAILURE(Done());
        ASSERT_EQ(s.texts.size(), before + 3);
        // Article four is out of view (three are shown), so marking it lets events run.
        QTimer::singleShot(0, &form(), [this, exiting] {
            exiting ? form().Core().RequestExit(true) : form().Core().Stop();
        });
        ASSERT_NO_FATAL_FAILURE(Done());
        EXPECT_EQ(s.texts.size(), before + 3) << "nothing more was read";
        EXPECT_EQ(form().Core().State(), exiting ? rsExiting : rsIdle);
        if (exiting) {
            QCoreApplication::processEvents(); // the exit goes on once the handler is done
            EXPECT_EQ(TempHome::ReadFile(SavedArticles::File()).count("Start of Article"), 4);
        }
    }
}

// The word being read is a selection: it must not outlive the reading, nor may the
// text change under it.
TEST_F(Form1ReadingTest, TheReadArticleIsReadOnlyAndItsHighlightEndsWithTheReading)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "hello there world"}}, 0));
    form().Core().Prefs().TTS_HighlightPosition = true;
    form().PlayToolBtn->click();
    QPlainTextEdit *box = list().EntryAt(1)->View()->TextBox;
    s.lastBufSink->WordPosition(0, 12); // "there"
    EXPECT_EQ(box->textCursor().selectedText(), QStringLiteral("there"));
    EXPECT_TRUE(box->isReadOnly());
    ASSERT_NO_FATAL_FAILURE(Done());
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_FALSE(box->textCursor().hasSelection());
    box->insertPlainText(QStringLiteral("X"));
    EXPECT_EQ(list().EntryAt(1)->Text().count(QStringLiteral("there")), 1);
}

} // namespace
