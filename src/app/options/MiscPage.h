#pragma once

#include "speech/TTSForm.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QKeySequence;
class QKeySequenceEdit;
class QLabel;
class QPushButton;
class TPreferences;

// "Misc": the default voice, the floating tool bar's options, word highlighting,
// starting at login, the symbol filter, the shortcut that reads the selection and
// the voices that read parts of a text in other languages.
class TMiscPage : public QWidget
{
    Q_OBJECT
public:
    TMiscPage(TPreferences &prefs, QWidget *parent = nullptr);

    QComboBox *DfltVoiceCB = nullptr;
    QComboBox *ToolbarMinCB = nullptr;
    QComboBox *WebPageCB = nullptr;
    QCheckBox *TBOnTopCB = nullptr;
    QCheckBox *HighlightCB = nullptr;
    QCheckBox *AutoStartAppCB = nullptr;
    QCheckBox *FilterCB = nullptr;
    QKeySequenceEdit *ReadSelectionKeyEdit = nullptr;
    QPushButton *NoShortcutBtn = nullptr;
    QLabel *ShortcutNote = nullptr;
    QCheckBox *OwnVoiceOnlyCB = nullptr;
    QComboBox *LanguageCB = nullptr;      // the languages with voices
    QComboBox *LanguageVoiceCB = nullptr; // the voices of the one shown
    QComboBox *InterfaceLanguageCB = nullptr; // the desktop's, or one shipped

    // The main window: highlighting concerns the reading in progress; the login
    // entry names the program.
    std::function<void(bool)> HighlightClicked;
    std::function<bool()> IsAutoStart;
    std::function<void(bool)> SetAutoStart;
    // Takes the shortcut that reads the selection (none when empty); what to tell
    // the user of it (why it cannot be had), or nothing.
    std::function<QString(const QKeySequence &)> SetReadSelectionKey;
    // The voice manager: the languages with voices, and a choice made among them.
    std::function<std::vector<TTTSForm::TLanguageVoices>()> LanguageChoices;
    std::function<void(const QString &language, const QString &voice)> ChooseLanguageVoice;
    // Lists the languages and their voices anew.
    void FillLanguageVoices();
    // Takes the stored shortcut and shows what became of it.
    void ApplyReadSelectionKey();
    // What to tell of the shortcut (a desktop's later answer); nothing hides the note.
    void ShowShortcutNote(const QString &note);

    // Shows the stored values.
    void Load();
    // The favourite voices, the stored default chosen among them.
    void FillDefaultVoices(const QStringList &favorites);

    void DfltVoiceCBChange(int index);
    void ToolbarMinCBChange(int index);
    void TBOnTopCBClick(bool on);
    void AutoStartAppCBClick(bool on);
    void FilterCBClick(bool on);
    void MiscSheetShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowLanguageVoices(int index);

    TPreferences &m_Prefs;
    bool m_Filling = false;
    std::vector<TTTSForm::TLanguageVoices> m_Languages;
};
