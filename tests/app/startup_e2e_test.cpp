#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

// Starting the real program with and without the speech engine's data.
namespace {

QString ReadText(const QString &path) { return QString::fromUtf8(TempHome::ReadFile(path)); }

using StartupTest = ProgramTest;

TEST_F(StartupTest, WithTheEngineEveryOfferedVoiceIsStoredAtExit)
{
    // Started as at login: minimised, with the floating tool bar, which does not
    // hold the end up by refusing to close.
    ProgramProcess program({QStringLiteral("-auto")});
    ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 15000))
        << LogText().toStdString();
    EXPECT_TRUE(VisibleWindows(QStringLiteral("^Text To Speech Engine not found$")).isEmpty());
    ASSERT_TRUE(WaitFor([] { return !VisibleWindows(QStringLiteral("^Parlewind MP3 Toolbar$")).isEmpty(); }, 5000));
    program.Terminate();
    ASSERT_TRUE(program.Process().waitForFinished(10000));
    EXPECT_EQ(program.Process().exitCode(), 0);

    QStringList offered;
    const QRegularExpression loaded(QStringLiteral(" - Loaded voice (.*)\n"));
    for (auto m = loaded.globalMatch(LogText()); m.hasNext();)
        offered << m.next().captured(1);
    EXPECT_GE(offered.size(), 9) << offered.join(u',').toStdString();
    const QString settings = ReadText(home.SettingsFile());
    for (const char *prefix : {"FAV_", "SPD_", "PIT_"}) {
        EXPECT_EQ(settings.count(QStringLiteral("Parlewind\\") + QLatin1String(prefix)), offered.size()) << prefix;
        for (const QString &name : std::as_const(offered)) {
            // As the settings file escapes a key: all but letters, digits, "_", "-" and "." as %XX.
            QString key = QLatin1String(prefix);
            for (const QChar c : name)
                key += c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.'
                           ? QString(c)
                           : QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
            EXPECT_TRUE(settings.contains(QStringLiteral("Parlewind\\") + key + QLatin1Char('=')))
                << key.toStdString();
        }
    }
    EXPECT_TRUE(settings.contains(QStringLiteral("TTS_DefaultVoiceName=Mary\n")));
}

// The program starts in the desktop's language, or in the one chosen on the Misc
// page: the floating tool bar of a start at login says which.
TEST_F(StartupTest, TheWindowsAreInTheDesktopsLanguageOrTheChosenOne)
{
    const struct
    {
        const char *desktop, *chosen, *toolbar;
    } cases[]{
        {"de_AT:en", "", "^Parlewind MP3 \u2013 Symbolleiste$"},
        {"ar", "", "^\u0634\u0631\u064a\u0637 \u0623\u062f\u0648\u0627\u062a Parlewind MP3$"},
        {"ar", "fr", "^Barre d'outils de Parlewind MP3$"},
    };
    for (const auto &c : cases) {
        StoredPrefs::Store(QStringLiteral("UI_Language"), QLatin1String(c.chosen));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(c.desktop));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        ProgramProcess program({QStringLiteral("-auto")}, env);
        const QString title = QString::fromUtf8(c.toolbar);
        EXPECT_TRUE(WaitFor([&] { return !VisibleWindows(title).isEmpty(); }, 15000))
            << c.desktop << " " << c.chosen;
        program.Terminate();
        ASSERT_TRUE(program.Process().waitForFinished(10000));
    }
}

TEST_F(StartupTest, WithoutEngineDataTheWarningExplainsAndTheProgramEnds)
{
    QTemporaryDir empty;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ESPEAK_DATA_PATH"), empty.path());
    ProgramProcess program({}, env);

    QStringList warning;
    ASSERT_TRUE(WaitFor([&] {
        warning = VisibleWindows(QStringLiteral("^Text To Speech Engine not found$"));
        return !warning.isEmpty();
    }, 15000));
    EXPECT_TRUE(program.Running());
    EXPECT_FALSE(LogText().contains(QStringLiteral("Exiting FormShow")));

    // "Exit Parlewind MP3" is the dialog's default button. The key goes down and up
    // in separate steps: the window is gone before the key comes up, and a key
    // left down would press every later test's default button.
    const auto xdotool = [](const QStringList &args) { QProcess::execute(QStringLiteral("xdotool"), args); };
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), warning.first()});
    xdotool({QStringLiteral("keydown"), QStringLiteral("Return")});
    xdotool({QStringLiteral("keyup"), QStringLiteral("Return")});
    ASSERT_TRUE(program.Process().waitForFinished(10000));
    EXPECT_EQ(program.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.Process().exitCode(), 1);
    const QString text = LogText();
    EXPECT_TRUE(text.contains(QStringLiteral("Entering TTSForm.Initialize")));
    EXPECT_FALSE(text.contains(QStringLiteral("Loaded voice")));
    // Nothing of the user's was written over on the way out.
    EXPECT_FALSE(ReadText(home.SettingsFile()).contains(QStringLiteral("FAV_")));
}

// A display that cannot be reached ends the start with Qt's reason on standard
// error, though espeak-ng is made ready on another thread meanwhile.
TEST_F(StartupTest, WithoutADisplayTheReasonIsOnStandardError)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":9999"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PARLEWIND_BINARY), {});
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_FALSE(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0);
    const QByteArray said = program.readAllStandardError();
    EXPECT_TRUE(said.contains("could not connect to display")) << said.toStdString();
}

// A sound server that takes connections but never answers (a hung one: here a
// socket nobody accepts on) holds neither the start nor the end up; the program
// starts as without one. Waiting on it held the window back 15 to 35 seconds.
TEST_F(StartupTest, ASoundServerThatDoesNotAnswerHoldsNothingUp)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("native")));
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(server, 16), 0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + QFile::decodeName(path));

    QElapsedTimer started;
    started.start();
    ProgramProcess program({}, env);
    ASSERT_TRUE(
        WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 15000))
        << LogText().toStdString();
    EXPECT_LT(started.elapsed(), 8000);
    EXPECT_TRUE(LogText().contains(QStringLiteral("No sound device found")));
    QElapsedTimer ending;
    ending.start();
    program.Terminate();
    ASSERT_TRUE(program.Process().waitForFinished(10000));
    EXPECT_LT(ending.elapsed(), 8000);
    ::close(server);
}

} // namespace
