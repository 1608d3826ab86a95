#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/AutoStart.h"
#include "settings/Preferences.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using StoredPrefs::Store;
using StoredPrefs::Stored;
const QString &prefsKey = StoredPrefs::Key;

std::unique_ptr<TPreferences> Loaded()
{
    auto prefs = std::make_unique<TPreferences>();
    prefs->Load();
    prefs->LoadFields();
    return prefs;
}

TEST(PreferencesTest, DeclaresTheSettingsInOrder)
{
    TempHome home;
    TPreferences prefs;
    const QStringList expected{
        "ShowOptions", "ShowToolbar", "SI_AutoSpeak", "SI_Voice", "SI_ShowBusyDialog",
        "MI_Voice", "ML_AutoDelete", "ML_VisibleEntries", "ML_ListMode",
        "TTS_DefaultVoiceName", "TTS_HighlightPosition", "TTS_FilterSymbols",
        "TTS_AudioDeviceID", "TTS_AudioDeviceName", "CB_Monitor", "CB_Prompt", "CB_PromptDelay", "CB_ThreshHold",
        "CB_PromptTop", "CB_PromptLeft", "CB_DfltPromptAction", "CB_LastPromptAction",
        "OUT_FileDest", "OUT_FileFormat", "OUT_Directory", "OpenDlgInitialDir",
        "RunMinimized", "ToolbarOnMinOption", "ToolbarOnTop", "FirstTimeUser", "TrayNoticeShown", "OUT_Subtitles", "ReadSelectionKey",
        "PIPER_Program", "PIPER_Folders", "OUT_HighlightWords", "OUT_BookAudio", "DOC_WholePage", "TTS_Pauses",
        "TTS_OwnVoiceOnly", "TTS_LanguageVoices", "UI_Language"};
    QStringList names;
    for (const auto &item : prefs.Items) {
        names << item->Name;
        EXPECT_EQ(item->Scope, 2);
        EXPECT_TRUE(item->AltName.isEmpty());
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(prefs.AppName, QStringLiteral("Parlewind"));
    EXPECT_EQ(prefs.GetVersion(), QStringLiteral("1.00"));
}

TEST(PreferencesTest, AnEmptyStoreGivesEveryDefault)
{
    TempHome home;
    const auto p = Loaded();
    EXPECT_TRUE(p->ShowOptions);
    EXPECT_TRUE(p->ShowToolbar);
    EXPECT_FALSE(p->SI_AutoSpeak);
    EXPECT_EQ(p->SI_Voice, 0);
    EXPECT_TRUE(p->SI_ShowBusyDialog);
    EXPECT_EQ(p->MI_Voice, 0);
    EXPECT_FALSE(p->ML_AutoDelete);
    EXPECT_EQ(p->ML_VisibleEntries, 3);
    EXPECT_EQ(p->ML_ListMode, 0);
    EXPECT_TRUE(p->TTS_DefaultVoiceName.isEmpty());
    EXPECT_TRUE(p->TTS_HighlightPosition);
    EXPECT_TRUE(p->TTS_FilterSymbols);
    EXPECT_EQ(p->TTS_AudioDeviceID, -1);
    EXPECT_TRUE(p->CB_Monitor);
    EXPECT_TRUE(p->CB_Prompt);
    EXPECT_EQ(p->CB_PromptDelay, 3);
    EXPECT_EQ(p->CB_ThreshHold, 10);
    EXPECT_EQ(p->CB_PromptTop, -1);
    EXPECT_EQ(p->CB_PromptLeft, -1);
    EXPECT_EQ(p->CB_DfltPromptAction, 2);
    EXPECT_EQ(p->CB_LastPromptAction, 2);
    EXPECT_EQ(p->OUT_FileDest, 0);
    EXPECT_EQ(p->OUT_FileFormat, 0);
    EXPECT_EQ(p->OUT_Directory, home.ProgramDir() + QStringLiteral("/Files"));
    EXPECT_TRUE(QFileInfo(p->OUT_Directory).isDir());
    EXPECT_EQ(p->OpenDlgInitialDir, QDir::homePath() + QStringLiteral("/"));
    EXPECT_EQ(p->ToolbarOnMinOption, 1);
    EXPECT_FALSE(p->ToolbarOnTop);
    EXPECT_TRUE(p->FirstTimeUser);
    EXPECT_FALSE(p->GetValue(QStringLiteral("RunMinimized")).toBool());
}

TEST(PreferencesTest, FieldsRoundTripThroughTheStoreAsText)
{
    TempHome home;
    Store(QStringLiteral("RunMinimized"), QStringLiteral("TRUE"));
    auto p = Loaded();
    p->ShowOptions = false;
    p->SI_Voice = 1;
    p->MI_Voice = 2;
    p->ML_VisibleEntries = 7;
    p->ML_ListMode = 1;
    p->TTS_DefaultVoiceName = QStringLiteral("Mike");
    p->TTS_AudioDeviceID = 1;
    p->CB_ThreshHold = 25;
    p->CB_PromptTop = 100;
    p->CB_DfltPromptAction = 3;
    p->OUT_FileFormat = 4;
    p->OUT_BookAudio = 1;
    p->OUT_Directory = QStringLiteral("/tmp/out dir");
    p->ToolbarOnTop = true;
    p->FirstTimeUser = false;
    p->PIPER_Folders = {QStringLiteral("/home/u/piper voices"), QStringLiteral("/opt/voices")};
    p->StoreFields();
    p->Save();

    EXPECT_EQ(Stored(QStringLiteral("ShowOptions")), QStringLiteral("false"));
    EXPECT_EQ(Stored(QStringLiteral("ML_VisibleEntries")), QStringLiteral("7"));
    EXPECT_EQ(Stored(QStringLiteral("TTS_AudioDeviceID")), QStringLiteral("1"));
    EXPECT_EQ(Stored(QStringLiteral("CB_PromptLeft")), QStringLiteral("-1"));
    EXPECT_EQ(Stored(QStringLiteral("FirstTimeUser")), QStringLiteral("false"));
    // Never copied to or from a field: written back as it was read.
    EXPECT_EQ(Stored(QStringLiteral("RunMinimized")), QStringLiteral("true"));
    TRegistryEnhanced reg;
    reg.Key = prefsKey;
    EXPECT_EQ(reg.GetValueNames().size(), 42);
    EXPECT_EQ(Stored(QStringLiteral("PIPER_Folders")), QStringLiteral("/home/u/piper voices:/opt/voices"));
    EXPECT_EQ(Loaded()->PIPER_Folders, p->PIPER_Folders);
    EXPECT_EQ(Loaded()->OUT_BookAudio, 1);

    const auto q = Loaded();
    EXPECT_FALSE(q->ShowOptions);
    EXPECT_EQ(q->SI_Voice, 1);
    EXPECT_EQ(q->MI_Voice, 2);
    EXPECT_EQ(q->ML_VisibleEntries, 7);
    EXPECT_EQ(q->ML_ListMode, 1);
    EXPECT_EQ(q->TTS_DefaultVoiceName, QStringLiteral("Mike"));
    EXPECT_EQ(q->CB_ThreshHold, 25);
    EXPECT_EQ(q->CB_PromptTop, 100);
    EXPECT_EQ(q->CB_DfltPromptAction, 3);
    EXPECT_EQ(q->OUT_FileFormat, 4);
    EXPECT_EQ(q->OUT_Directory, QStringLiteral("/tmp/out dir"));
    EXPECT_TRUE(q->ToolbarOnTop);
    EXPECT_FALSE(q->FirstTimeUser);
}

TEST(PreferencesTest, StoredValuesAreReadAsTheStoreHasThem)
{
    TempHome home;
    Store(QStringLiteral("ML_AutoDelete"), QStringLiteral("TRUE"));
    Store(QStringLiteral("CB_Prompt"), QStringLiteral("yes"));
    Store(QStringLiteral("CB_Monitor"), QStringLiteral("1"));
    Store(QStringLiteral("ML_ListMode"), QStringLiteral("257")); // byte field: 257 mod 256
    Store(QStringLiteral("SI_Voice"), QStringLiteral("-1"));
    Store(QStringLiteral("CB_ThreshHold"), QStringLiteral("lots"));
    Store(QStringLiteral("OUT_Directory"), QStringLiteral(" \t "));
    const auto p = Loaded();
    EXPECT_TRUE(p->ML_AutoDelete);
    EXPECT_FALSE(p->CB_Prompt);
    EXPECT_FALSE(p->CB_Monitor);
    EXPECT_EQ(p->ML_ListMode, 1);
    EXPECT_EQ(p->SI_Voice, 255);
    EXPECT_EQ(p->CB_ThreshHold, 10);
    EXPECT_EQ(p->OUT_Directory, home.ProgramDir() + QStringLiteral("/Files"));
}

TEST(PreferencesTest, ModeDependentAccessors)
{
    TempHome home;
    TPreferences p;
    p.ML_VisibleEntries = 5;
    p.OUT_FileDest = 1;
    p.ML_AutoDelete = true;
    p.SI_AutoSpeak = true;
    p.SI_Voice = 1;
    p.MI_Voice = 2;

    p.ML_ListMode = 0;
    EXPECT_EQ(p.GetVisibleEntries(), 1);
    EXPECT_EQ(p.GetFileDest(), 0);
    EXPECT_FALSE(p.GetAutoDelete());
    EXPECT_TRUE(p.GetAutoSpeak());
    EXPECT_EQ(p.GetVoiceMode(), 1);
    p.SetVoiceMode(0);
    EXPECT_EQ(p.SI_Voice, 0);
    EXPECT_EQ(p.MI_Voice, 2);

    p.ML_ListMode = 1;
    EXPECT_EQ(p.GetVisibleEntries(), 5);
    EXPECT_EQ(p.GetFileDest(), 1);
    EXPECT_TRUE(p.GetAutoDelete());
    EXPECT_FALSE(p.GetAutoSpeak());
    EXPECT_EQ(p.GetVoiceMode(), 2);
    p.SetVoiceMode(1);
    EXPECT_EQ(p.MI_Voice, 1);
    EXPECT_EQ(p.SI_Voice, 0);

    // Any other mode value counts as single-article, except for speaking at once.
    p.ML_ListMode = 2;
    EXPECT_EQ(p.GetVisibleEntries(), 1);
    EXPECT_FALSE(p.GetAutoDelete());
    EXPECT_FALSE(p.GetAutoSpeak());

    p.SetAutoSpeak(false);
    p.SetAutoDelete(false);
    p.SetFileDest(0);
    EXPECT_FALSE(p.SI_AutoSpeak);
    EXPECT_FALSE(p.ML_AutoDelete);
    EXPECT_EQ(p.OUT_FileDest, 0);
}

TEST(PreferencesTest, OutputFolderFallsBackToABlankWhenItCannotBeMade)
{
    TempHome home;
    // The program's folder exists, but "Files" is taken by a plain file.
    TempHome::WriteFile(home.ProgramDir() + QStringLiteral("/Files"), "x");
    EXPECT_EQ(TPreferences::DefaultOutputDirectory(), QStringLiteral(" "));
    const auto p = Loaded();
    EXPECT_EQ(p->OUT_Directory, QStringLiteral(" "));
}

TEST(PreferencesTest, AutoStartEntry)
{
    TempHome home;
    const QString name = QStringLiteral("Parlewind");
    EXPECT_FALSE(TPreferences::IsAutoStart(name));
    TPreferences::SetAutoStart(name, QStringLiteral("/usr/bin/parlewind -auto"), false);
    EXPECT_FALSE(TPreferences::IsAutoStart(name));
    TPreferences::SetAutoStart(name, QStringLiteral("/usr/bin/parlewind -auto"), true);
    EXPECT_TRUE(TPreferences::IsAutoStart(name));
    EXPECT_TRUE(TempHome::ReadFile(AutoStart::EntryPath(name)).contains("\nExec=/usr/bin/parlewind -auto\n"));
    TPreferences::SetAutoStart(name, QString(), false);
    EXPECT_FALSE(TPreferences::IsAutoStart(name));
}

} // namespace
