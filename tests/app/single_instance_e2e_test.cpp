#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/TempHome.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
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

} // namespace
