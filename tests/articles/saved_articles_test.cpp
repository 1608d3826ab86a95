#include "articles/MemoListBox.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

// The saved-articles file: its exact format, damaged and foreign files, and a save
// that must never lose the previous file.
namespace {

const QByteArray S = "||||||Parlewind MP3 Start of Article||||||\r\n";
const QByteArray E = "||||||Parlewind MP3 End of Article||||||\r\n";

class SavedArticlesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.resize(600, 400);
        list.ListMode = 1;
        list.SetVisibleEntries(3);
        Messages::TakeRecorded();
    }
    QString File(const char *name) const { return home.Root() + QLatin1Char('/') + QLatin1String(name); }
    QString LogText() const { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }
    QStringList Titles() const
    {
        QStringList titles;
        for (int k = 1; k <= list.Count(); ++k)
            titles << list.EntryAt(k)->Title();
        return titles;
    }
    void Import(const QString &path) { list.ImportList(path, {}, {}, {}); }

    TempHome home;
    TMemoListBox list;
};

TEST_F(SavedArticlesTest, WritesTheRecordsByteForByte)
{
    TMemoEntry *news = list.Add(QStringLiteral("a"), QStringLiteral("Mary"));
    news->SetTitle(QStringLiteral("News"));
    TMemoEntry *mail = list.Add(QStringLiteral("b\nc"), QStringLiteral("Mike"));
    mail->SetTitle(QStringLiteral("Mail"));
    TMemoEntry *gone = list.Add(QStringLiteral("hidden"), QStringLiteral("Sam"));
    list.HideEntry(gone);
    mail->Locked = true; // being read: written all the same
    ASSERT_TRUE(list.ExportList(File("PWExport.txt")));
    EXPECT_EQ(TempHome::ReadFile(File("PWExport.txt")),
              S + "News|Mary|1\r\na\r\n" + E + S + "Mail|Mike|2\r\nb\r\nc\r\n" + E);
    EXPECT_FALSE(list.Exporting);
    EXPECT_TRUE(LogText().contains(QStringLiteral("MemoListBox - Export Complete [3 1]\n")));
}

TEST_F(SavedArticlesTest, RoundTripKeepsTitlesVoicesAndTexts)
{
    // A blank article is reused by the next record, so the blank one comes last.
    const QStringList texts{QStringLiteral("one line"), QStringLiteral("two\nlines"),
                            QStringLiteral("ends with a break\n"), QStringLiteral("Grüße – 😀 ok"), QString()};
    for (int i = 0; i < texts.size(); ++i) {
        TMemoEntry *e = list.Add(QStringLiteral("x"), QStringLiteral("Voice %1").arg(i));
        e->SetText(texts[i]);
        e->SetTitle(QStringLiteral("T|%1").arg(i)); // "|" cannot be stored
    }
    ASSERT_TRUE(list.ExportList(File("out.txt")));
    TMemoListBox again;
    again.ListMode = 1;
    again.ImportList(File("out.txt"), {}, {}, {});
    ASSERT_EQ(again.Count(), texts.size());
    for (int i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(again.EntryAt(i + 1)->Text(), texts[i]);
        EXPECT_EQ(again.EntryAt(i + 1)->Title(), QStringLiteral("T_%1").arg(i));
        EXPECT_EQ(again.EntryAt(i + 1)->Voice(), QStringLiteral("Voice %1").arg(i));
    }
    EXPECT_FALSE(again.Importing);
}
} // namespace
