#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/Messages.h"
#include "settings/BaseRegistryClass.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

// Every kind and scope, as a program would declare them.
class TTestSettings : public TBaseRegistryClass
{
public:
    TTestSettings()
    {
        AppName = QStringLiteral("TestApp");
        AddItem(QStringLiteral("ML_VisibleEntries"), 2, rkInt, 3);
        AddItem(QStringLiteral("Ratio"), 2, rkReal, 0.125);
        AddItem(QStringLiteral("Flag"), 2, rkBool, true);
        AddItem(QStringLiteral("Title"), 2, rkString, QStringLiteral("untitled"));
        AddItem(QStringLiteral("Recent"), 2, rkList, QVariant());
        AddItem(QStringLiteral("Shared"), 0, rkString, QStringLiteral("maker default"));
        AddItem(QStringLiteral("Lang"), 1, rkString, QStringLiteral("en"), QStringLiteral("Language"));
    }
    regInt &Visible() const { return static_cast<regInt &>(*Items[0]); }
    regReal &Ratio() const { return static_cast<regReal &>(*Items[1]); }
    regBool &Flag() const { return static_cast<regBool &>(*Items[2]); }
    regString &Title() const { return static_cast<regString &>(*Items[3]); }
    regList &Recent() const { return static_cast<regList &>(*Items[4]); }
    regString &Lang() const { return static_cast<regString &>(*Items[6]); }
};

QString Stored(const QString &key, const QString &name)
{
    TRegistryEnhanced reg;
    reg.Key = key;
    return reg.ReadValueDef(name, QStringLiteral("<missing>")).toString();
}

void Store(const QString &key, const QString &name, const QVariant &value)
{
    TRegistryEnhanced reg;
    reg.Key = key;
    reg.WriteValue(name, value);
}

const QString appKey = QStringLiteral("Software\\BrivantaTech\\TestApp");
const QString makerKey = QStringLiteral("Software\\BrivantaTech");

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { Messages::TakeRecorded(); }
    TempHome home;
};

TEST_F(SettingsTest, NewItemsHoldZeroUntilLoadedThenDefaults)
{
    TTestSettings s;
    EXPECT_EQ(s.Visible().Value, 0);
    EXPECT_FALSE(s.Flag().Value);
    EXPECT_TRUE(s.Title().Value.isEmpty());
    s.Load();
    EXPECT_EQ(s.Visible().Value, 3);
    EXPECT_DOUBLE_EQ(s.Ratio().Value, 0.125);
    EXPECT_TRUE(s.Flag().Value);
    EXPECT_EQ(s.Title().Value, QStringLiteral("untitled"));
    EXPECT_TRUE(s.Recent().Value.isEmpty());
    EXPECT_EQ(s.GetVersion(), QStringLiteral("0.0"));
    EXPECT_EQ(TBaseRegistryClass().AppName, QStringLiteral("change this"));
}

TEST_F(SettingsTest, SaveWritesEverythingAsTextWhereItBelongs)
{
    TTestSettings s;
    s.Load();
    s.Visible().Value = -7;
    s.Ratio().Value = 1.0 / 3.0;
    s.Flag().Value = false;
    s.Recent().Value = {QStringLiteral("a"), QStringLiteral("b")};
    s.Save();

    EXPECT_EQ(Stored(appKey, QStringLiteral("ML_VisibleEntries")), QStringLiteral("-7"));
    EXPECT_EQ(Stored(appKey, QStringLiteral("Ratio")), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Stored(appKey, QStringLiteral("Flag")), QStringLiteral("false"));
    EXPECT_EQ(Stored(appKey, QStringLiteral("Title")), QStringLiteral("untitled"));
    EXPECT_EQ(Stored(appKey + QStringLiteral("\\ListRecent"), QStringLiteral("0")), QStringLiteral("a"));
    EXPECT_EQ(Stored(appKey + QStringLiteral("\\ListRecent"), QStringLiteral("1")), QStringLiteral("b"));
    EXPECT_EQ(Stored(makerKey, QStringLiteral("Shared")), QStringLiteral("maker default"));
    EXPECT_EQ(Stored(appKey, QStringLiteral("Shared")), QStringLiteral("<missing>"));

    // A shorter list replaces the longer one whole.
    s.Recent().Value = {QStringLiteral("z")};
    s.Save();
    TTestSettings again;
    again.Load();
    EXPECT_EQ(again.Recent().Value, QStringList{QStringLiteral("z")});
    EXPECT_EQ(again.Visible().Value, -7);
    EXPECT_FALSE(again.Flag().Value);
}

TEST_F(SettingsTest, BooleansAreTrueOnlyForTheWordTrue)
{
    TTestSettings s;
    const struct { QVariant stored; bool expected; } cases[] = {
        {QStringLiteral("True"), true}, {QStringLiteral("TRUE"), true},
        {QStringLiteral("true"), true}, {QStringLiteral("1"), false},
        {QStringLiteral("yes"), false}, {QStringLiteral(" true"), false},
        {1, false}, // a number stored by hand reads as its decimal text
    };
    for (const auto &c : cases) {
        Store(appKey, QStringLiteral("Flag"), c.stored);
        s.Load();
        EXPECT_EQ(s.Flag().Value, c.expected) << c.stored.toString().toStdString();
    }
}

TEST_F(SettingsTest, NumbersStoredAsNumbersOrBadTextLoadSensibly)
{
    TTestSettings s;
    Store(appKey, QStringLiteral("ML_VisibleEntries"), 12);
    Store(appKey, QStringLiteral("Ratio"), QStringLiteral("2.5"));
    s.Load();
    EXPECT_EQ(s.Visible().Value, 12);
    EXPECT_DOUBLE_EQ(s.Ratio().Value, 2.5);

    for (const QString &bad : {QStringLiteral("abc"), QStringLiteral(""), QStringLiteral("12x")}) {
        Store(appKey, QStringLiteral("ML_VisibleEntries"), bad);
        Store(appKey, QStringLiteral("Ratio"), bad);
        s.Load();
        EXPECT_EQ(s.Visible().Value, 3) << bad.toStdString();
        EXPECT_DOUBLE_EQ(s.Ratio().Value, 0.125) << bad.toStdString();
    }
    // Out of the 32-bit range is no number for an integer item either.
    Store(appKey, QStringLiteral("ML_VisibleEntries"), QStringLiteral("99999999999"));
    s.Load();
    EXPECT_EQ(s.Visible().Value, 3);
}

TEST_F(SettingsTest, TheWordDefaultvalueCountsAsMissing)
{
    TTestSettings s;
    Store(appKey, QStringLiteral("Title"), QStringLiteral("defaultvalue"));
    s.Load();
    EXPECT_EQ(s.Title().Value, QStringLiteral("untitled"));
}

TEST_F(SettingsTest, SharedScopeFallsBackToTheMakersValueAndSeedsIt)
{
    TTestSettings s;
    Store(makerKey, QStringLiteral("Language"), QStringLiteral("fr"));
    s.Load();
    EXPECT_EQ(s.Lang().Value, QStringLiteral("fr"));

    // An existing shared value is left alone when the application's value is saved.
    s.Lang().Value = QStringLiteral("de");
    s.Save();
    EXPECT_EQ(Stored(appKey, QStringLiteral("Lang")), QStringLiteral("de"));
    EXPECT_EQ(Stored(makerKey, QStringLiteral("Language")), QStringLiteral("fr"));
    s.Load();
    EXPECT_EQ(s.Lang().Value, QStringLiteral("de"));

    // A missing shared value is written too.
    TempHome fresh;
    TTestSettings t;
    t.Load();
    EXPECT_EQ(t.Lang().Value, QStringLiteral("en"));
    t.Save();
    EXPECT_EQ(Stored(makerKey, QStringLiteral("Language")), QStringLiteral("en"));
}

TEST_F(SettingsTest, FindItemIgnoresCaseOfLettersAndTellsAboutUnknownNames)
{
    TTestSettings s;
    s.Load();
    EXPECT_EQ(s.FindItem(QStringLiteral("ml_visibleentries")), s.Items[0].get());
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    s.SetValue(QStringLiteral("ML_VISIBLEENTRIES"), 9);
    EXPECT_EQ(s.GetValue(QStringLiteral("ml_visibleEntries")).toInt(), 9);

    EXPECT_EQ(s.FindItem(QStringLiteral("Nope")), nullptr);
    EXPECT_FALSE(s.GetValue(QStringLiteral("Nope")).isValid());
    s.SetValue(QStringLiteral("Nope"), 1);
    const auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].text, QStringLiteral("No such registry item as name between equals =Nope="));
    EXPECT_EQ(shown[0].kind, Messages::Kind::Message);
}

TEST_F(SettingsTest, AddItemRejectsUnknownKindsAndKindsBehaveAsDeclared)
{
    TTestSettings s;
    const size_t before = s.Items.size();
    EXPECT_EQ(s.AddItem(QStringLiteral("X"), 2, 5, 0), nullptr);
    EXPECT_EQ(s.AddItem(QStringLiteral("X"), 2, -1, 0), nullptr);
    EXPECT_EQ(s.Items.size(), before);

    regList &list = s.Recent();
    list.Value = {QStringLiteral("keep")};
    list.SetAsString(QStringLiteral("ignored"));
    list.SetValue(QStringLiteral("ignored"));
    EXPECT_EQ(list.Value, QStringList{QStringLiteral("keep")});
    EXPECT_EQ(list.GetValue().toInt(), 0);
    EXPECT_TRUE(list.GetAsString().isEmpty());

    s.Ratio().SetAsString(QStringLiteral("1e300"));
    EXPECT_EQ(s.Ratio().GetAsString(), QStringLiteral("1e+300"));
    s.Flag().SetValue(QStringLiteral("true"));
    EXPECT_EQ(s.Flag().GetAsString(), QStringLiteral("true"));
}

TEST_F(SettingsTest, ADamagedStoreStillLoadsDefaultsAndSaveRepairsIt)
{
    QStringList problems;
    TRegistryEnhanced::SetProblemHandler([&problems](const QString &p) { problems << p; });
    TempHome::WriteFile(home.SettingsFile(), QByteArray("\x00\x01[[[\xff\xfe=\n", 10));
    TTestSettings s;
    s.Load();
    EXPECT_EQ(s.Visible().Value, 3);
    EXPECT_EQ(problems.size(), 1);
    s.Visible().Value = 4;
    s.Save();
    TTestSettings again;
    again.Load();
    EXPECT_EQ(again.Visible().Value, 4);
    TRegistryEnhanced::SetProblemHandler({});
}

} // namespace
