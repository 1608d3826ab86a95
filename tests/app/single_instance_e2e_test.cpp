#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/TempHome.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>
#include <memory>
#include <vector>

// Only one instance of the program runs at a time.
namespace {

QString ReadText(const QString &path) { return QString::fromUtf8(TempHome::ReadFile(path)); }

int VisibleMainWindows() { return static_cast<int>(VisibleWindows(QStringLiteral("^Parlewind MP3$")).size()); }

using Program = ProgramProcess;

using SingleInstanceTest = ProgramTest;

TEST_F(SingleInstanceTest, ASecondStartRestoresTheFirstAndEndsWithoutCreatingAnything)
{
    Program first({QStringLiteral("-auto")});
    ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Minimizing now.")); }, 15000))
        << LogText().toStdString();
    ASSERT_TRUE(WaitFor([] { return VisibleMainWindows() == 0; }, 3000));

    Program second;
    ASSERT_TRUE(second.Process().waitForFinished(5000));
    EXPECT_EQ(second.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.Process().exitCode(), 0);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Restore request received")); }, 3000));
    EXPECT_TRUE(WaitFor([] { return VisibleMainWindows() == 1; }, 3000));
    // The second start did not even rotate the log.
    EXPECT_FALSE(QFileInfo::exists(home.ProgramDir() + QStringLiteral("/parlewind1.dbg")));

    // Ending the session (SIGTERM) goes through the exit command and saves.
    first.Terminate();
    ASSERT_TRUE(first.Process().waitForFinished(5000));
    EXPECT_EQ(first.Process().exitCode(), 0);
    const QString text = LogText();
    EXPECT_TRUE(text.contains(QStringLiteral("Entered ExitParlewindClick")));
    EXPECT_TRUE(text.contains(QStringLiteral("Exitting FormDestroy")));
    const QString settings = ReadText(home.SettingsFile());
    EXPECT_TRUE(settings.contains(QStringLiteral("BrivantaTech\\Parlewind\\FirstTimeUser=")));
    EXPECT_TRUE(settings.contains(QStringLiteral("BrivantaTech\\Windows\\parlewind\\Form1\\Maximized=")));
}

TEST_F(SingleInstanceTest, ThreeSimultaneousStartsLeaveOneInstance)
{
    std::vector<std::unique_ptr<Program>> programs;
    for (int i = 0; i < 3; ++i)
        programs.push_back(std::make_unique<Program>());
    // The two that hand over finish; the one that stays keeps running.
    ASSERT_TRUE(WaitFor([&] {
        int finished = 0;
        for (auto &p : programs)
            finished += p->Running() ? 0 : 1;
        return finished == 2;
    }, 10000));
    QThread::msleep(500);
    int running = 0;
    for (auto &p : programs) {
        if (p->Running()) {
            ++running;
        } else {
            EXPECT_TRUE(p->Process().waitForFinished(1000));
            EXPECT_EQ(p->Process().exitCode(), 0);
        }
    }
    EXPECT_EQ(running, 1);
    EXPECT_TRUE(WaitFor([] { return VisibleMainWindows() == 1; }, 3000));
    for (auto &p : programs) {
        if (p->Running()) {
            p->Terminate();
            EXPECT_TRUE(p->Process().waitForFinished(5000));
            EXPECT_EQ(p->Process().exitCode(), 0);
        }
    }
}

TEST_F(SingleInstanceTest, AStaleLockAndSocketFromACrashDoNotBlockTheNextStart)
{
    {
        Program crashed;
        ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 15000));
        crashed.Signal(SIGKILL);
        ASSERT_TRUE(crashed.Process().waitForFinished(3000));
    }
    QFile::remove(log);
    Program next;
    EXPECT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 15000))
        << LogText().toStdString();
    EXPECT_TRUE(next.Running());
    next.Terminate();
    EXPECT_TRUE(next.Process().waitForFinished(5000));
}

// Without XDG_RUNTIME_DIR (su, sudo, cron) the channel's folder is made in the
// temporary folder: one that another user made first, or that others may enter,
// is refused with a message; nothing is sent to whoever listens there.
TEST_F(SingleInstanceTest, AFolderOthersCanEnterIsNeverUsedForTheChannel)
{
    ASSERT_EQ(::getuid(), 0u) << "making another user's folder needs root (as CI runs)";
    const QString tmp = home.Root() + QStringLiteral("/tmp");
    QDir().mkpath(tmp);
    const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                      QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(home.Root(), open);
    QFile::setPermissions(tmp, open | QFile::WriteOther | QFile::WriteGroup);
    const QString folder = tmp + QStringLiteral("/parlewind-0");
    const QString file = home.Root() + QStringLiteral("/private bank statement.txt");
    TempHome::WriteFile(file, "Private.");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), tmp);
    const struct
    {
        const char *name;
        const char *owner; // as which user the folder is made and listened in
        const char *said;
    } cases[] = {
        {"another user's", "65534", "belongs to another user"},
        {"ours, open to all", "0", "can be used by other users too"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder).removeRecursively();
        // The other user makes the folder first and listens in it, answering as we would.
        QProcess listener;
        listener.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=%1").arg(QLatin1String(c.owner)), QStringLiteral("--regid=%1").arg(QLatin1String(c.owner)),
                        QStringLiteral("--clear-groups"), QStringLiteral("/usr/bin/python3"), QStringLiteral("-c"),
                        QStringLiteral("import os, socket, sys\n"
                                       "os.mkdir(sys.argv[1]); os.chmod(sys.argv[1], 0o777)\n"
                                       "s = socket.socket(socket.AF_UNIX); s.bind(sys.argv[1] + '/parlewind.socket'); s.listen(8)\n"
                                       "print('ready', flush=True)\n"
                                       "while True:\n"
                                       "    c, _ = s.accept(); print('heard', c.recv(65536), flush=True); c.sendall(b'ok\\n'); c.close()\n"),
                        folder});
        ASSERT_TRUE(listener.waitForReadyRead(5000)) << listener.readAllStandardError().toStdString();
        ASSERT_EQ(listener.readLine().trimmed(), "ready");
        for (const QStringList &args : {QStringList{QStringLiteral("--stop")}, QStringList{file}}) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(PARLEWIND_BINARY), args);
            ASSERT_TRUE(p.waitForFinished(10000));
            EXPECT_EQ(p.exitCode(), 1) << args.join(u' ').toStdString();
            EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QLatin1String(c.said))) << args.join(u' ').toStdString();
        }
        QThread::msleep(200);
        EXPECT_EQ(listener.readAllStandardOutput(), QByteArray()) << "something reached the other user's listener";
        listener.kill();
        listener.waitForFinished(3000);
    }
}

// The channel stays open to our own commands: a flood of idle connections at a low
// descriptor limit, a line without end, a command it does not know.
TEST_F(SingleInstanceTest, TheChannelOutlastsFloodsEndlessLinesAndUnknownCommands)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral("prlimit"), {QStringLiteral("--nofile=128:128"), QStringLiteral(PARLEWIND_BINARY)});
    ASSERT_TRUE(WaitFor([&] { return LogText().contains(QStringLiteral("Exiting FormShow")); }, 20000)) << LogText().toStdString();
    const QString socketName = home.RuntimeDir() + QStringLiteral("/parlewind.socket");
    const auto command = [](const QString &argument) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral(PARLEWIND_BINARY), {argument});
        return p.waitForFinished(10000) ? p.exitCode() : -1;
    };
    std::vector<std::unique_ptr<QLocalSocket>> flood;
    for (int k = 0; k < 200; ++k) {
        flood.push_back(std::make_unique<QLocalSocket>());
        flood.back()->connectToServer(socketName);
        flood.back()->waitForConnected(1000);
    }
    EXPECT_EQ(command(QStringLiteral("--show")), 0) << "a flood of idle connections shut the channel";
    // A line without an end is cut off, not kept.
    QLocalSocket endless;
    endless.connectToServer(socketName);
    ASSERT_TRUE(endless.waitForConnected(1000));
    endless.write(QByteArray(300 * 1024, 'x'));
    endless.waitForBytesWritten(3000);
    EXPECT_TRUE(endless.state() == QLocalSocket::UnconnectedState || endless.waitForDisconnected(5000));
    // A command it does not know is an error, not "ok".
    QLocalSocket unknown;
    unknown.connectToServer(socketName);
    ASSERT_TRUE(unknown.waitForConnected(1000));
    unknown.write("command format-disk\n");
    ASSERT_TRUE(unknown.waitForReadyRead(3000));
    EXPECT_TRUE(unknown.readLine().startsWith("error ")) << "an unknown command was taken";
    flood.clear();
    EXPECT_EQ(command(QStringLiteral("--stop")), 0);
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(10000));
}

} // namespace
