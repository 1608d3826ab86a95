#include "settings/Preferences.h"

#include "platform/shell/AutoStart.h"
#include "platform/shell/ProgramPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr quint8 OwnKey = 2;

// Integers kept in a byte field wrap modulo 256.
quint8 Byte(qint32 value) { return static_cast<quint8>(value & 0xFF); }
} // namespace

QString TPreferences::DefaultOutputDirectory()
{
    const QString dir = ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), QStringLiteral("Files"));
    if (QFileInfo(dir).isDir() || QDir().mkdir(dir))
        return dir;
    return QStringLiteral(" ");
}

TPreferences::TPreferences()
{
    AppName = QStringLiteral("Parlewind");
    DefaultOutDir = DefaultOutputDirectory();
    DefaultOpenDir = ProgramPaths::HomeRoot();

    AddItem(QStringLiteral("ShowOptions"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("ShowToolbar"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("SI_AutoSpeak"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("SI_Voice"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("SI_ShowBusyDialog"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("MI_Voice"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("ML_AutoDelete"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("ML_VisibleEntries"), OwnKey, rkInt, 3);
    AddItem(QStringLiteral("ML_ListMode"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("TTS_DefaultVoiceName"), OwnKey, rkString, QString());
    AddItem(QStringLiteral("TTS_HighlightPosition"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("TTS_FilterSymbols"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("TTS_AudioDeviceID"), OwnKey, rkInt, -1);
    AddItem(QStringLiteral("TTS_AudioDeviceName"), OwnKey, rkString, QString());
    AddItem(QStringLiteral("CB_Monitor"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("CB_Prompt"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("CB_PromptDelay"), OwnKey, rkInt, 3);
    AddItem(QStringLiteral("CB_ThreshHold"), OwnKey, rkInt, 10);
    AddItem(QStringLiteral("CB_PromptTop"), OwnKey, rkInt, -1);
    AddItem(QStringLiteral("CB_PromptLeft"), OwnKey, rkInt, -1);
    AddItem(QStringLiteral("CB_DfltPromptAction"), OwnKey, rkInt, 2);
    AddItem(QStringLiteral("CB_LastPromptAction"), OwnKey, rkInt, 2);
    AddItem(QStringLiteral("OUT_FileDest"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("OUT_FileFormat"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("OUT_Directory"), OwnKey, rkString, DefaultOutDir);
    AddItem(QStringLiteral("OpenDlgInitialDir"), OwnKey, rkString, DefaultOpenDir);
    AddItem(QStringLiteral("RunMinimized"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("ToolbarOnMinOption"), OwnKey, rkInt, 1);
    AddItem(QStringLiteral("ToolbarOnTop"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("FirstTimeUser"), OwnKey, rkBool, true);
    AddItem(QStringLiteral("TrayNoticeShown"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("OUT_Subtitles"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("ReadSelectionKey"), OwnKey, rkString, QStringLiteral("Ctrl+Alt+Shift+S"));
    AddItem(QStringLiteral("PIPER_Program"), OwnKey, rkString, QString());
    AddItem(QStringLiteral("PIPER_Folders"), OwnKey, rkString, QString());
    AddItem(QStringLiteral("OUT_HighlightWords"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("OUT_BookAudio"), OwnKey, rkInt, 0);
    AddItem(QStringLiteral("DOC_WholePage"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("TTS_Pauses"), OwnKey, rkString, QStringLiteral("300,550,900"));
    AddItem(QStringLiteral("TTS_OwnVoiceOnly"), OwnKey, rkBool, false);
    AddItem(QStringLiteral("TTS_LanguageVoices"), OwnKey, rkString, QString());
    AddItem(QStringLiteral("UI_Language"), OwnKey, rkString, QString());
}

bool TPreferences::BoolItem(const char *name) const
{
    return GetValue(QLatin1String(name)).toBool();
}

qint32 TPreferences::IntItem(const char *name) const
{
    return GetValue(QLatin1String(name)).toInt();
}

QString TPreferences::StringItem(const char *name) const
{
    return GetValue(QLatin1String(name)).toString();
}

void TPreferences::SetItem(const char *name, const QVariant &value)
{
    SetValue(QLatin1String(name), value);
}

void TPreferences::LoadFields()
{
    ShowOptions = BoolItem("ShowOptions");
    ShowToolbar = BoolItem("ShowToolbar");
    SI_AutoSpeak = BoolItem("SI_AutoSpeak");
    ML_AutoDelete = BoolItem("ML_AutoDelete");
    ML_VisibleEntries = IntItem("ML_VisibleEntries");
    ML_ListMode = Byte(IntItem("ML_ListMode"));
    TTS_DefaultVoiceName = StringItem("TTS_DefaultVoiceName");
    TTS_HighlightPosition = BoolItem("TTS_HighlightPosition");
    TTS_FilterSymbols = BoolItem("TTS_FilterSymbols");
    TTS_AudioDeviceID = IntItem("TTS_AudioDeviceID");
    TTS_AudioDeviceName = StringItem("TTS_AudioDeviceName");
    CB_Monitor = BoolItem("CB_Monitor");
    CB_Prompt = BoolItem("CB_Prompt");
    CB_PromptDelay = IntItem("CB_PromptDelay");
    CB_PromptTop = IntItem("CB_PromptTop");
    CB_PromptLeft = IntItem("CB_PromptLeft");
    CB_ThreshHold = IntItem("CB_ThreshHold");
    CB_DfltPromptAction = Byte(IntItem("CB_DfltPromptAction"));
    CB_LastPromptAction = Byte(IntItem("CB_LastPromptAction"));
    OUT_FileDest = Byte(IntItem("OUT_FileDest"));
    OUT_FileFormat = Byte(IntItem("OUT_FileFormat"));
    OUT_Subtitles = Byte(IntItem("OUT_Subtitles"));
    ReadSelectionKey = StringItem("ReadSelectionKey");
    OUT_Directory = StringItem("OUT_Directory");
    PIPER_Program = StringItem("PIPER_Program");
    PIPER_Folders = StringItem("PIPER_Folders").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    OUT_HighlightWords = BoolItem("OUT_HighlightWords");
    DOC_WholePage = BoolItem("DOC_WholePage");
    TTS_Pauses = StringItem("TTS_Pauses");
    TTS_OwnVoiceOnly = BoolItem("TTS_OwnVoiceOnly");
    TTS_LanguageVoices = StringItem("TTS_LanguageVoices");
    UI_Language = StringItem("UI_Language");
    OUT_BookAudio = Byte(IntItem("OUT_BookAudio"));
    SI_Voice = Byte(IntItem("SI_Voice"));
    MI_Voice = Byte(IntItem("MI_Voice"));
    SI_ShowBusyDialog = BoolItem("SI_ShowBusyDialog");
    OpenDlgInitialDir = StringItem("OpenDlgInitialDir");
    ToolbarOnMinOption = Byte(IntItem("ToolbarOnMinOption"));
    ToolbarOnTop = BoolItem("ToolbarOnTop");
    FirstTimeUser = BoolItem("FirstTimeUser");
    TrayNoticeShown = BoolItem("TrayNoticeShown");

    // Blanks and control characters alone do not make a directory.
    bool blank = true;
    for (QChar c : OUT_Directory)
        blank = blank && c <= QLatin1Char(' ');
    if (blank)
        OUT_Directory = DefaultOutDir;
}

void TPreferences::StoreFields()
{
    SetItem("ShowOptions", ShowOptions);
    SetItem("ShowToolbar", ShowToolbar);
    SetItem("SI_AutoSpeak", SI_AutoSpeak);
    SetItem("ML_AutoDelete", ML_AutoDelete);
    SetItem("ML_VisibleEntries", ML_VisibleEntries);
    SetItem("ML_ListMode", ML_ListMode);
    SetItem("TTS_DefaultVoiceName", TTS_DefaultVoiceName);
    SetItem("TTS_HighlightPosition", TTS_HighlightPosition);
    SetItem("TTS_FilterSymbols", TTS_FilterSymbols);
    SetItem("TTS_AudioDeviceID", TTS_AudioDeviceID);
    SetItem("TTS_AudioDeviceName", TTS_AudioDeviceName);
    SetItem("CB_Monitor", CB_Monitor);
    SetItem("CB_Prompt", CB_Prompt);
    SetItem("CB_PromptDelay", CB_PromptDelay);
    SetItem("CB_PromptTop", CB_PromptTop);
    SetItem("CB_PromptLeft", CB_PromptLeft);
    SetItem("CB_ThreshHold", CB_ThreshHold);
    SetItem("CB_DfltPromptAction", CB_DfltPromptAction);
    SetItem("CB_LastPromptAction", CB_LastPromptAction);
    SetItem("OUT_FileDest", OUT_FileDest);
    SetItem("OUT_FileFormat", OUT_FileFormat);
    SetItem("OUT_Subtitles", OUT_Subtitles);
    SetItem("ReadSelectionKey", ReadSelectionKey);
    SetItem("OUT_Directory", OUT_Directory);
    SetItem("PIPER_Program", PIPER_Program);
    SetItem("PIPER_Folders", PIPER_Folders.join(QLatin1Char(':')));
    SetItem("OUT_HighlightWords", OUT_HighlightWords);
    SetItem("DOC_WholePage", DOC_WholePage);
    SetItem("TTS_Pauses", TTS_Pauses);
    SetItem("TTS_OwnVoiceOnly", TTS_OwnVoiceOnly);
    SetItem("TTS_LanguageVoices", TTS_LanguageVoices);
    SetItem("UI_Language", UI_Language);
    SetItem("OUT_BookAudio", OUT_BookAudio);
    SetItem("SI_Voice", SI_Voice);
    SetItem("MI_Voice", MI_Voice);
    SetItem("SI_ShowBusyDialog", SI_ShowBusyDialog);
    SetItem("OpenDlgInitialDir", OpenDlgInitialDir);
    SetItem("ToolbarOnMinOption", ToolbarOnMinOption);
    SetItem("ToolbarOnTop", ToolbarOnTop);
    SetItem("FirstTimeUser", FirstTimeUser);
    SetItem("TrayNoticeShown", TrayNoticeShown);
}

bool TPreferences::GetAutoSpeak() const { return ML_ListMode != 0 ? false : SI_AutoSpeak; }
void TPreferences::SetAutoSpeak(bool value) { SI_AutoSpeak = value; }
bool TPreferences::GetAutoDelete() const { return IsMulti() ? ML_AutoDelete : false; }
void TPreferences::SetAutoDelete(bool value) { ML_AutoDelete = value; }
qint32 TPreferences::GetVisibleEntries() const { return IsMulti() ? ML_VisibleEntries : 1; }
quint8 TPreferences::GetFileDest() const { return IsMulti() ? OUT_FileDest : 0; }
void TPreferences::SetFileDest(quint8 value) { OUT_FileDest = value; }
quint8 TPreferences::GetVoiceMode() const { return IsMulti() ? MI_Voice : SI_Voice; }

void TPreferences::SetVoiceMode(quint8 value)
{
    if (IsMulti())
        MI_Voice = value;
    else
        SI_Voice = value;
}

bool TPreferences::IsAutoStart(const QString &name)
{
    return AutoStart::Exists(name);
}

void TPreferences::SetAutoStart(const QString &name, const QString &command, bool enable)
{
    if (enable)
        AutoStart::Write(name, command);
    else
        AutoStart::Remove(name);
}
