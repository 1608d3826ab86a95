#pragma once

#include <QWidget>

#include <functional>

class QButtonGroup;
class QCheckBox;
class TPreferences;

// The single-article sheet: how a new article's voice is chosen, and whether new
// text is spoken at once. It shows the stored choices each time it is shown.
class TSIOptionsSheet : public QWidget
{
    Q_OBJECT
public:
    TSIOptionsSheet(TPreferences &prefs, QWidget *parent = nullptr);

    QButtonGroup *SIVoiceGrp = nullptr;
    QCheckBox *AutoSpeakCB = nullptr;

    void SIVoiceGrpClick(int index);
    void AutoSpeakCBClick(bool on);
    void SIOptionsSheetShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TPreferences &m_Prefs;
};

// The multi-article sheet: voice choice, one file or one file per article, and
// whether articles are deleted once read.
class TMIOptionsSheet : public QWidget
{
    Q_OBJECT
public:
    TMIOptionsSheet(TPreferences &prefs, QWidget *parent = nullptr);

    QButtonGroup *MIVoiceGrp = nullptr;
    QButtonGroup *ODestGrp = nullptr; // "File Output:"
    QCheckBox *AutoDeleteCB = nullptr;

    // The check box writes only once the program has started.
    std::function<bool()> Initialized;

    void MIVoiceGrpClick(int index);
    void ODestGrpClick(int index);
    void AutoDeleteCBClick(bool on);
    void MIOptionsSheetShow();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TPreferences &m_Prefs;
};
