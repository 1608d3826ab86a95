#include "articles/SavedArticles.h"
#include "FormWithVoices.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "platform/shell/Messages.h"
#include "platform/waveout/WaveOut.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

// The window reading aloud while its sound devices go away, as a headset that is
// unplugged or a sound server that ends and comes back. This program has a sound
// server of its own, so that taking devices away disturbs no other test.
namespace {

QTemporaryDir *serverDir = nullptr;

bool Server(const QString &command)
{
    return QProcess::execute(QStringLiteral(PARLEWIND_SCRIPTS "/sound-server"), {command, serverDir->path()}) == 0;
}

// Unloads the null sink of that name, or every sink.
void Unplug(const QString &sink = QString())
{
    QProcess list;
    list.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")});
    list.waitForFinished(5000);
    for (const QString &line : QString::fromUtf8(list.readAllStandardOutput()).split(u'\n')) {
        if (line.contains(QStringLiteral("module-null-sink")) &&
            (sink.isEmpty() || line.contains(QStringLiteral("sink_name=") + sink)))
            QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), line.section(u'\t', 0, 0)});
    }
}

class SoundDeviceTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        serverDir = new QTemporaryDir;
        qputenv("PULSE_SERVER", ("unix:" + serverDir->path() + "/run/pulse/native").toUtf8());
        qputenv("PULSE_COOKIE", (serverDir->path() + "/cookie").toUtf8());
        ASSERT_TRUE(Server(QStringLiteral("start")));
    }
    static void TearDownTestSuite()
    {
        Server(QStringLiteral("stop"));
        delete serverDir;
    }
    void SetUp() override
    {
        // The audio library reconnects to a restarted server by itself, in seconds.
        ASSERT_TRUE(WaitUntil([] { return waveOutGetNumDevs() == 2; }, 15000)) << "the sound server is not back";
        DetectSpeechSupport();
        Messages::TakeRecorded();
        StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        StoredPrefs::Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
        QFile::remove(SavedArticles::File()); // one article each case, not the last case's too
        app = std::make_unique<FormWithVoices>();
        form().show();
        ASSERT_TRUE(form().Core().Initialized());
        form().Core().AddMemo(QStringLiteral("One two three four five six seven eight nine ten eleven twelve thirteen "
                                      "fourteen fifteen sixteen seventeen eighteen nineteen twenty."),
                       QStringLiteral("Mary"))
            ->SetTitle(QStringLiteral("Count"));
    }
    void TearDown() override
    {
        app.reset();
        Server(QStringLiteral("start")); // both devices back for the next case
    }
    TForm1 &form() { return app->form; }
    int Heard() const
    {
        return app->form.Core().CurrentArticle() && app->form.Core().CurrentArticle()->View()
                   ? app->form.Core().CurrentArticle()->View()->TextBox->textCursor().position()
                   : -1;
    }
    void ReadUntilHeard(int position)
    {
        form().PlayToolBtn->click();
        ASSERT_EQ(form().Core().State(), rsReading);
        ASSERT_TRUE(WaitUntil([&] { return Heard() >= position; }, 10000)) << "nothing was heard";
    }
    // The reading ended with a message naming what went, soon after; the message.
    QString ExpectStoppedAndTold()
    {
        // A stream that cannot be opened again is tried for five seconds.
        EXPECT_TRUE(WaitUntil([&] { return form().Core().State() == rsIdle; }, 8000));
        const auto shown = Messages::TakeRecorded();
        EXPECT_EQ(shown.size(), 1);
        if (shown.isEmpty())
            return {};
        EXPECT_TRUE(shown.first().text.contains(QStringLiteral("is gone. Reading has stopped."))) << shown.first().text.toStdString();
        return shown.first().text;
    }

    TempHome home;
    std::unique_ptr<FormWithVoices> app;
};

// The speakers in use unplugged, the reading goes on on the headset; the sound
// server killed, it stops and says so; the server started again, it is heard.
TEST_F(SoundDeviceTest, ReadingMovesStopsWithAMessageAndWorksAfterARestart)
{
    ReadUntilHeard(5);
    Unplug(QStringLiteral("speakers"));
    const int before = Heard();
    Pump(1500);
    EXPECT_EQ(form().Core().State(), rsReading);
    EXPECT_GT(Heard(), before) << "the reading did not go on on the headset";
    QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("kill -9 $(cat '%1/run/pulse/pid')").arg(serverDir->path())});
    // Named as the device the sound went to last, not the one it left.
    EXPECT_TRUE(ExpectStoppedAndTold().contains(QStringLiteral("\"Parlewind_Test_Headset\"")));
    ASSERT_TRUE(Server(QStringLiteral("start")));
    ReadUntilHeard(20);
    form().StopBtn->click();
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
}

// The last device gone, or the sound server ended, with a command given at once:
// every command returns; a reading told why it stopped, or a paused one that reads
// the rest once its device or server is back.
TEST_F(SoundDeviceTest, EveryCommandReturnsWhenTheDeviceIsGone)
{
    const auto pause = [](TForm1 &f) { f.PauseBtn->click(); };
    const auto none = [](TForm1 &) {};
    const struct Case
    {
        const char *name;
        std::function<void(TForm1 &)> before; // given, then the device goes
        std::function<void()> away;
        std::function<void(TForm1 &)> command;
        TReadState after;
        bool told; // the reading stopped with the message
        bool rest; // the rest of the article was heard
    } cases[] = {
        {"none: the reading notices", none, [] { Unplug(); }, none, rsIdle, true, false},
        {"stop", none, [] { Unplug(); }, [](TForm1 &f) { f.StopBtn->click(); }, rsIdle, false, false},
        // Paused, the reading waits: the device may be back before Resume.
        {"pause", none, [] { Unplug(); }, pause, rsPaused, false, false},
        {"pause, then resume", none, [] { Unplug(); }, [&](TForm1 &f) { pause(f); pause(f); }, rsIdle, true, false},
        {"unplugged while paused, back, resume", pause, [] { Unplug(); Server(QStringLiteral("start")); }, pause,
         rsIdle, false, true},
        {"server ended while paused, back, resume", pause,
         [] { Server(QStringLiteral("stop")); Server(QStringLiteral("start")); }, pause, rsIdle, false, true},
        {"exit", none, [] { Unplug(); }, [](TForm1 &f) { f.Core().RequestExit(); }, rsExiting, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ReadUntilHeard(8);
        c.before(form());
        const int paused = Heard();
        c.away();
        QElapsedTimer clock;
        clock.start();
        c.command(form());
        EXPECT_LT(clock.elapsed(), 1000);
        if (c.told)
            ExpectStoppedAndTold();
        // A reading that goes on is followed to the article's end (140 characters).
        int furthest = paused;
        EXPECT_TRUE(WaitUntil([&] {
            furthest = std::max(furthest, Heard());
            return form().Core().State() == c.after;
        }, 30000));
        if (form().Core().State() == rsExiting)
            break;
        Pump(300);
        EXPECT_EQ(form().Core().State(), c.after);
        EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
        if (c.rest) {
            EXPECT_GT(furthest, 120) << "paused at " << paused;
        }
        TearDown();
        SetUp();
    }
}

} // namespace
