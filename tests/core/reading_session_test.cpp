#include "articles/ArticleList.h"
#include "articles/SavedArticles.h"
#include "audio/Mp3Encode.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// The reading state machine against the program core alone: no window, no widget
// (this runs under a QCoreApplication, where making one aborts), no sound server.
// The scripted engine says when a text is done, so every step is deterministic.
namespace {

// A voice manager whose sound card test needs no sound server.
class CardVoices : public TTTSForm
{
public:
    using TTTSForm::TTTSForm;
    int TestWaveOutDevice(int) override { return 0; }
};

class ReadingSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WaveOutPresent = true;
        Mp3AbortRequested = false;
        Messages::TakeRecorded();
        StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    }
    void TearDown() override { Mp3AbortRequested = false; }
    // A started core in multi-article mode (or `mode`) with these articles (title, text).
    void Start(const QList<QPair<QString, QString>> &articles, int mode = 1)
    {
        StoredPrefs::Store(QStringLiteral("ML_ListMode"), QString::number(mode));
        voices.reset();
        core.reset();
        QFile::remove(SavedArticles::File());
        core = std::make_unique<TProgramCore>();
        core->Load();
        voices = std::make_unique<CardVoices>(core->Prefs());
        core->SetVoiceManager(voices.get());
        ASSERT_TRUE(core->Start());
        core->InitializeList();
        QObject::connect(&core->Session(), &TReadingSession::StatusChanged, &core->Session(),
                         [this](const QString &text) { status = text; });
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
    std::unique_ptr<TProgramCore> core;
    std::unique_ptr<CardVoices> voices;
    QString status;
};

TEST_F(ReadingSessionTest, CommandsFollowTheReadingState)
{
    ASSERT_NO_FATAL_FAILURE(Start({{"One", "first text"}, {"Two", "second text"}}));
    int changes = 0;
    QObject::connect(&core->Session(), &TReadingSession::ReadingChanged, core.get(), [&] { ++changes; });
    QList<bool> paused;
    QObject::connect(&core->Session(), &TReadingSession::PauseChanged, core.get(), [&](bool on) { paused << on; });
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
        const auto once = QObject::connect(&list(), &TArticleList::CurrentChanged, core.get(), [this, exit](int position) {
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

} // namespace
