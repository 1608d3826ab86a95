#include "app/options/VoiceEditPage.h"

#include "controls/ScaleSlider.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

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

TVoiceEditPage::TVoiceEditPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("VoiceEditSheet"));
    auto *grid = new QGridLayout(this);
    auto *voiceLabel = new QLabel(tr("Voi&ce"), this);
    SetupVoiceCkbx = new QComboBox(this);
    SetupVoiceCkbx->setObjectName(QStringLiteral("SetupVoiceCkbx"));
    SetupVoiceCkbx->setAccessibleName(tr("Voice"));
    voiceLabel->setBuddy(SetupVoiceCkbx);
    grid->addWidget(voiceLabel, 0, 0);
    grid->addWidget(SetupVoiceCkbx, 0, 1, 1, 3);
    PitchSlider = SliderRow(this, grid, 1, tr("&Pitch"), "PitchSlider", PitchMinLbl, PitchMaxLbl, PitchValLbl,
                            tr("Pitch"));
    SpeedSlider = SliderRow(this, grid, 3, tr("Sp&eed"), "SpeedSlider", SpeedMinLbl, SpeedMaxLbl, SpeedValLbl,
                            tr("Speed"));
    auto *buttons = new QHBoxLayout;
    VoiceEditTestBtn = new QPushButton(tr("&Test"), this);
    VoiceEditTestBtn->setObjectName(QStringLiteral("VoiceEditTestBtn"));
    SetDefaultsBtn = new QPushButton(tr("Reset Defa&ults"), this);
    SetDefaultsBtn->setObjectName(QStringLiteral("SetDefaultsBtn"));
    buttons->addStretch(1);
    buttons->addWidget(VoiceEditTestBtn);
    buttons->addWidget(SetDefaultsBtn);
    grid->addLayout(buttons, 5, 0, 1, 4);
    // The pauses are every voice's: they shrink as a voice is made faster.
    auto *pausesLabel = new QLabel(tr("Pau&ses"), this);
    PausesCB = new QComboBox(this);
    PausesCB->setObjectName(QStringLiteral("PausesCB"));
    PausesCB->setAccessibleName(tr("Pauses"));
    PausesCB->addItems({tr("Short"), tr("Normal"), tr("Long")});
    pausesLabel->setBuddy(PausesCB);
    MorePausesBtn = new QPushButton(tr("&More…"), this);
    MorePausesBtn->setObjectName(QStringLiteral("MorePausesBtn"));
    MorePausesBtn->setAccessibleName(tr("More pause settings"));
    auto *pausesRow = new QHBoxLayout;
    pausesRow->addWidget(PausesCB);
    pausesRow->addWidget(MorePausesBtn);
    pausesRow->addStretch(1);
    grid->addWidget(pausesLabel, 6, 0);
    grid->addLayout(pausesRow, 6, 1, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);
    ShowPauses();

    connect(SetupVoiceCkbx, &QComboBox::currentIndexChanged, this, &TVoiceEditPage::SetupVoiceCkbxChange);
    connect(PitchSlider, &QSlider::valueChanged, this, &TVoiceEditPage::PitchSliderChange);
    connect(PitchSlider, &TScaleSlider::TrackEnd, this, &TVoiceEditPage::PitchSliderTrackEnd);
    connect(SpeedSlider, &QSlider::valueChanged, this, &TVoiceEditPage::SpeedSliderChange);
    connect(SpeedSlider, &TScaleSlider::TrackEnd, this, &TVoiceEditPage::SpeedSliderTrackEnd);
    connect(SetDefaultsBtn, &QPushButton::clicked, this, &TVoiceEditPage::SetDefaultsBtnClick);
    connect(VoiceEditTestBtn, &QPushButton::clicked, this, &TVoiceEditPage::VoiceEditTestBtnClick);
    connect(PausesCB, &QComboBox::currentIndexChanged, this, &TVoiceEditPage::PausesCBChange);
    connect(MorePausesBtn, &QPushButton::clicked, this, &TVoiceEditPage::EditPauses);
}

QString TVoiceEditPage::SpeedText(int wordsPerMinute)
{
    // To the nearest twentieth: 1.15×, 2.5×, 4×.
    const double factor = std::round(double(wordsPerMinute) / SpeechShaping::NormalRate * 20) / 20;
    return QString::number(factor, 'g', 3) + QStringLiteral("\u00D7");
}

void TVoiceEditPage::ShowPauses()
{
    const QSignalBlocker blocker(PausesCB);
    const PauseLengths::Preset preset = PauseLengths::FromString(m_Prefs.TTS_Pauses).Named();
    // Lengths of the user's own are shown as such, and only then offered.
    const int custom = PausesCB->findText(tr("Custom"));
    if (preset == PauseLengths::Custom && custom < 0)
        PausesCB->addItem(tr("Custom"));
    else if (preset != PauseLengths::Custom && custom >= 0)
        PausesCB->removeItem(custom);
    PausesCB->setCurrentIndex(preset == PauseLengths::Custom ? PausesCB->findText(tr("Custom")) : int(preset));
}

void TVoiceEditPage::PausesCBChange(int index)
{
    if (index < 0 || index > PauseLengths::Long)
        return;
    m_Prefs.TTS_Pauses = PauseLengths::Of(PauseLengths::Preset(index)).ToString();
    ShowPauses();
}

bool TVoiceEditPage::EditPauses()
{
    PauseLengths pauses = PauseLengths::FromString(m_Prefs.TTS_Pauses);
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Pauses"));
    auto *form = new QFormLayout(&dialog);
    auto *note = new QLabel(tr("Milliseconds at the voice's normal speed; at twice the speed, half as long."),
                            &dialog);
    note->setWordWrap(true);
    form->addRow(note);
    const auto field = [&](const QString &caption, const char *name, int value) {
        auto *box = new QSpinBox(&dialog);
        box->setObjectName(QLatin1String(name));
        box->setRange(0, PauseLengths::Longest);
        box->setSingleStep(50);
        box->setSuffix(tr(" ms"));
        box->setValue(value);
        box->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        form->addRow(caption, box);
        return box;
    };
    QSpinBox *sentence = field(tr("After a &sentence:"), "SentencePauseEdit", pauses.sentence);
    QSpinBox *paragraph = field(tr("After a &paragraph:"), "ParagraphPauseEdit", pauses.paragraph);
    QSpinBox *article = field(tr("&Between articles:"), "ArticlePauseEdit", pauses.article);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    pauses = {sentence->value(), paragraph->value(), article->value()};
    m_Prefs.TTS_Pauses = pauses.ToString();
    ShowPauses();
    return true;
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
    ShowPauses();
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
    PitchSlider->setAccessibleDescription(voice.FixedPitch ? tr("This voice has no pitch to change.") : QString());
    PitchSlider->setToolTip(PitchSlider->accessibleDescription());
    if (voice.FixedPitch)
        PitchValLbl->setText(tr("fixed"));
    SpeedMinLbl->setText(SpeedText(voice.MinSpeed));
    SpeedMaxLbl->setText(SpeedText(voice.MaxSpeed));
    SpeedSliderChange(voice.Speed);
}

void TVoiceEditPage::PitchSliderChange(int value) { PitchValLbl->setText(QString::number(value)); }

void TVoiceEditPage::SpeedSliderChange(int value)
{
    SpeedValLbl->setText(SpeedText(value));
    SpeedSlider->setAccessibleDescription(tr("%1 words a minute").arg(value));
}

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
