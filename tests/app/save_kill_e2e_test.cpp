#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

// The real program killed (SIGKILL) at random moments while it saves a long list at
// exit: the saved file is always the old list or the new one, whole, and the next
// start removes what an interrupted save left beside it.
namespace {

using SaveKillTest = ProgramTest;

QStringList Leftovers(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("PWExport.txt.*")}, QDir::Files | QDir::Hidden);
}

// The program has the new copy of the list open: a named "PWExport.txt.XXXXXX", or
// the unnamed file (O_TMPFILE) that shows as "#123 (deleted)" in its folder.
bool Saving(qint64 pid, const QString &dir)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fds + QLatin1Char('/') + fd).symLinkTarget();
        if (target.startsWith(dir + QStringLiteral("/PWExport.txt.")) || target.startsWith(dir + QStringLiteral("/#")))
            return true;
    }
    return false;
}

TEST_F(SaveKillTest, AKillDuringASaveLeavesTheOldOrTheNewListWhole)
{
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    StoredPrefs::Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    // The old list in LF line ends; the program writes the same list in CR LF.
    QByteArray old;
    for (int i = 1; i <= 500; ++i)
        old += "||||||Parlewind MP3 Start of Article||||||\nArticle " + QByteArray::number(i) + "|Mary|1\n" +
               QByteArray(20000, char('a' + i % 26)) + "\n||||||Parlewind MP3 End of Article||||||\n";
    const QString file = home.ProgramDir() + QStringLiteral("/PWExport.txt");
    // Starts the program on the old list and asks it to end. With a kill moment, it
    // is killed that many microseconds after its save began (once the unfinished
    // copy appears); otherwise the save's duration is measured.
    qint64 saveUs = 0;
    const auto run = [&](qint64 killAfterUs) {
        TempHome::WriteFile(file, old);
        ProgramProcess program;
        EXPECT_TRUE(WaitFor([&] { return LogText().count(QStringLiteral("Exiting FormShow")) > 0; }, 20000));
        EXPECT_TRUE(Leftovers(home.ProgramDir()).isEmpty()) << Leftovers(home.ProgramDir()).join(u' ').toStdString();
        const qint64 pid = program.Process().processId();
        program.Terminate();
        QElapsedTimer clock;
        while (!Saving(pid, home.ProgramDir()) && program.Running())
            QThread::usleep(100);
        clock.start();
        if (killAfterUs >= 0) {
            QThread::usleep(static_cast<unsigned long>(killAfterUs));
            program.Signal(SIGKILL);
        } else {
            while (Saving(pid, home.ProgramDir()) && program.Running())
                QThread::usleep(100);
            const qint64 took = clock.nsecsElapsed() / 1000;
            saveUs = saveUs > 0 ? std::min(saveUs, took) : took;
        }
        EXPECT_TRUE(program.Process().waitForFinished(10000)) << LogText().right(2000).toStdString();
        QFile::remove(log);
        return TempHome::ReadFile(file);
    };
    // The shortest of three saves: one slowed by a busy moment would put most kills
    // after the saves that follow.
    const QByteArray saved = run(-1);
    run(-1);
    run(-1);
    ASSERT_EQ(saved.count("Start of Article||||||\r\n"), 500);
    ASSERT_GT(saveUs, 0);

    int interrupted = 0;
    // Anywhere in the save, and a little after it. Saves on a machine that has
    // become quieter are shorter: a kill that came after the save narrows the span.
    qint64 span = saveUs * 11 / 10;
    for (int trial = 0; trial < 100 && !HasFailure(); ++trial) {
        const qint64 delay = QRandomGenerator::global()->bounded(span);
        const QByteArray now = run(delay);
        EXPECT_TRUE(now == old || now == saved) << "trial " << trial << " killed " << delay << " us into the save: "
                                                << now.size() << " bytes";
        interrupted += now == old ? 1 : 0;
        if (now == saved)
            span = std::max(std::min(span, delay) * 9 / 10 + 1, saveUs / 20 + 1);
    }
    // Many kills must have hit a save in progress, or the test proves nothing.
    EXPECT_GT(interrupted, 40) << "the save took " << saveUs << " us, the span ended at " << span << " us";
    // The next start removes what the last one left.
    run(-1);
    EXPECT_TRUE(Leftovers(home.ProgramDir()).isEmpty());
}

} // namespace
