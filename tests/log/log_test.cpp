#include "log/UtilsClass.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QString Log(const QString &suffix)
{
    return UtilsClass::LogBase() + suffix + QStringLiteral(".dbg");
}

TEST(TraceLogTest, NamedAfterTheProgramInTheProgramDir)
{
    TempHome home;
    EXPECT_EQ(UtilsClass::LogFile(), home.ProgramDir() + QStringLiteral("/log_test.dbg"));
}

TEST(TraceLogTest, EachLineIsTimestampDashMessage)
{
    TempHome home;
    UtilsClass::Trace(QStringLiteral("Version: 1.00"));
    UtilsClass::Trace(QStringLiteral("Entered FormShow – ünïcode"));
    const QStringList lines = QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile()))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" - Version: 1.00")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" - Entered FormShow – ünïcode")));
    const QString stamp = lines[0].left(lines[0].indexOf(QStringLiteral(" - ")));
    EXPECT_TRUE(stamp.contains(QRegularExpression(QStringLiteral("\\d{1,2}:\\d{2}:\\d{2}$"))))
        << stamp.toStdString();
    EXPECT_FALSE(stamp.isEmpty());
}

TEST(TraceLogTest, RotationShiftsEarlierRunsAndDropsTheOldest)
{
    TempHome home;
    UtilsClass::Trace(QString()); // creates the folder and the current log
    for (const char *suffix : {"", "1", "2", "3"})
        TempHome::WriteFile(Log(QLatin1String(suffix)), QByteArray("run ") + suffix);

    UtilsClass::RotateLogs();
    EXPECT_FALSE(QFileInfo::exists(Log(QString())));
    EXPECT_EQ(TempHome::ReadFile(Log(QStringLiteral("1"))), QByteArray("run "));
    EXPECT_EQ(TempHome::ReadFile(Log(QStringLiteral("2"))), QByteArray("run 1"));
    EXPECT_EQ(TempHome::ReadFile(Log(QStringLiteral("3"))), QByteArray("run 2"));
}

TEST(TraceLogTest, RotationWithGapsOnlyCopiesWhatExists)
{
    TempHome home;
    UtilsClass::Trace(QStringLiteral("current"));
    TempHome::WriteFile(Log(QStringLiteral("3")), "oldest");

    UtilsClass::RotateLogs();
    EXPECT_TRUE(TempHome::ReadFile(Log(QStringLiteral("1"))).endsWith("current\n"));
    EXPECT_FALSE(QFileInfo::exists(Log(QStringLiteral("2"))));
    EXPECT_FALSE(QFileInfo::exists(Log(QStringLiteral("3"))));

    // Nothing current: earlier runs are copied on, so 1 and 2 now hold the same run.
    UtilsClass::RotateLogs();
    EXPECT_TRUE(TempHome::ReadFile(Log(QStringLiteral("1"))).endsWith("current\n"));
    EXPECT_TRUE(TempHome::ReadFile(Log(QStringLiteral("2"))).endsWith("current\n"));
    EXPECT_FALSE(QFileInfo::exists(Log(QString())));
}

TEST(TraceLogTest, WriteErrorsAreIgnored)
{
    TempHome home;
    // The log's path is a folder: nothing can be written, nothing may fail.
    QDir().mkpath(UtilsClass::LogFile());
    UtilsClass::Trace(QStringLiteral("lost"));
    EXPECT_TRUE(QFileInfo(UtilsClass::LogFile()).isDir());
}

} // namespace
