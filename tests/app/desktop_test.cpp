#include "FormWithVoices.h"
#include "app/desktop/DesktopCommands.h"
#include "app/desktop/MediaPlayer.h"
#include "articles/ArticleList.h"
#include "articles/SavedArticles.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/CoreWithVoices.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>

#include <gtest/gtest.h>

// The socket commands and the media-player interface against the program core
// alone: no window, no display (offscreen), no sound server; the media player on
// a private session bus.
namespace {

class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PrepareReading(1);
        program = std::make_unique<CoreWithVoices>();
        ASSERT_TRUE(program->Start());
        for (const char *text : {"first article", "second article"})
            core().AddMemo(QLatin1String(text), QStringLiteral("Mary"))->SetTitle(QLatin1String(text).left(5));
    }
    void Done()
    {
        ASSERT_TRUE(s.lastBufSink);
        s.lastBufSink->TextDataDone(0, 0);
    }

    TempHome home;
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
    std::unique_ptr<CoreWithVoices> program;
    TProgramCore &core() { return program->core; }
};

TEST_F(DesktopTest, CommandsActOnTheCoreInTheStateTheyFind)
{
    TDesktopCommands commands(core());
    int shown = 0;
    QStringList opened;
    QObject::connect(&commands, &TDesktopCommands::ShowRequested, &core(), [&] { ++shown; });
    QObject::connect(&commands, &TDesktopCommands::OpenRequested, &core(), [&](const QStringList &files) { opened += files; });
    const struct
    {
        const char *name;
        TReadState before, after;
    } cases[] = {
        {"pause", rsReading, rsPaused},   {"pause", rsPaused, rsPaused},          {"resume", rsPaused, rsReading},
        {"resume", rsReading, rsReading}, {"toggle-pause", rsReading, rsPaused}, {"toggle-pause", rsPaused, rsReading},
        {"stop", rsReading, rsIdle},      {"stop", rsPaused, rsIdle},             {"skip", rsReading, rsReading},
        {"pause", rsIdle, rsIdle},        {"show", rsIdle, rsIdle},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " from state " + std::to_string(c.before));
        core().Stop();
        if (c.before != rsIdle)
            core().ReadAloud();
        if (c.before == rsPaused)
            core().TogglePause();
        ASSERT_EQ(core().State(), c.before);
        EXPECT_EQ(commands.Refusal(QLatin1String(c.name)), QString());
        EXPECT_TRUE(commands.Run(QLatin1String(c.name)));
        EXPECT_EQ(core().State(), c.after);
    }
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(s.calls.contains(QStringLiteral("AudioReset"))); // the skip
    core().Stop();

    EXPECT_EQ(commands.Refusal(QStringLiteral("dance")), QStringLiteral("Parlewind does not know the command \"dance\"."));
    EXPECT_FALSE(commands.Run(QStringLiteral("dance")));
    EXPECT_TRUE(commands.Run(QStringLiteral("open"), {QStringLiteral("/a.txt"), QStringLiteral("/b.epub")}));
    EXPECT_EQ(opened, (QStringList{"/a.txt", "/b.epub"}));
}

TEST_F(DesktopTest, TheClipboardIsReadAsANewArticleAndPressedAgainItStops)
{
    TDesktopCommands commands(core());
    const int before = core().Articles().Count();
    QGuiApplication::clipboard()->setText(QStringLiteral("Copied words to hear."));
    EXPECT_EQ(commands.Refusal(QStringLiteral("read-clipboard")), QString());
    commands.Run(QStringLiteral("read-clipboard"));
    EXPECT_EQ(core().State(), rsReading);
    EXPECT_EQ(core().Articles().Count(), before + 1);
    EXPECT_EQ(s.texts.last(), QStringLiteral("Copied words to hear."));
    commands.Run(QStringLiteral("read-clipboard")); // again while reading aloud: it stops
    EXPECT_EQ(core().State(), rsIdle);
    EXPECT_EQ(core().Articles().Count(), before + 1);

    // A file run is not interrupted, and the sender learns why.
    core().Prefs().OUT_Directory = home.Root();
    core().Prefs().OUT_FileDest = rtMultipleFiles;
    core().ReadToFile();
    ASSERT_EQ(core().State(), rsReading);
    EXPECT_EQ(commands.Refusal(QStringLiteral("read-clipboard")),
              QStringLiteral("Parlewind is reading to a file; try again when it is done."));
    core().Stop();
    // Nothing to read, or no text: refused with the reason.
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(commands.Refusal(QStringLiteral("read-clipboard")).isEmpty());
    EXPECT_EQ(core().Articles().Count(), before + 1);
}

TEST_F(DesktopTest, TheMediaPlayerSaysWhatTheCoreCanDo)
{
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    ASSERT_TRUE(QDBusConnection::connectToBus(address, QStringLiteral("player-bus")).isConnected());
    QDBusConnection client = QDBusConnection::connectToBus(address, QStringLiteral("client-bus"));
    {
        TDesktopCommands commands(core());
        TMediaPlayer player(core(), commands, QStringLiteral("player-bus"));
        ASSERT_TRUE(player.Registered());
        const QString service = QStringLiteral("org.mpris.MediaPlayer2.parlewind");
        const QString path = QStringLiteral("/org/mpris/MediaPlayer2");
        // Plain messages: an interface object would ask the bus for its description,
        // blocking this thread, which is the one to answer.
        const auto call = [&](const QString &interface, const QString &method, const QVariantList &arguments = {}) {
            QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
            message.setArguments(arguments);
            return client.call(message, QDBus::BlockWithGui, 5000);
        };
        const auto get = [&](const char *name) {
            const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                            {QStringLiteral("org.mpris.MediaPlayer2.Player"), QLatin1String(name)});
            return reply.arguments().value(0).value<QDBusVariant>().variant();
        };
        const auto say = [&](const char *method) { call(QStringLiteral("org.mpris.MediaPlayer2.Player"), QLatin1String(method)); };
        // Status, Play, Pause, Next, Previous as the core allows.
        const auto abilities = [&] {
            return get("PlaybackStatus").toString() + QLatin1Char(' ') + QLatin1Char(get("CanPlay").toBool() ? 'P' : '-') +
                   QLatin1Char(get("CanPause").toBool() ? 'p' : '-') + QLatin1Char(get("CanGoNext").toBool() ? 'n' : '-') +
                   QLatin1Char(get("CanGoPrevious").toBool() ? 'b' : '-');
        };
        EXPECT_EQ(abilities(), QStringLiteral("Stopped P---"));
        say("Play");
        EXPECT_EQ(core().State(), rsReading);
        EXPECT_EQ(abilities(), QStringLiteral("Playing Ppnb"));
        const QVariantMap metadata = qdbus_cast<QVariantMap>(get("Metadata"));
        EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), core().CurrentArticle()->Title());
        say("Pause");
        EXPECT_EQ(abilities(), QStringLiteral("Paused Pp-b"));
        say("PlayPause");
        EXPECT_EQ(core().State(), rsReading);
        say("Next");
        Done();
        EXPECT_EQ(core().CurrentArticle(), core().Articles().EntryAt(core().Articles().Count()));
        say("Stop");
        EXPECT_EQ(abilities(), QStringLiteral("Stopped P---"));
        // A voice test has no next article.
        core().TestVoice(QStringLiteral("Mike"));
        EXPECT_EQ(abilities(), QStringLiteral("Playing Pp-b"));
        core().Stop();
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("client-bus"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player-bus"));
    bus.kill();
    bus.waitForFinished(2000);
}

} // namespace
