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

// The reading controller with the scripted engine: the test says when a text is
// done and where the words are, so every state change is deterministic. The test
// sound server provides the sound card that reading aloud checks first.
namespace {

class Form1ReadingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        WaveOutPresent = true;
        Mp3AbortRequested = false;
        Messages::TakeRecorded();
        StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        out = home.Root() + QStringLiteral("/out");
        QDir().mkpath(out);
    }
    void TearDown() override { Mp3AbortRequested = false; }
    // A started program in multi-article mode with these articles (title, text).
    void Start(const QList<QPair<QString, QString>> &articles, int mode = 1)
    {
        StoredPrefs::Store(QStringLiteral("ML_ListMode"), QString::number(mode));
        app.reset();
        QFile::remove(SavedArticles::File());
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
    EXPECT_FALSE(form().PronunciationMItm->isEnabled());
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

TEST_F(Form1ReadingTest, FilesNeedTitlesAndAnExistingFolder)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"", "b"}}));
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().PlayFileBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("A title is required for each item entry when\routputting to multiple files"));
    EXPECT_EQ(list().CurrentEntry(), list().EntryAt(2));
    ASSERT_NE(list().EntryAt(2)->View(), nullptr);
    EXPECT_TRUE(list().EntryAt(2)->View()->Strip->Editing()); // its title is being edited
    EXPECT_TRUE(s.texts.isEmpty());

    TMemoEntry *untitled = list().EntryAt(2);
    untitled->Owner()->RequestRead(untitled, true);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("A title is required to output speech to a file"));
    untitled->SetTitle(QStringLiteral(".."));
    untitled->Owner()->RequestRead(untitled, true);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("A title is required to output speech to a file"));

    form().Core().Prefs().OUT_Directory = out + QStringLiteral("/missing");
    list().RequestRead(list().EntryAt(1), true);
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("Output directory ") + out + QStringLiteral("/missing is not valid"));
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_FALSE(app->voices.TTS1->Active());
}

TEST_F(Form1ReadingTest, TitlesBecomeSafeFileNamesInsideTheOutputFolder)
{
    const QString dir = QStringLiteral("/data/out");
    EXPECT_EQ(ArticleNames::OutputFile(dir, QStringLiteral("News"), QStringLiteral(".mp3")), QStringLiteral("/data/out/News.mp3"));
    const struct
    {
        QString title, file;
    } names[] = {
        {QStringLiteral("../../etc/x"), QStringLiteral("_._.._etc_x.wav")},
        {QStringLiteral("a\\b\tc"), QStringLiteral("a_b_c.wav")},
        {QStringLiteral(".bashrc"), QStringLiteral("_bashrc.wav")},
        {QStringLiteral("-rf"), QStringLiteral("_rf.wav")},
        {QStringLiteral("CON"), QStringLiteral("CON_.wav")},
        {QStringLiteral("lpt1"), QStringLiteral("lpt1_.wav")},
        {QStringLiteral("Console"), QStringLiteral("Console.wav")},
        {QStringLiteral("invoice\u202Egpj.exe"), QStringLiteral("invoicegpj.exe.wav")},
        // What a memory card or another system refuses.
        {QStringLiteral("Part one: the start?"), QStringLiteral("Part one - the start_.wav")},
        {QStringLiteral("a<b>|c*\"d\":e"), QStringLiteral("a_b__c__d__e.wav")},
        {QStringLiteral("The end."), QStringLiteral("The end.wav")},
    };
    for (const auto &n : names)
        EXPECT_EQ(ArticleNames::OutputFile(dir, n.title, QStringLiteral(".wav")), dir + QLatin1Char('/') + n.file) << n.title.toStdString();
    EXPECT_EQ(ArticleNames::OutputFile(dir + QLatin1Char('/'), QStringLiteral(" spaced "), QStringLiteral(".wav")),
              QStringLiteral("/data/out/ spaced .wav")); // the title as typed
    for (const char *refused : {"", "   ", ".", "..", "..."})
        EXPECT_TRUE(ArticleNames::OutputFile(dir, QLatin1String(refused), QStringLiteral(".wav")).isEmpty()) << refused;
    // Cut to 255 bytes between characters, also between the halves of an emoji.
    for (const QString &title : {QString(300, QChar(0x00e9)), QStringLiteral("a") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(80)}) {
        const QString longName = ArticleNames::OutputFile(dir, title, QStringLiteral(".mp3"));
        EXPECT_LE(QFileInfo(longName).fileName().toUtf8().size(), 255);
        EXPECT_TRUE(longName.endsWith(QStringLiteral(".mp3")));
        EXPECT_EQ(QString::fromUtf8(longName.toUtf8()), longName) << "a character cut in two";
        EXPECT_FALSE(longName.contains(QChar(0xfffd)));
    }
}

TEST_F(Form1ReadingTest, StopDeletesAnUnfinishedWaveFileButNothingWhenReadingAloud)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"Kept", "a"}, {"Two", "b"}}));
    const QString wav = out + QStringLiteral("/Kept.wav");
    form().Core().Prefs().OUT_FileFormat = 0;
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().PlayFileBtn->click();
    // The speech goes beside the file's name until it is complete.
    EXPECT_NE(form().Core().Session().SpeechFileName(), wav);
    EXPECT_TRUE(QFile::exists(form().Core().Session().SpeechFileName()));
    EXPECT_FALSE(QFile::exists(wav));
    form().StopBtn->click();
    EXPECT_TRUE(QDir(out).isEmpty(QDir::Files | QDir::Hidden));
    EXPECT_EQ(form().Core().State(), rsIdle);

    TempHome::WriteFile(out + QStringLiteral("/other.wav"), "keep");
    form().PlayToolBtn->click();
    form().StopBtn->click();
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/other.wav")));
}

TEST_F(Form1ReadingTest, MultipleMp3FilesAreConvertedAndTheTemporaryFilesRemoved)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}, {"Second", "b"}}));
    form().Core().Prefs().OUT_FileFormat = 1;
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    // A "temp.wav" of the user's in the folder is not the program's to write over;
    // the speech of a run that was killed (its process gone) is cleaned.
    TempHome::WriteFile(out + QStringLiteral("/temp.wav"), "mine");
    TempHome::WriteFile(out + QStringLiteral("/.parlewind-2147483647-abcdef.wav"), "left by a killed run");
    form().PlayFileBtn->click();
    EXPECT_TRUE(form().Core().Session().SpeechFileName().contains(QStringLiteral("/.parlewind-%1-").arg(QCoreApplication::applicationPid())));
    EXPECT_TRUE(QFile::exists(form().Core().Session().SpeechFileName()));
    Done();
    EXPECT_EQ(s.texts.last(), QStringLiteral("b")); // read while the first MP3 is made
    Done();
    ASSERT_TRUE(WaitUntil([&] { return form().Core().State() == rsIdle; }, 10000));
    // Nothing but the two files: no speech, no half file beside them.
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), (QStringList{"First.mp3", "Second.mp3", "temp.wav"}));
    EXPECT_EQ(TempHome::ReadFile(out + QStringLiteral("/temp.wav")), "mine");
    EXPECT_TRUE(QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile()))
                    .contains(QStringLiteral(" - Converting to MP3 format: First.mp3\n")));
    EXPECT_EQ(Status(), QStringLiteral("2 articles"));
}

TEST_F(Form1ReadingTest, ExitDuringAnMp3RunKeepsTheSpeechAndMakesNoHalfFile)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}, {"Second", "b"}}));
    form().Core().Prefs().OUT_FileFormat = 1;
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().PlayFileBtn->click();
    form().Core().RequestExit();
    EXPECT_EQ(form().Core().State(), rsExiting);
    EXPECT_TRUE(Mp3AbortRequested);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(form().Core().Session().SpeechFileName()).fileName()});
    EXPECT_EQ(s.texts, QStringList{"a"}); // nothing further read
}

TEST_F(Form1ReadingTest, RefusedTextsEndTheReadingAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}}));
    list().EntryAt(1)->SetVoice(QStringLiteral("Nobody"));
    form().PlayToolBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Voice Nobody does not exist"));
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_FALSE(list().EntryAt(1)->Locked);
    EXPECT_FALSE(form().StatusGauge->isVisible());

    form().Core().Session().SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), QStringLiteral("Nobody"));
    EXPECT_EQ(form().Core().State(), rsIdle);
    form().Core().Session().SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), QStringLiteral("Mary"));
    EXPECT_EQ(form().Core().State(), rsReading);
    EXPECT_FALSE(form().SkipBtn->isEnabled());
    Done();
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_FALSE(app->voices.TTS1->Active());
}

TEST_F(Form1ReadingTest, WordPositionsMapThroughTheFilterToTheArticlesOwnWords)
{
    const QString text = QStringLiteral("Visit www.example.org/some/long/path today, please.");
    ASSERT_NO_FATAL_FAILURE(Start({{"Link", text}}, 0));
    form().PlayToolBtn->click();
    const QString spoken = s.texts.last();
    ASSERT_NE(spoken, text); // it was filtered
    const auto word = [&](const QString &w) { return quint32(spoken.indexOf(w) * 2); };
    QPlainTextEdit *box = list().EntryAt(1)->View()->TextBox;

    s.lastBufSink->WordPosition(0, word(QStringLiteral("today")));
    EXPECT_EQ(box->textCursor().selectedText(), QStringLiteral("today,"));
    EXPECT_EQ(form().StatusGauge->Progress(), text.indexOf(QStringLiteral("today")) + 7);
    s.lastBufSink->WordPosition(0, word(QStringLiteral("w w w")));
    EXPECT_EQ(box->textCursor().selectionStart(), text.indexOf(QStringLiteral("www")));

    form().HighlightPosnClick(false);
    s.lastBufSink->WordPosition(0, word(QStringLiteral("please")));
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_EQ(box->textCursor().position(), text.indexOf(QStringLiteral("please")));
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

namespace {

// Failures of a file run end it idle, say where the speech is, and never let a
// second reading recreate the files the run is converting.
TEST_F(Form1ReadingTest, FileRunFailuresEndIdleAndKeepWhatWasMade)
{
    // The MP3 step fails: no MP3, the speech kept, and where it is said.
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}}));
    form().Core().Prefs().OUT_FileFormat = 1;
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    beFailNextInit(BE_ERR_INVALID_FORMAT_PARAMETERS);
    form().PlayFileBtn->click();
    ASSERT_NO_FATAL_FAILURE(Done());
    ASSERT_TRUE(WaitUntil([&] { return form().Core().State() == rsIdle; }, 10000));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("Error opening encoding stream 2")));
    // Kept under the MP3's name, as a wave file.
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("The speech is kept in ") + out + QStringLiteral("/First.wav.")));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"First.wav"});

    // An article's own Read while a run's MP3 is being made is refused.
    form().Core().Session().SetState(rsConverting);
    const qsizetype texts = s.texts.size();
    list().RequestRead(list().EntryAt(1), false);
    list().RequestRead(list().EntryAt(1), true);
    EXPECT_EQ(s.texts.size(), texts);
    EXPECT_EQ(form().Core().State(), rsConverting);
    form().Core().Session().SetState(rsIdle);

    // One file for two articles whose folder disappears in between: told, and idle.
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "first"}, {"Two", "second"}}));
    form().Core().Prefs().OUT_FileFormat = 0;
    form().Core().Prefs().OUT_FileDest = rtSingleFile;
    form().PlayFileBtn->click();
    ASSERT_TRUE(QDir(out).removeRecursively());
    ASSERT_NO_FATAL_FAILURE(Done());
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Output directory ") + out + QStringLiteral(" is not valid"));
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_EQ(Enabled(), (QStringList{"PlayToolBtn", "PlayFileBtn"}));
    EXPECT_FALSE(list().EntryAt(2)->Locked);
}

} // namespace
