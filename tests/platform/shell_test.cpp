#include "platform/shell/AutoStart.h"
#include "platform/shell/Confinement.h"
#include "platform/shell/GlobalShortcut.h"
#include "platform/shell/ProgramPaths.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <linux/io_uring.h>
#include <sched.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

TEST(ProgramPathsTest, ProgramDirFollowsTheEnvironmentAndIsCreated)
{
    TempHome home;
    EXPECT_EQ(ProgramPaths::ProgramDir(), home.ProgramDir());
    EXPECT_TRUE(QFileInfo(home.ProgramDir()).isDir());

    qunsetenv("PARLEWIND_HOME");
    EXPECT_EQ(ProgramPaths::ProgramDir(), home.Root() + QStringLiteral("/data/Parlewind"));
}

TEST(ProgramPathsTest, JoinAndQuote)
{
    EXPECT_EQ(ProgramPaths::JoinPath(QStringLiteral("/a/"), QStringLiteral("/b")), QStringLiteral("/a/b"));
    EXPECT_EQ(ProgramPaths::JoinPath(QStringLiteral("/"), QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(ProgramPaths::QuoteArgument(QStringLiteral("/usr/bin/parlewind")),
              QStringLiteral("/usr/bin/parlewind"));
    EXPECT_EQ(ProgramPaths::QuoteArgument(QStringLiteral("/opt/my apps/pw")),
              QStringLiteral("\"/opt/my apps/pw\""));
    EXPECT_EQ(ProgramPaths::QuoteArgument(QStringLiteral("/x/$a\"b`c\\d")),
              QStringLiteral("\"/x/\\$a\\\"b\\`c\\\\d\""));
    EXPECT_EQ(ProgramPaths::QuoteArgument(QString()), QStringLiteral("\"\""));
}

TEST(ProgramPathsTest, ShippedFilesAreFoundAndTheProgramDirCopyWins)
{
    TempHome home;
    EXPECT_TRUE(ProgramPaths::DataFile(QStringLiteral("no-such-file.txt")).isEmpty());
    TempHome::WriteFile(home.ProgramDir() + QStringLiteral("/help/index.html"), "mine");
    EXPECT_EQ(ProgramPaths::DataFile(QStringLiteral("help/index.html")),
              home.ProgramDir() + QStringLiteral("/help/index.html"));
}

TEST(AutoStartTest, EntryIsWrittenEscapedAndRemoved)
{
    TempHome home;
    const QString name = QStringLiteral("Parlewind");
    EXPECT_FALSE(AutoStart::Exists(name));
    EXPECT_FALSE(AutoStart::Remove(name));

    const QString command =
        ProgramPaths::QuoteArgument(QStringLiteral("/opt/my apps/pw\\x")) + QStringLiteral(" -auto");
    ASSERT_TRUE(AutoStart::Write(name, command));
    EXPECT_EQ(AutoStart::EntryPath(name), home.ConfigDir() + QStringLiteral("/autostart/Parlewind.desktop"));
    EXPECT_TRUE(AutoStart::Exists(name));
    const QString text = QString::fromUtf8(TempHome::ReadFile(AutoStart::EntryPath(name)));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    // Quoted for the command line, then backslashes doubled for the file.
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/my apps/pw\\\\\\\\x\" -auto\n"))) << text.toStdString();

    EXPECT_TRUE(AutoStart::Remove(name));
    EXPECT_FALSE(AutoStart::Exists(name));
}

TEST(AutoStartTest, WriteFailsWhenTheFolderCannotBeMade)
{
    TempHome home;
    TempHome::WriteFile(home.ConfigDir(), "a file, not a folder");
    EXPECT_FALSE(AutoStart::Write(QStringLiteral("Parlewind"), QStringLiteral("pw -auto")));
    EXPECT_FALSE(AutoStart::Exists(QStringLiteral("Parlewind")));
}

// Ways a subverted parser was once seen to reach out of its confinement: each
// still open is said; how many were.
int OpenDoors()
{
    const pid_t parent = ::getppid();
    io_uring_params ring{};
    siginfo_t info{};
    char byte = 0;
    iovec local{&byte, 1}, remote{&byte, 1};
    const std::pair<bool, const char *> doors[] = {
        {::syscall(SYS_io_uring_setup, 4, &ring) < 0, "an io_uring was set up (it makes sockets of its own)"},
        {::syscall(SYS_pidfd_open, parent, 0) < 0, "a process descriptor of the parent was had"},
        {::syscall(SYS_tkill, parent, 0) != 0, "the parent was reached by tkill"},
        {::syscall(SYS_tgkill, parent, parent, 0) != 0, "the parent was reached by tgkill"},
        {::syscall(SYS_rt_sigqueueinfo, parent, 0, &info) != 0, "a signal was queued to the parent"},
        {::syscall(SYS_process_vm_readv, parent, &local, 1, &remote, 1, 0) < 0, "the parent's memory was read"},
        {::ptrace(PTRACE_ATTACH, parent, nullptr, nullptr) != 0, "the parent was traced"},
        {::syscall(SYS_unshare, CLONE_NEWUSER) != 0, "a namespace was made"},
    };
    int open = 0;
    for (const auto &[shut, what] : doors) {
        if (!shut) {
            std::fprintf(stderr, "%s\n", what);
            ++open;
        }
    }
    return open;
}

// What a document could make its reader do once it is shut in: each line is a
// way out that must stay shut, or a thing it must still be able to do.
TEST(ConfinementTest, AConfinedProcessReadsButWritesConnectsStartsAndSignalsNothing)
{
    TempHome home;
    const QByteArray kept = (home.Root() + QStringLiteral("/kept.txt")).toLocal8Bit();
    const QByteArray made = (home.Root() + QStringLiteral("/made.txt")).toLocal8Bit();
    TempHome::WriteFile(QString::fromLocal8Bit(kept), "kept");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QString error;
            if (!Confinement::Apply({qint64(512) << 20, 10}, &error)) {
                std::fprintf(stderr, "not confined: %s\n", qPrintable(error));
                std::_Exit(1);
            }
            int wrong = 0;
            const auto expect = [&wrong](bool holds, const char *what) {
                if (!holds) {
                    std::fprintf(stderr, "%s\n", what);
                    ++wrong;
                }
            };
            expect(::open("/usr/share/common-licenses/GPL-3", O_RDONLY | O_CLOEXEC) >= 0, "the system's data cannot be read");
            expect(!Confinement::ReadsKeptToSystemData() || ::open(kept.constData(), O_RDONLY | O_CLOEXEC) < 0,
                   "a user's file was read");
            expect(::open(kept.constData(), O_WRONLY | O_CLOEXEC) < 0, "a file was opened for writing");
            expect(::open(kept.constData(), O_RDWR | O_CLOEXEC) < 0, "a file was opened for reading and writing");
            expect(::open(made.constData(), O_CREAT | O_EXCL | O_RDONLY | O_CLOEXEC, 0600) < 0, "a file was made");
            expect(::open(kept.constData(), O_TRUNC | O_RDONLY | O_CLOEXEC) < 0, "a file was emptied");
            expect(::rename(kept.constData(), made.constData()) != 0, "a file was renamed");
            expect(::unlink(kept.constData()) != 0, "a file was removed");
            expect(::socket(AF_UNIX, SOCK_STREAM, 0) < 0, "a local socket was made");
            expect(::socket(AF_INET, SOCK_DGRAM, 0) < 0, "a network socket was made");
            expect(::kill(::getppid(), 0) != 0, "another process could be signalled");
            expect(OpenDoors() == 0, "a door out of the confinement was open");
            expect(::execl("/bin/true", "true", static_cast<char *>(nullptr)) != 0, "a program was started");
#if !defined(__SANITIZE_ADDRESS__)
            expect(std::malloc(size_t(1) << 30) == nullptr, "more memory than allowed was had");
#endif
            std::_Exit(wrong);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(TempHome::ReadFile(QString::fromLocal8Bit(kept)), QByteArray("kept"));
    EXPECT_FALSE(QFileInfo::exists(QString::fromLocal8Bit(made)));
}

// A child started to end with its parent (the document reader, Flite's pieces)
// does not outlive a parent that is killed.
TEST(ConfinementTest, AChildEndsWithItsParent)
{
    TempHome home;
    // The death test runs this test again from its start: the file is named in
    // the environment, which it keeps.
    if (qEnvironmentVariableIsEmpty("PARLEWIND_TEST_PID_FILE"))
        qputenv("PARLEWIND_TEST_PID_FILE", (home.Root() + QStringLiteral("/child.pid")).toLocal8Bit());
    const QString pidFile = qEnvironmentVariable("PARLEWIND_TEST_PID_FILE");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QProcess child;
            // It keeps none of this process's descriptors: the test's pipe stays ours.
            child.setChildProcessModifier([ends = Confinement::EndsWithParent()] {
                ends();
                for (int fd = 3; fd < 1024; ++fd)
                    ::close(fd);
            });
            child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
            child.waitForStarted(5000);
            TempHome::WriteFile(pidFile, QByteArray::number(child.processId()));
            ::kill(::getpid(), SIGKILL);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    const QByteArray pid = TempHome::ReadFile(pidFile);
    ASSERT_FALSE(pid.isEmpty());
    const auto gone = [&pid] {
        const QByteArray stat = TempHome::ReadFile(QStringLiteral("/proc/") + QString::fromLatin1(pid) + QStringLiteral("/stat"));
        return stat.isEmpty() || stat.contains(") Z");
    };
    EXPECT_TRUE(QTest::qWaitFor(gone, 3000)) << "the child outlived its parent";
    ::kill(pid_t(pid.toLong()), SIGKILL);
    qunsetenv("PARLEWIND_TEST_PID_FILE");
}

// Where there is no X server, the key is asked of the desktop's shortcuts portal (a
// stand-in for KDE's on a bus of the test's own): the key wished for is asked, the
// desktop's answer shown, a press of our session's shortcut reads; a changed key
// closes the old session, whose presses no longer count; a refusal is told.
TEST(GlobalShortcutTest, ThePortalGivesTheKeyAndTellsOfPresses)
{
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    EXPECT_FALSE(GlobalShortcut::Available()) << "no portal yet";

    QProcess portal;
    portal.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PARLEWIND_TEST_SUPPORT "/fake_portal.py")});
    ASSERT_TRUE(portal.waitForReadyRead(10000)) << portal.readAllStandardError().toStdString();
    ASSERT_EQ(portal.readLine().trimmed(), "ready");
    QByteArrayList heard;
    const auto hear = [&](const std::function<bool()> &until) {
        return QTest::qWaitFor(
            [&] {
                while (portal.canReadLine())
                    heard << portal.readLine().trimmed();
                return until();
            },
            5000);
    };
    const auto closed = [&](int sessions) {
        return hear([&] { return std::count_if(heard.begin(), heard.end(), [](const QByteArray &l) { return l.startsWith("close "); }) == sessions; });
    };
    ASSERT_TRUE(GlobalShortcut::Available());
    GlobalShortcut shortcut;
    QSignalSpy pressed(&shortcut, &GlobalShortcut::Activated);
    QSignalSpy answered(&shortcut, &GlobalShortcut::Answered);
    const auto press = [&](const char *order) {
        const int before = int(pressed.size());
        portal.write(order);
        return QTest::qWaitFor([&] { return pressed.size() > before; }, 1000);
    };

    ASSERT_TRUE(shortcut.Set(QKeySequence(QStringLiteral("Ctrl+Alt+Shift+S"))));
    EXPECT_TRUE(hear([&] { return heard.contains("bind CTRL+ALT+SHIFT+s"); }));
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_TRUE(answered.last().at(0).toString().contains(QStringLiteral("holds this shortcut as CTRL+ALT+SHIFT+s")));
    EXPECT_TRUE(press("press\n"));

    // Another key: a new session; the old one's shortcut is gone.
    ASSERT_TRUE(shortcut.Set(QKeySequence(QStringLiteral("Ctrl+Alt+F5"))));
    EXPECT_TRUE(hear([&] { return heard.contains("bind CTRL+ALT+F5"); }));
    EXPECT_TRUE(closed(1));
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_FALSE(press("press-old\n"));
    EXPECT_TRUE(press("press\n"));

    // Turned down in the desktop's dialog: said, and nothing is pressed.
    portal.write("refuse\n");
    ASSERT_TRUE(shortcut.Set(QKeySequence(QStringLiteral("Ctrl+Alt+F6"))));
    ASSERT_TRUE(answered.wait(5000));
    EXPECT_EQ(answered.last().at(0).toString(), QStringLiteral("The shortcut was not confirmed in the desktop's dialog."));
    EXPECT_FALSE(press("press\n"));
    EXPECT_TRUE(closed(3)) << "the refused session is closed too";

    // None: given back.
    ASSERT_TRUE(shortcut.Set(QKeySequence(QStringLiteral("Ctrl+Alt+F7"))));
    ASSERT_TRUE(answered.wait(5000));
    ASSERT_TRUE(shortcut.Set(QKeySequence()));
    EXPECT_FALSE(press("press\n"));
    EXPECT_TRUE(closed(4));

    portal.closeWriteChannel();
    portal.waitForFinished(5000);
    bus.kill();
    bus.waitForFinished();
}

} // namespace
