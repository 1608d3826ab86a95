#pragma once

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class TScaleSlider;
class TPreferences;
class TTTSForm;
struct TVoiceEntry;

// "Voice Edit": a favourite voice's pitch and speed on two sliders, applied at once
// (also to a reading in progress) when the user lets go of a slider; the speed shown
// as a factor of the voice's normal speed. Below them the pauses of every voice.
class TVoiceEditPage : public QWidget
{
    Q_OBJECT
public:
    explicit TVoiceEditPage(TPreferences &prefs, QWidget *parent = nullptr);

    // "2.5×" for a speed in words a minute.
    static QString SpeedText(int wordsPerMinute);

    QComboBox *SetupVoiceCkbx = nullptr;
    TScaleSlider *PitchSlider = nullptr;
    TScaleSlider *SpeedSlider = nullptr;
    QLabel *PitchMinLbl = nullptr;
    QLabel *PitchMaxLbl = nullptr;
    QLabel *PitchValLbl = nullptr;
    QLabel *SpeedMinLbl = nullptr;
    QLabel *SpeedMaxLbl = nullptr;
    QLabel *SpeedValLbl = nullptr;
    QPushButton *VoiceEditTestBtn = nullptr;
    QPushButton *SetDefaultsBtn = nullptr;
    QComboBox *PausesCB = nullptr;
    QPushButton *MorePausesBtn = nullptr;

    // The main window: the voice manager, whether the program has started, the
    // default voice's name as the Misc page shows it, and a voice to test.
    std::function<TTTSForm *()> VoiceManager;
    std::function<bool()> Initialized;
    std::function<QString()> DefaultVoiceText;
    std::function<void(const QString &)> TestVoice;

    void FillVoices(const QStringList &favorites);
    void LoadVoiceSetup(const QString &name);

    void VoiceEditSheetShow();
    void SetupVoiceCkbxChange(int index);
    void PitchSliderChange(int value);
    void PitchSliderTrackEnd(int value);
    void SpeedSliderChange(int value);
    void SpeedSliderTrackEnd(int value);
    void SetDefaultsBtnClick();
    void VoiceEditTestBtnClick();
    void PausesCBChange(int index);
    // The three pauses in milliseconds; true when the user changed them.
    bool EditPauses();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TVoiceEntry *CurrentVoice() const;
    void ShowVoice(const TVoiceEntry &voice);
    void ShowPauses();

    TPreferences &m_Prefs;
    bool m_Filling = false;
};
