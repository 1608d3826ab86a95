#include "app/options/VoiceEditPage.h"

#include "controls/ScaleSlider.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// A slider row: caption, minimum, slider, maximum, and the value under it.
TScaleSlider *SliderRow(QWidget *parent, QGridLayout *grid, int row, const QString &caption, const char *name,
                        QLabel *&minLabel, QLabel *&maxLabel, QLabel *&valueLabel, const QString &prefix)
{
    auto *label = new QLabel(caption, parent);
    auto *slider = new TScaleSlider(parent);
    slider->setObjectName(QLatin1String(name));
    slider->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    label->setBuddy(slider);
    minLabel = new QLabel(parent);
    maxLabel = new QLabel(parent);
    valueLabel = new QLabel(parent);
    minLabel->setObjectName(prefix + QStringLiteral("MinLbl"));
    maxLabel->setObjectName(prefix + QStringLiteral("MaxLbl"));
    valueLabel->setObjectName(prefix + QStringLiteral("ValLbl"));
    valueLabel->setAlignment(Qt::AlignHCenter);
    grid->addWidget(label, row, 0);
    grid->addWidget(minLabel, row, 1);
    grid->addWidget(slider, row, 2);
    grid->addWidget(maxLabel, row, 3);
    grid->addWidget(valueLabel, row + 1, 2);
    return slider;
}

} // namespace

TVoiceEditPage::TVoiceEditPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VoiceEditSheet"));
    auto *grid = new QGridLayout(this);
    auto *voiceLabel = new QLabel(QStringLiteral("Voi&ce"), this);
    SetupVoiceCkbx = new QComboBox(this);
    SetupVoiceCkbx->setObjectName(QStringLiteral("SetupVoiceCkbx"));
    SetupVoiceCkbx->setAccessibleName(QStringLiteral("Voice"));
    voiceLabel->setBuddy(SetupVoiceCkbx);
    grid->addWidget(voiceLabel, 0, 0);
    grid->addWidget(SetupVoiceCkbx, 0, 1, 1, 3);
    PitchSlider = SliderRow(this, grid, 1, QStringLiteral("&Pitch"), "PitchSlider", PitchMinLbl, PitchMaxLbl, PitchValLbl,
                            QStringLiteral("Pitch"));
    SpeedSlider = SliderRow(this, grid, 3, QStringLiteral("Sp&eed"), "SpeedSlider", SpeedMinLbl, SpeedMaxLbl, SpeedValLbl,
                            QStringLiteral("Speed"));
    auto *buttons = new QHBoxLayout;
    VoiceEditTestBtn = new QPushButton(QStringLiteral("&Test"), this);
    VoiceEditTestBtn->setObjectName(QStringLiteral("VoiceEditTestBtn"));
    SetDefaultsBtn = new QPushButton(QStringLiteral("Reset Defa&ults"), this);
    SetDefaultsBtn->setObjectName(QStringLiteral("SetDefaultsBtn"));
    buttons->addStretch(1);
    buttons->addWidget(VoiceEditTestBtn);
    buttons->addWidget(SetDefaultsBtn);
    grid->addLayout(buttons, 5, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    connect(SetupVoiceCkbx, &QComboBox::currentIndexChanged, this, &TVoiceEditPage::SetupVoiceCkbxChange);
    connect(PitchSlider, &QSlider::valueChanged, this, &TVoiceEditPage::PitchSliderChange);
    connect(PitchSlider, &TScaleSlider::TrackEnd, this, &TVoiceEditPage::PitchSliderTrackEnd);
    connect(SpeedSlider, &QSlider::valueChanged, this, &TVoiceEditPage::SpeedSliderChange);
    connect(SpeedSlider, &TScaleSlider::TrackEnd, this, &TVoiceEditPage::SpeedSliderTrackEnd);
    connect(SetDefaultsBtn, &QPushButton::clicked, this, &TVoiceEditPage::SetDefaultsBtnClick);
    connect(VoiceEditTestBtn, &QPushButton::clicked, this, &TVoiceEditPage::VoiceEditTestBtnClick);
}

void TVoiceEditPage::FillVoices(const QStringList &favorites)
{
    m_Filling = true;
    SetupVoiceCkbx->clear();
    SetupVoiceCkbx->addItems(favorites);
    m_Filling = false;
}

void TVoiceEditPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    VoiceEditSheetShow();
}

void TVoiceEditPage::VoiceEditSheetShow()
{
    if ((Initialized && !Initialized()) || SetupVoiceCkbx->count() == 0)
        return;
    const QString wanted = DefaultVoiceText ? DefaultVoiceText() : QString();
    int index = 0;
    for (int i = 0; i < SetupVoiceCkbx->count(); ++i) {
        if (SetupVoiceCkbx->itemText(i) == wanted)
            index = i;
    }
    m_Filling = true;
    SetupVoiceCkbx->setCurrentIndex(index);
    m_Filling = false;
    LoadVoiceSetup(SetupVoiceCkbx->currentText());
}

void TVoiceEditPage::SetupVoiceCkbxChange(int index)
{
    if (!m_Filling && index >= 0)
        LoadVoiceSetup(SetupVoiceCkbx->itemText(index));
}

TVoiceEntry *TVoiceEditPage::CurrentVoice() const
{
    TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr;
    return voices ? voices->FindVoice(SetupVoiceCkbx->currentText()) : nullptr;
}

void TVoiceEditPage::LoadVoiceSetup(const QString &name)
{
    TTTSForm *voices = VoiceManager ? VoiceManager() : nullptr;
    TVoiceEntry *voice = voices ? voices->FindVoice(name) : nullptr;
    if (!voice)
        return;
    // The ranges come from the engine the first time a voice is looked at.
    if (voice->MinPitch == -1) {
        try {
            voices->FillVoiceRanges(*voice);
        } catch (const std::exception &error) {
            Messages::ShowError(ErrorMessage(error));
            return;
        }
    }
    ShowVoice(*voice);
}

void TVoiceEditPage::ShowVoice(const TVoiceEntry &voice)
{
    const QSignalBlocker pitch(PitchSlider);
    const QSignalBlocker speed(SpeedSlider);
    PitchSlider->SetRange(voice.MinPitch, voice.MaxPitch, voice.Pitch);
    SpeedSlider->SetRange(voice.MinSpeed, voice.MaxSpeed, voice.Speed);
    PitchMinLbl->setText(QString::number(voice.MinPitch));
    PitchMaxLbl->setText(QString::number(voice.MaxPitch));
    PitchValLbl->setText(QString::number(voice.Pitch));
    // A voice with no pitch of its own to change (Piper's) says so on the control.
    PitchSlider->setEnabled(!voice.FixedPitch);
    PitchSlider->setAccessibleDescription(voice.FixedPitch ? QStringLiteral("This voice has no pitch to change.") : QString());
    PitchSlider->setToolTip(PitchSlider->accessibleDescription());
    if (voice.FixedPitch)
        PitchValLbl->setText(QStringLiteral("fixed"));
    SpeedMinLbl->setText(QString::number(voice.MinSpeed));
    SpeedMaxLbl->setText(QString::number(voice.MaxSpeed));
    SpeedValLbl->setText(QString::number(voice.Speed));
}

void TVoiceEditPage::PitchSliderChange(int value) { PitchValLbl->setText(QString::number(value)); }

void TVoiceEditPage::SpeedSliderChange(int value) { SpeedValLbl->setText(QString::number(value)); }

void TVoiceEditPage::PitchSliderTrackEnd(int value)
{
    TVoiceEntry *voice = CurrentVoice();
    if (!voice)
        return;
    voice->Pitch = value;
    VoiceManager()->SetPitchTag(value);
}

void TVoiceEditPage::SpeedSliderTrackEnd(int value)
{
    TVoiceEntry *voice = CurrentVoice();
    if (!voice)
        return;
    voice->Speed = value;
    VoiceManager()->SetSpeedTag(value);
}

void TVoiceEditPage::SetDefaultsBtnClick()
{
    TVoiceEntry *voice = CurrentVoice();
    if (!voice)
        return;
    voice->Pitch = voice->DefaultPitch;
    voice->Speed = voice->DefaultSpeed;
    ShowVoice(*voice);
    VoiceManager()->SetPitchTag(voice->Pitch);
    VoiceManager()->SetSpeedTag(voice->Speed);
}

void TVoiceEditPage::VoiceEditTestBtnClick()
{
    if (TestVoice && SetupVoiceCkbx->currentIndex() >= 0)
        TestVoice(SetupVoiceCkbx->currentText());
}
