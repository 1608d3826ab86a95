#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include "platform/registry/RegistryEnhanced.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The real program natively on Wayland: weston runs inside the test display (so
// that xdotool's keys and clicks reach it), with no notification area; wl-copy is
// the other program that copies.
namespace {

using StoredPrefs::Store;

constexpr int OutputWidth = 1024, OutputHeight = 768;

class WaylandE2ETest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(m_WestonDir.isValid());
        QFile::setPermissions(m_WestonDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_WestonDir.path());
        m_Weston.setProcessEnvironment(env);
        m_Weston.setProcessChannelMode(QProcess::MergedChannels);
        m_Weston.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                        QStringLiteral("--socket=wl-test"), QStringLiteral("--idle-time=0"),
                        QStringLiteral("--width=%1").arg(OutputWidth), QStringLiteral("--height=%1").arg(OutputHeight)});
        ASSERT_TRUE(m_Weston.waitForStarted(5000));
        ASSERT_TRUE(WaitFor([&] { return !WestonWindow().isEmpty(); }, 10000)) << "weston did not start: " << m_Weston.readAll().toStdString();
        // Its shell maps its panel a moment after the socket is there.
        QThread::msleep(500);
        ::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        // Maximised, the window's close box is at a known place.
        TRegistryEnhanced placement;
        placement.Key = QStringLiteral("Software\\BrivantaTech\\Windows\\parlewind\\Form1");
        for (const auto &[name, value] : {std::pair{"Maximized", "1"}, {"Width", "800"}, {"Height", "600"}})
            placement.WriteValue(QLatin1String(name), QLatin1String(value));
    }
    void TearDown() override
    {
        for (auto &copy : m_Copies)
            copy->kill();
        m_Weston.terminate();
        m_Weston.waitForFinished(5000);
    }
    static void Store(const char *name, const char *value) { ::Store(QLatin1String(name), QLatin1String(value)); }

    // What a program on this Wayland desktop is started with.
    QProcessEnvironment Env() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_WestonDir.filePath(QStringLiteral("wl-test")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        env.remove(QStringLiteral("DISPLAY"));
        return env;
    }
    // Runs a program to its end (a Wayland one on weston): its exit status and what it printed.
    std::pair<int, QString> Run(const QString &program, const QStringList &args, bool wayland = false)
    {
        QProcess p;
        if (wayland)
            p.setProcessEnvironment(Env());
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    }
    std::pair<int, QString> Command(const QString &command) { return Run(QStringLiteral(PARLEWIND_BINARY), {command}, true); }
    QString WestonWindow()
    {
        return Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--classname"), QStringLiteral("^weston")})
            .second.section(QLatin1Char('\n'), 0, 0)
            .trimmed();
    }
    // Another program copies `text`: wl-copy takes the focus for a moment and serves the text.
    void Copy(const QString &text)
    {
        auto copy = std::make_unique<QProcess>();
        copy->setProcessEnvironment(Env());
        copy->start(QStringLiteral("wl-copy"), {QStringLiteral("--foreground"), text});
        ASSERT_TRUE(copy->waitForStarted(5000));
        m_Copies.push_back(std::move(copy));
        QThread::msleep(700);
    }
    // Keys go to weston's window, and from there to the window it gives the focus.
    void Keys(const QStringList &args)
    {
        Run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), WestonWindow()});
        Run(QStringLiteral("xdotool"), args);
        QThread::msleep(300);
    }
    // The close box of a maximised window (Qt draws it at the title bar's right end,
    // below weston's panel). weston's pointer moves by the distance the X pointer
    // moves: from its corner to the place.
    void CloseMaximizedWindow()
    {
        Run(QStringLiteral("xdotool"), QStringLiteral("mousemove --window %1 0 0 sleep 0.2 mousemove --window %1 %2 %3 sleep 0.2 click 1")
                                           .arg(WestonWindow())
                                           .arg(OutputWidth - 18)
                                           .arg(32 + 13)
                                           .split(QLatin1Char(' ')));
        QThread::msleep(800);
    }
    // What a person sees on the desktop, read back by text recognition.
    QString Screen()
    {
        const QString shot = home.Root() + QStringLiteral("/screen.png");
        Run(QStringLiteral("import"), {QStringLiteral("-window"), WestonWindow(), shot});
        return Run(QStringLiteral("tesseract"), {shot, QStringLiteral("-")}).second;
    }

    QTemporaryDir m_WestonDir;
    QProcess m_Weston;
    std::vector<std::unique_ptr<QProcess>> m_Copies;
};

// Single-article mode, clipboard watching stored on: nothing the user typed is
// replaced, no clipboard text is taken, reading aloud is heard, Close keeps the
// window (no tray, no floating tool bar asked for), the read commands say why
// they cannot read from the background.
TEST_F(WaylandE2ETest, TypedTextStaysReadingIsHeardAndTheWindowStays)
{
    Store("ML_ListMode", "0");
    Store("CB_Monitor", "true");
    Store("CB_Prompt", "false");
    Store("ToolbarOnMinOption", "0");
    Copy(QStringLiteral("Old text on the clipboard before the start."));
    ProgramProcess program({}, Env());
    ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 20000)) << LogText().toStdString();
    QThread::msleep(500);
    const QString typed = QStringLiteral("Typed by the user");
    Keys({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), typed});
    // A new copy: wl-copy takes the focus and gives it back, twice the old text's hand-over.
    Copy(QStringLiteral("A new copy from another program."));
    Copy(QStringLiteral("Another copy from another program."));
    const QString shown = Screen();
    EXPECT_TRUE(shown.contains(QStringLiteral("Typed by the user"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Watching the clipboard is off"))) << shown.toStdString();

    // Read Aloud (Ctrl+F6), heard on the test sound server.
    const Audible heard = Heard(RecordSink(QStringLiteral("speakers"), [&] {
        Keys({QStringLiteral("key"), QStringLiteral("ctrl+F6")});
        QThread::msleep(1500);
    }));
    EXPECT_GT(heard.count, 2000);
    EXPECT_EQ(Command(QStringLiteral("--stop")).first, 0);

    // Close: nothing could bring the window back, so it stays and says why.
    CloseMaximizedWindow();
    EXPECT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Closed without a notification area")); }, 3000));
    EXPECT_TRUE(Screen().contains(QStringLiteral("Single-Article Options")));

    // In the background (a terminal in front) the selection is out of reach: said, not a silent success.
    QProcess terminal;
    terminal.setProcessEnvironment(Env());
    terminal.start(QStringLiteral("weston-terminal"), QStringList());
    ASSERT_TRUE(terminal.waitForStarted(5000));
    QThread::msleep(1500);
    for (const char *command : {"--read-clipboard", "--read-selection"}) {
        const auto [status, said] = Command(QLatin1String(command));
        EXPECT_EQ(status, 1) << command;
        EXPECT_TRUE(said.contains(QStringLiteral("from the background on this Wayland desktop"))) << said.toStdString();
    }
    terminal.kill();
    terminal.waitForFinished(3000);

    program.Terminate();
    ASSERT_TRUE(program.Process().waitForFinished(10000));
    EXPECT_EQ(program.Process().exitCode(), 0);
    const QString saved = QString::fromUtf8(TempHome::ReadFile(home.ProgramDir() + QStringLiteral("/PWExport.txt")));
    EXPECT_TRUE(saved.contains(typed)) << saved.toStdString();
    EXPECT_FALSE(saved.contains(QStringLiteral("copy from another program"))) << saved.toStdString();
    EXPECT_FALSE(saved.contains(QStringLiteral("Old text on the clipboard"))) << saved.toStdString();
    // The stored choice stays for the sessions that can watch.
    EXPECT_EQ(StoredPrefs::Stored(QStringLiteral("CB_Monitor")), QStringLiteral("true"));
}

// With the floating tool bar asked for, Close leaves it as the way back, and
// --show and a second start bring the window back.
TEST_F(WaylandE2ETest, TheFloatingToolBarAndShowBringTheWindowBack)
{
    Store("ML_ListMode", "0");
    Store("ToolbarOnMinOption", "1");
    ProgramProcess program({}, Env());
    ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 20000)) << LogText().toStdString();
    QThread::msleep(500);
    for (const QString &back : {QStringLiteral("--show"), QString()}) {
        CloseMaximizedWindow();
        const QString closed = Screen();
        EXPECT_TRUE(closed.contains(QStringLiteral("Toolbar"))) << closed.toStdString();
        EXPECT_FALSE(closed.contains(QStringLiteral("Single-Article Options"))) << closed.toStdString();
        EXPECT_EQ((back.isEmpty() ? Run(QStringLiteral(PARLEWIND_BINARY), {}, true) : Command(back)).first, 0) << back.toStdString();
        QThread::msleep(800);
        const QString shown = Screen();
        EXPECT_TRUE(shown.contains(QStringLiteral("Single-Article Options"))) << back.toStdString() << shown.toStdString();
        EXPECT_FALSE(shown.contains(QStringLiteral("Toolbar"))) << shown.toStdString();
    }
    program.Terminate();
    ASSERT_TRUE(program.Process().waitForFinished(10000));
}

} // namespace
