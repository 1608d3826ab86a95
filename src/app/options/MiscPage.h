#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class TPreferences;

// "Misc": the default voice, the floating tool bar's options, word highlighting,
// starting at login and the symbol filter.
class TMiscPage : public QWidget
{
    Q_OBJECT
public:
    TMiscPage(TPreferences &prefs, QWidget *parent = nullptr);

    QComboBox *DfltVoiceCB = nullptr;
    QComboBox *ToolbarMinCB = nullptr;
    QCheckBox *TBOnTopCB = nullptr;
    QCheckBox *HighlightCB = nullptr;
    QCheckBox *AutoStartAppCB = nullptr;
    QCheckBox *FilterCB = nullptr;

    // The main window: highlighting concerns the reading in progress; the login
    // entry names the program.
    std::function<void(bool)> HighlightClicked;
    std::function<bool()> IsAutoStart;
    std::function<void(bool)> SetAutoStart;

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
    TPreferences &m_Prefs;
    bool m_Filling = false;
};
