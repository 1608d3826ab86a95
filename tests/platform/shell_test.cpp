#include "platform/shell/AutoStart.h"
#include "platform/shell/ProgramPaths.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QFileInfo>

#include <gtest/gtest.h>

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

} // namespace
