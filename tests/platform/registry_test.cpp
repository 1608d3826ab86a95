#include "platform/registry/BrkApart.h"
#include "platform/registry/RegistryEnhanced.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TRegistryEnhanced::SetProblemHandler([this](const QString &p) { problems << p; });
        reg.Key = QStringLiteral("Software\\BrivantaTech\\Parlewind");
    }
    void TearDown() override { TRegistryEnhanced::SetProblemHandler({}); }

    QString FileText() const { return QString::fromUtf8(TempHome::ReadFile(home.SettingsFile())); }

    TempHome home;
    TRegistryEnhanced reg;
    QStringList problems;
};

TEST_F(RegistryTest, TextNumbersAndBooleansRoundTrip)
{
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Name"), QStringLiteral("Mary, the voice")));
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Count"), 42));
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Negative"), -1));
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Flag"), true));
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Tricky"), QStringLiteral("dword:00000001")));

    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Name"), QString()), QStringLiteral("Mary, the voice"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Count"), 0).typeId(), QMetaType::Int);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Count"), 0).toInt(), 42);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Negative"), 0).toInt(), -1);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Flag"), 0).toInt(), 1);
    // Text that looks like a number in the file stays text.
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Tricky"), QString()).typeId(), QMetaType::QString);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Tricky"), QString()),
              QStringLiteral("dword:00000001"));
    // Floating-point numbers are binary data, which reads as the default.
    EXPECT_TRUE(reg.WriteValue(QStringLiteral("Real"), 2.5));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Real"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_TRUE(problems.isEmpty());
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling)
{
    reg.WriteValue(QStringLiteral("ShowOptions"), QStringLiteral("true"));
    TRegistryEnhanced other;
    other.Key = QStringLiteral("\\software\\BRIVANTATECH\\parlewind\\");
    EXPECT_EQ(other.ReadValueDef(QStringLiteral("SHOWOPTIONS"), QString()), QStringLiteral("true"));
    other.WriteValue(QStringLiteral("showoptions"), QStringLiteral("false"));

    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("ShowOptions"), QString()), QStringLiteral("false"));
    EXPECT_EQ(reg.GetValueNames(), QStringList{QStringLiteral("ShowOptions")});
    EXPECT_TRUE(FileText().contains(QStringLiteral("BrivantaTech\\Parlewind\\ShowOptions=false")));
    EXPECT_FALSE(FileText().contains(QStringLiteral("showoptions"), Qt::CaseSensitive));
}

TEST_F(RegistryTest, ValueNamesWithBackslashesNameSubkeys)
{
    reg.WriteValue(QStringLiteral("Sub\\Deeper\\Value"), QStringLiteral("x"));
    TRegistryEnhanced sub;
    sub.Key = reg.Key + QStringLiteral("\\Sub\\Deeper");
    EXPECT_EQ(sub.ReadValueDef(QStringLiteral("Value"), QString()), QStringLiteral("x"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("sub\\deeper\\value"), QString()), QStringLiteral("x"));
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("Software\\BrivantaTech\\Parlewind\\Sub")));
}

TEST_F(RegistryTest, HandEditedValuesReadAsTheirType)
{
    TempHome::WriteFile(home.SettingsFile(),
                        "[Software]\n"
                        "BrivantaTech\\Parlewind\\Number=dword:0000002a\n"
                        "BrivantaTech\\Parlewind\\Big=DWORD:ffffffff\n"
                        "BrivantaTech\\Parlewind\\Broken=dword:zz\n"
                        "BrivantaTech\\Parlewind\\Binary=hex:01,02\n"
                        "BrivantaTech\\Parlewind\\Escaped=sz:hex:01\n"
                        "BrivantaTech\\Parlewind\\Commas=one, two\n");
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Number"), 0).toInt(), 42);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Big"), 0).toInt(), -1);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Broken"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Binary"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Escaped"), QString()), QStringLiteral("hex:01"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Commas"), QString()), QStringLiteral("one, two"));
}

TEST_F(RegistryTest, ReadingMissingThingsGivesTheDefaultAndCreatesNothing)
{
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Nothing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_TRUE(reg.GetValueNames().isEmpty());
    EXPECT_FALSE(reg.KeyExists(reg.Key));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("Nothing")));
    EXPECT_FALSE(QFileInfo::exists(home.SettingsFile()));
}

TEST_F(RegistryTest, RefusedWrites)
{
    TRegistryEnhanced empty;
    EXPECT_FALSE(empty.WriteValue(QStringLiteral("Name"), QStringLiteral("x")));
    EXPECT_FALSE(empty.DeleteKey(QString()));
    TRegistryEnhanced readOnly;
    readOnly.Access = kRead;
    readOnly.Key = reg.Key;
    EXPECT_FALSE(readOnly.WriteValue(QStringLiteral("Name"), QStringLiteral("x")));
    EXPECT_FALSE(QFileInfo::exists(home.SettingsFile()));
}

TEST_F(RegistryTest, ListsComeBackInNumericOrderAndKeysDeleteWithSubkeys)
{
    TRegistryEnhanced list;
    list.Key = reg.Key + QStringLiteral("\\ListVoices");
    for (int i = 0; i < 12; ++i)
        list.WriteValue(QString::number(i), QStringLiteral("v%1").arg(i));
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        expected << QString::number(i);
    EXPECT_EQ(list.GetValueNames(), expected);

    reg.WriteValue(QStringLiteral("Keep"), QStringLiteral("k"));
    list.WriteValue(QStringLiteral("Inner\\Deep"), QStringLiteral("d"));
    EXPECT_TRUE(reg.DeleteKey(QStringLiteral("software\\brivantatech\\parlewind\\listvoices")));
    EXPECT_TRUE(list.GetValueNames().isEmpty());
    EXPECT_FALSE(reg.KeyExists(list.Key + QStringLiteral("\\Inner")));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Keep"), QString()), QStringLiteral("k"));
    EXPECT_FALSE(reg.DeleteKey(QStringLiteral("Software\\Missing")));
}

TEST_F(RegistryTest, DeleteValue)
{
    reg.WriteValue(QStringLiteral("A"), QStringLiteral("1"));
    reg.WriteValue(QStringLiteral("B"), QStringLiteral("2"));
    EXPECT_TRUE(reg.DeleteValue(QStringLiteral("a")));
    EXPECT_FALSE(reg.DeleteValue(QStringLiteral("a")));
    EXPECT_EQ(reg.GetValueNames(), QStringList{QStringLiteral("B")});
}

TEST_F(RegistryTest, BatchWritesTheFileOnceAtTheEnd)
{
    {
        const TRegistryEnhanced::Batch batch;
        for (int i = 0; i < 50; ++i)
            reg.WriteValue(QStringLiteral("V%1").arg(i), i);
        EXPECT_FALSE(QFileInfo::exists(home.SettingsFile()));
        EXPECT_EQ(reg.ReadValueDef(QStringLiteral("V7"), 0).toInt(), 7);
    }
    EXPECT_TRUE(QFileInfo::exists(home.SettingsFile()));
    EXPECT_EQ(reg.GetValueNames().size(), 50);
}

TEST_F(RegistryTest, DamagedFileIsKeptAsideAndDefaultsApply)
{
    const QByteArray garbage("[Soft\x01\xff\nware\n=\n\x00\x00zz\x80\x81", 20);
    TempHome::WriteFile(home.SettingsFile(), garbage);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("ShowOptions"), QStringLiteral("d")), QStringLiteral("d"));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.first().contains(QStringLiteral("damaged")));
    EXPECT_EQ(TempHome::ReadFile(home.SettingsFile() + QStringLiteral(".damaged")), garbage);

    EXPECT_TRUE(reg.WriteValue(QStringLiteral("ShowOptions"), QStringLiteral("true")));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("ShowOptions"), QString()), QStringLiteral("true"));
    EXPECT_EQ(TempHome::ReadFile(home.SettingsFile() + QStringLiteral(".damaged")), garbage);
}

TEST_F(RegistryTest, UnreadableStoreGivesDefaultsAndReportsFailedWrites)
{
    // A folder where the file should be cannot be read or replaced, even by root.
    QDir().mkpath(home.SettingsFile());
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_FALSE(reg.WriteValue(QStringLiteral("X"), QStringLiteral("1")));
    EXPECT_GE(problems.size(), 2);
}

TEST_F(RegistryTest, SettingsFolderThatCannotBeCreated)
{
    // The configuration folder is a plain file, so nothing can be made below it.
    TempHome::WriteFile(home.ConfigDir(), "not a folder");
    EXPECT_FALSE(reg.WriteValue(QStringLiteral("X"), QStringLiteral("1")));
    EXPECT_FALSE(problems.isEmpty());
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("X"), QStringLiteral("d")), QStringLiteral("d"));
}

TEST(BrkApartTest, SplitsAndDropsEmptyPiecesUnlessAllowed)
{
    TBrkApart parts;
    parts.BaseString = QStringLiteral("\\Software\\\\BrivantaTech\\");
    parts.BreakString = QStringLiteral("\\");
    parts.BreakApart();
    EXPECT_EQ(parts.StringList, (QStringList{QStringLiteral("Software"), QStringLiteral("BrivantaTech")}));
    parts.AllowEmptyString = true;
    parts.BreakApart();
    EXPECT_EQ(parts.StringList.size(), 5);
    parts.BaseString = QStringLiteral("a--b");
    parts.BreakString = QStringLiteral("--");
    parts.AllowEmptyString = false;
    parts.BreakApart();
    EXPECT_EQ(parts.StringList, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

} // namespace
