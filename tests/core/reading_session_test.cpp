#include "articles/ArticleList.h"
#include "articles/SavedArticles.h"
#include "audio/Mp3Encode.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "articles/ArticleNames.h"
#include "platform/mp3enc/BladeEnc.h"
#include "support/EngineHelpers.h"
#include "support/CoreWithVoices.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// The reading state machine against the program core alone: no window, no widget
// (this runs under a QCoreApplication, where making one aborts), no sound server.
// The scripted engine says when a text is done, so every step is deterministic.
namespace {

class ReadingSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        out = home.Root() + QStringLiteral("/out");
        QDir().mkpath(out);
    }
    void TearDown() override { Mp3AbortRequested = false; }
    // A started core in multi-article mode (or `mode`) with these articles (title, text).
    void Start(const QList<QPair<QString, QString>> &articles, int mode = 1)
    {
        PrepareReading(mode);
        program.reset();
        program = std::make_unique<CoreWithVoices>();
        core = &program->core;
        voices = program->voices.get();
        ASSERT_TRUE(program->Start());
        core->Prefs().OUT_Directory = out;
        TReadingSession &session = core->Session();
        QObject::connect(&session, &TReadingSession::StatusChanged, &session, [this](const QString &text) { status = text; });
        QObject::connect(&session, &TReadingSession::ProgressShown, &session, [this](bool on) { progressShown = on; });
        QObject::connect(&session, &TReadingSession::Progress, &session, [this](int value) { progress = value; });
        QObject::connect(&session, &TReadingSession::WordReached, &session,
                         [this](TMemoEntry *, int start, int end) { word = {start, end}; });
        for (const auto &[title, text] : articles)
            core->AddMemo(text, QStringLiteral("Mary"))->SetTitle(title);
        Messages::TakeRecorded();
    }
    void Done()
    {
        ASSERT_TRUE(s.lastBufSink);
        s.lastBufSink->TextDataDone(0, 0);
    }
    TArticleList &list() { return core->Articles(); }
    // What each command can do now: read, pause, skip, stop.
    QString Can() const
    {
        return QString::fromLatin1("%1%2%3%4")
            .arg(core->CanRead() ? 'R' : '-')
            .arg(core->CanPause() ? 'P' : '-')
            .arg(core->CanSkip() ? 'S' : '-')
            .arg(core->CanStop() ? 'X' : '-');
    }

    TempHome home;
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
    std::unique_ptr<CoreWithVoices> program;
    TProgramCore *core = nullptr;
    CardVoices *voices = nullptr;
    // A file run into `out`: WAV (0) or MP3 (1), one file an article or one for all.
    void FileRun(int format, TReadTarget destination)
    {
        core->Prefs().OUT_FileFormat = quint8(format);
        core->Prefs().OUT_FileDest = quint8(destination);
        core->ReadToFile();
    }
    QStringList OutFiles() const { return QDir(out).entryList(QDir::Files | QDir::Hidden); }
    QString Told() { return Messages::TakeRecorded().value(0).text; }

    QString out;
    QString status;
    bool progressShown = false;
    int progress = -1;
    std::pair<int, int> word{-1, -1};
};

TEST_F(ReadingSessionTest, CommandsFollowTheReadingState)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "first text"}, {"Two", "second text"}}));
    int changes = 0;
    QObject::connect(&core->Session(), &TReadingSession::ReadingChanged, core, [&] { ++changes; });
    QList<bool> paused;
    QObject::connect(&core->Session(), &TReadingSession::PauseChanged, core, [&](bool on) { paused << on; });
    EXPECT_EQ(Can(), QStringLiteral("R---"));
    core->ReadAloud();
    EXPECT_EQ(core->State(), rsReading);
    EXPECT_EQ(Can(), QStringLiteral("-PSX"));
    EXPECT_EQ(s.texts, QStringList{"first text"});
    EXPECT_TRUE(list().EntryAt(1)->Locked);
    EXPECT_EQ(core->CurrentArticle(), list().EntryAt(1));
    EXPECT_EQ(status, QStringLiteral("One : Article 1 of 2"));
    EXPECT_GE(changes, 1);
    core->ReadAloud(); // ignored while reading
    core->ReadToFile();
    EXPECT_EQ(s.texts.size(), 1);

    // Pause and resume go by the state, whatever any button says.
    core->TogglePause();
    EXPECT_EQ(core->State(), rsPaused);
    EXPECT_EQ(Can(), QStringLiteral("-P-X")); // no Skip while paused
    core->TogglePause();
    EXPECT_EQ(core->State(), rsReading);
    core->TogglePause();
    core->Stop(); // Stop while paused
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(paused, (QList<bool>{true, false, true, false}));
    EXPECT_FALSE(list().EntryAt(1)->Locked);
    EXPECT_EQ(core->CurrentArticle(), nullptr);
    EXPECT_FALSE(voices->TTS1->Active());
    EXPECT_EQ(Can(), QStringLiteral("R---"));
    EXPECT_EQ(status, QStringLiteral("2 articles"));
}

TEST_F(ReadingSessionTest, SkipIsForMultiArticleRunsAndTheLastArticleEndsTheRun)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"Only", "the one article"}}, 0));
    core->ReadAloud();
    EXPECT_FALSE(core->CanSkip());
    core->Stop();

    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"Two", "b"}}));
    core->ReadAloud();
    core->Skip();
    EXPECT_TRUE(s.calls.contains(QStringLiteral("AudioReset")));
    Done(); // the engine reports the discarded text
    EXPECT_EQ(s.texts.last(), QStringLiteral("b"));
    EXPECT_EQ(status, QStringLiteral("Two : Article 2 of 2"));
    core->Skip();
    Done();
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(status, QStringLiteral("2 articles"));
}

TEST_F(ReadingSessionTest, AVoiceTestHasNothingToSkipTo)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"Two", "b"}}));
    core->TestVoice(QStringLiteral("Mike"));
    EXPECT_EQ(core->State(), rsReading);
    EXPECT_EQ(Can(), QStringLiteral("-P-X"));
    EXPECT_EQ(s.texts.last(), QStringLiteral("Thanks for trying Parlewind MP3"));
    Done();
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(Can(), QStringLiteral("R---"));
}

TEST_F(ReadingSessionTest, AutomaticDeletionSavesEachStepAndLeavesOneBlankArticle)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"Two", "b"}, {"Three", "c"}}));
    core->Prefs().ML_AutoDelete = true;
    core->ReadAloud();
    Done();
    EXPECT_EQ(list().Count(), 2);
    EXPECT_EQ(TempHome::ReadFile(SavedArticles::File()).count("Start of Article"), 2);
    Done();
    Done();
    EXPECT_EQ(s.texts, (QStringList{"a", "b", "c"}));
    ASSERT_EQ(list().Count(), 1);
    EXPECT_TRUE(list().EntryAt(1)->IsBlank());
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(status, QStringLiteral("No articles"));
    const QByteArray saved = TempHome::ReadFile(SavedArticles::File());
    EXPECT_EQ(saved.count("Start of Article"), 1);
    EXPECT_FALSE(saved.contains("\r\nc\r\n"));
}

TEST_F(ReadingSessionTest, AnArticlesOwnButtonDuringARunReadsOnlyThatArticle)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"Two", "b"}, {"Three", "c"}}));
    core->ReadAloud();
    list().RequestRead(list().EntryAt(3), false);
    EXPECT_EQ(s.texts.last(), QStringLiteral("c"));
    EXPECT_FALSE(list().EntryAt(1)->Locked); // all unlocked first
    Done();
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(s.texts.size(), 2); // the run does not go on
}

TEST_F(ReadingSessionTest, StopOrExitWhileTheNextArticleIsMarkedEndsTheRun)
{
    // Marking the next article lets events run: a command arriving then (here
    // provoked from the list's own signal) ends the run there, and nothing more is read.
    for (const bool exit : {false, true}) {
        SCOPED_TRACE(exit);
        ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"Two", "b"}}));
        core->ReadAloud();
        const auto once = QObject::connect(&list(), &TArticleList::CurrentChanged, core, [this, exit](int position) {
            if (position != 2)
                return;
            if (exit)
                core->RequestExit(true);
            else
                core->Stop();
        });
        Done();
        QObject::disconnect(once);
        EXPECT_EQ(s.texts, QStringList{"a"});
        EXPECT_EQ(core->State(), exit ? rsExiting : rsIdle);
        EXPECT_FALSE(list().EntryAt(2)->Locked);
        s.texts.clear();
    }
}

TEST_F(ReadingSessionTest, FilesNeedTitlesAndAnExistingFolder)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}, {"", "b"}}));
    TMemoEntry *needsTitle = nullptr;
    QObject::connect(&core->Session(), &TReadingSession::ArticleNeedsTitle, core,
                     [&](TMemoEntry *article) { needsTitle = article; });
    FileRun(0, rtMultipleFiles);
    EXPECT_EQ(Told(), QStringLiteral("A title is required for each item entry when\routputting to multiple files"));
    EXPECT_EQ(list().CurrentEntry(), list().EntryAt(2));
    EXPECT_EQ(needsTitle, list().EntryAt(2)); // the window comes to have it typed
    EXPECT_TRUE(s.texts.isEmpty());

    TMemoEntry *untitled = list().EntryAt(2);
    for (const QString &title : {QString(), QStringLiteral("..")}) {
        untitled->SetTitle(title);
        list().RequestRead(untitled, true);
        EXPECT_EQ(Told(), QStringLiteral("A title is required to output speech to a file")) << title.toStdString();
    }
    core->Prefs().OUT_Directory = out + QStringLiteral("/missing");
    list().RequestRead(list().EntryAt(1), true);
    EXPECT_EQ(Told(), QStringLiteral("Output directory ") + out + QStringLiteral("/missing is not valid"));
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_FALSE(voices->TTS1->Active());
}

TEST_F(ReadingSessionTest, TitlesBecomeSafeFileNamesInsideTheOutputFolder)
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

TEST_F(ReadingSessionTest, StopDeletesAnUnfinishedWaveFileButNothingWhenReadingAloud)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"Kept", "a"}, {"Two", "b"}}));
    const QString wav = out + QStringLiteral("/Kept.wav");
    FileRun(0, rtMultipleFiles);
    // The speech goes beside the file's name until it is complete.
    EXPECT_NE(core->Session().SpeechFileName(), wav);
    EXPECT_TRUE(QFile::exists(core->Session().SpeechFileName()));
    EXPECT_FALSE(QFile::exists(wav));
    core->Stop();
    EXPECT_TRUE(OutFiles().isEmpty());
    EXPECT_EQ(core->State(), rsIdle);

    TempHome::WriteFile(out + QStringLiteral("/other.wav"), "keep");
    core->ReadAloud();
    core->Stop();
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/other.wav")));
}

TEST_F(ReadingSessionTest, MultipleMp3FilesAreConvertedAndTheTemporaryFilesRemoved)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}, {"Second", "b"}}));
    // A "temp.wav" of the user's in the folder is not the program's to write over;
    // the speech of a run that was killed (its process gone) is cleaned.
    TempHome::WriteFile(out + QStringLiteral("/temp.wav"), "mine");
    TempHome::WriteFile(out + QStringLiteral("/.parlewind-2147483647-abcdef.wav"), "left by a killed run");
    FileRun(1, rtMultipleFiles);
    EXPECT_TRUE(core->Session().SpeechFileName().contains(QStringLiteral("/.parlewind-%1-").arg(QCoreApplication::applicationPid())));
    EXPECT_TRUE(QFile::exists(core->Session().SpeechFileName()));
    Done();
    EXPECT_EQ(s.texts.last(), QStringLiteral("b")); // read while the first MP3 is made
    Done();
    ASSERT_TRUE(WaitUntil([&] { return core->State() == rsIdle; }, 10000));
    // Nothing but the two files: no speech, no half file beside them.
    EXPECT_EQ(OutFiles(), (QStringList{"First.mp3", "Second.mp3", "temp.wav"}));
    EXPECT_EQ(TempHome::ReadFile(out + QStringLiteral("/temp.wav")), "mine");
    EXPECT_TRUE(QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile()))
                    .contains(QStringLiteral(" - Converting to MP3 format: First.mp3\n")));
    EXPECT_EQ(status, QStringLiteral("2 articles"));
}

TEST_F(ReadingSessionTest, ExitDuringAnMp3RunKeepsTheSpeechAndMakesNoHalfFile)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}, {"Second", "b"}}));
    FileRun(1, rtMultipleFiles);
    core->RequestExit();
    EXPECT_EQ(core->State(), rsExiting);
    EXPECT_TRUE(Mp3AbortRequested);
    EXPECT_EQ(OutFiles(), QStringList{QFileInfo(core->Session().SpeechFileName()).fileName()});
    EXPECT_EQ(s.texts, QStringList{"a"}); // nothing further read
}

TEST_F(ReadingSessionTest, RefusedTextsEndTheReadingAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "a"}}));
    list().EntryAt(1)->SetVoice(QStringLiteral("Nobody"));
    core->ReadAloud();
    EXPECT_EQ(Told(), QStringLiteral("Voice Nobody does not exist"));
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_FALSE(list().EntryAt(1)->Locked);
    EXPECT_FALSE(progressShown);

    core->Session().SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), QStringLiteral("Nobody"));
    EXPECT_EQ(core->State(), rsIdle);
    core->Session().SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), QStringLiteral("Mary"));
    EXPECT_EQ(core->State(), rsReading);
    Done();
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_FALSE(voices->TTS1->Active());
}

TEST_F(ReadingSessionTest, WordPositionsMapThroughTheFilterToTheArticlesOwnWords)
{
    const QString text = QStringLiteral("Visit www.example.org/some/long/path today, please.");
    ASSERT_NO_FATAL_FAILURE(Start({{"Link", text}}, 0));
    core->Prefs().TTS_HighlightPosition = true;
    core->ReadAloud();
    const QString spoken = s.texts.last();
    ASSERT_NE(spoken, text); // it was filtered
    const auto at = [&](const QString &w) { return quint32(spoken.indexOf(w) * 2); };
    const int today = int(text.indexOf(QStringLiteral("today")));

    s.lastBufSink->WordPosition(0, at(QStringLiteral("today")));
    EXPECT_EQ(word, std::make_pair(today, today + 6)); // "today," as the text has it
    EXPECT_EQ(progress, today + 7);
    s.lastBufSink->WordPosition(0, at(QStringLiteral("w w w")));
    EXPECT_EQ(word.first, text.indexOf(QStringLiteral("www")));

    core->Prefs().TTS_HighlightPosition = false;
    s.lastBufSink->WordPosition(0, at(QStringLiteral("please")));
    const int please = int(text.indexOf(QStringLiteral("please")));
    EXPECT_EQ(word, std::make_pair(please, please)); // the caret only
    EXPECT_EQ(core->Session().LastWordHeard(), please);
}

// Failures of a file run end it idle, say where the speech is, and never let a
// second reading recreate the files the run is converting.
TEST_F(ReadingSessionTest, FileRunFailuresEndIdleAndKeepWhatWasMade)
{
    // The MP3 step fails: no MP3, the speech kept, and where it is said.
    ASSERT_NO_FATAL_FAILURE(Start({{"First", "a"}}));
    beFailNextInit(BE_ERR_INVALID_FORMAT_PARAMETERS);
    FileRun(1, rtMultipleFiles);
    ASSERT_NO_FATAL_FAILURE(Done());
    ASSERT_TRUE(WaitUntil([&] { return core->State() == rsIdle; }, 10000));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.startsWith(QStringLiteral("Error opening encoding stream 2")));
    // Kept under the MP3's name, as a wave file.
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("The speech is kept in ") + out + QStringLiteral("/First.wav.")));
    EXPECT_EQ(OutFiles(), QStringList{"First.wav"});

    // An article's own Read while a run's MP3 is being made is refused.
    core->Session().SetState(rsConverting);
    const qsizetype texts = s.texts.size();
    list().RequestRead(list().EntryAt(1), false);
    list().RequestRead(list().EntryAt(1), true);
    EXPECT_EQ(s.texts.size(), texts);
    EXPECT_EQ(core->State(), rsConverting);
    core->Session().SetState(rsIdle);

    // One file for two articles whose folder disappears in between: told, and idle.
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "first"}, {"Two", "second"}}));
    FileRun(0, rtSingleFile);
    ASSERT_TRUE(QDir(out).removeRecursively());
    ASSERT_NO_FATAL_FAILURE(Done());
    EXPECT_EQ(Told(), QStringLiteral("Output directory ") + out + QStringLiteral(" is not valid"));
    EXPECT_EQ(core->State(), rsIdle);
    EXPECT_EQ(Can(), QStringLiteral("R---"));
    EXPECT_FALSE(list().EntryAt(2)->Locked);
}

} // namespace
