#pragma once

#include "settings/BaseRegistryClass.h"

// The program's preferences, stored under Software\BrivantaTech\Parlewind. The
// fields are the truth while the program runs; the items are filled by Load and
// written by Save.
class TPreferences : public TBaseRegistryClass
{
public:
    TPreferences();

    QString GetVersion() const override { return QStringLiteral("1.00"); }

    void LoadFields();
    void StoreFields();

    bool GetAutoSpeak() const;
    void SetAutoSpeak(bool value);
    bool GetAutoDelete() const;
    void SetAutoDelete(bool value);
    qint32 GetVisibleEntries() const;
    quint8 GetFileDest() const;
    void SetFileDest(quint8 value);
    quint8 GetVoiceMode() const;
    void SetVoiceMode(quint8 value);

    // The log-in start entry of that name. Errors are ignored.
    static bool IsAutoStart(const QString &name);
    static void SetAutoStart(const QString &name, const QString &command, bool enable);

    // The program's "Files" folder (created when missing), or " " when it cannot be made.
    static QString DefaultOutputDirectory();

    bool ShowOptions = true;
    bool ShowToolbar = true;
    bool SI_AutoSpeak = false;
    quint8 SI_Voice = 0;
    bool SI_ShowBusyDialog = true;
    quint8 MI_Voice = 0;
    bool ML_AutoDelete = false;
    qint32 ML_VisibleEntries = 3;
    quint8 ML_ListMode = 0;
    QString TTS_DefaultVoiceName;
    bool TTS_HighlightPosition = true;
    bool TTS_FilterSymbols = true;
    qint32 TTS_AudioDeviceID = -1;
    // The sound server's name of the chosen output: device numbers shift as
    // outputs come and go, so the number is found again from it at start.
    QString TTS_AudioDeviceName;
    bool CB_Monitor = true;
    bool CB_Prompt = true;
    qint32 CB_PromptDelay = 3;
    qint32 CB_ThreshHold = 10;
    qint32 CB_PromptTop = -1;
    qint32 CB_PromptLeft = -1;
    quint8 CB_DfltPromptAction = 2;
    quint8 CB_LastPromptAction = 2;
    quint8 OUT_FileDest = 0;
    quint8 OUT_FileFormat = 0; // 0 WAV, 1 MP3, 2 M4B, 3 Opus, 4 read-along book (EPUB 3)
    // The global shortcut that reads the selection ("none": no shortcut).
    QString ReadSelectionKey = QStringLiteral("Ctrl+Alt+Shift+S");
    quint8 OUT_Subtitles = 0;  // timed text beside the files: 0 none, 1 SRT, 2 WebVTT, 3 LRC
    QString OUT_Directory;
    // Piper: the program chosen (empty: the one on the PATH) and the voice folders added
    // (stored as a PATH is).
    QString PIPER_Program;
    QStringList PIPER_Folders;
    // Read-along books: each word lit, not only each sentence; their sound, 0 MP3, 1 AAC.
    bool OUT_HighlightWords = false;
    bool DOC_WholePage = false; // a web page is read whole, not only its main text
    // The pauses after a sentence, after a paragraph and between articles, in
    // milliseconds at the normal speed: "300,550,900".
    QString TTS_Pauses = QStringLiteral("300,550,900");
    // Parts of a text in another language are read by a voice of that language
    // unless this is set; TTS_LanguageVoices holds the voices the user chose for
    // languages, a line each: "de=Mary (German)".
    bool TTS_OwnVoiceOnly = false;
    QString TTS_LanguageVoices;
    // The interface's language ("de", "pt_BR"); empty: the desktop's. Read at start.
    QString UI_Language;
    quint8 OUT_BookAudio = 0;
    QString OpenDlgInitialDir;
    quint8 ToolbarOnMinOption = 1;
    bool ToolbarOnTop = false;
    bool FirstTimeUser = true;
    // The notification area has told once where the program goes when its window is closed.
    bool TrayNoticeShown = false;

    // Computed at creation; not stored.
    QString DefaultOutDir;
    QString DefaultOpenDir;

private:
    bool IsMulti() const { return ML_ListMode == 1; }
    bool BoolItem(const char *name) const;
    qint32 IntItem(const char *name) const;
    QString StringItem(const char *name) const;
    void SetItem(const char *name, const QVariant &value);
};
