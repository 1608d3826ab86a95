#include "app/options/ModeSheets.h"

#include "app/options/OptionControls.h"
#include "settings/Preferences.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace OptionControls;

namespace {

void Check(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id))
        button->setChecked(true);
}

} // namespace

TSIOptionsSheet::TSIOptionsSheet(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("SIOptionsSheet"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SheetHeading(tr("Single-Article Options"), this));
    SIVoiceGrp = RadioGroup(this, tr("Voice Selection:"), {tr("Default"), tr("Random")},
                            layout, "SIVoiceGrp");
    AutoSpeakCB = new QCheckBox(tr("Automatically &Speak New Text "), this);
    AutoSpeakCB->setObjectName(QStringLiteral("AutoSpeakCB"));
    layout->addWidget(AutoSpeakCB);
    layout->addStretch(1);
    connect(SIVoiceGrp, &QButtonGroup::idClicked, this, &TSIOptionsSheet::SIVoiceGrpClick);
    connect(AutoSpeakCB, &QCheckBox::clicked, this, &TSIOptionsSheet::AutoSpeakCBClick);
}

void TSIOptionsSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    SIOptionsSheetShow();
}

void TSIOptionsSheet::SIOptionsSheetShow()
{
    Check(SIVoiceGrp, m_Prefs.SI_Voice);
    AutoSpeakCB->setChecked(m_Prefs.SI_AutoSpeak);
}

void TSIOptionsSheet::SIVoiceGrpClick(int index) { m_Prefs.SI_Voice = static_cast<quint8>(index); }

void TSIOptionsSheet::AutoSpeakCBClick(bool on) { m_Prefs.SI_AutoSpeak = on; }

TMIOptionsSheet::TMIOptionsSheet(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("MIOptionsSheet"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SheetHeading(tr("Multi-Article Options"), this));
    ODestGrp = RadioGroup(this, tr("File Output:"),
                          {tr("Single File"), tr("Multiple Files")}, layout, "ODestGrp");
    MIVoiceGrp = RadioGroup(this, tr("Voice Selection:"),
                            {tr("Default"), tr("Random"), tr("Round Robin")}, layout,
                            "MIVoiceGrp");
    AutoDeleteCB = new QCheckBox(tr("Automatically &Delete Text after play"), this);
    AutoDeleteCB->setObjectName(QStringLiteral("AutoDeleteCB"));
    layout->addWidget(AutoDeleteCB);
    layout->addStretch(1);
    connect(MIVoiceGrp, &QButtonGroup::idClicked, this, &TMIOptionsSheet::MIVoiceGrpClick);
    connect(ODestGrp, &QButtonGroup::idClicked, this, &TMIOptionsSheet::ODestGrpClick);
    connect(AutoDeleteCB, &QCheckBox::clicked, this, &TMIOptionsSheet::AutoDeleteCBClick);
}

void TMIOptionsSheet::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    MIOptionsSheetShow();
}

void TMIOptionsSheet::MIOptionsSheetShow()
{
    Check(MIVoiceGrp, m_Prefs.MI_Voice);
    Check(ODestGrp, m_Prefs.OUT_FileDest == 1 ? 1 : 0);
    AutoDeleteCB->setChecked(m_Prefs.ML_AutoDelete);
}

void TMIOptionsSheet::MIVoiceGrpClick(int index) { m_Prefs.MI_Voice = static_cast<quint8>(index); }

void TMIOptionsSheet::ODestGrpClick(int index)
{
    m_Prefs.OUT_FileDest = static_cast<quint8>(index);
}

void TMIOptionsSheet::AutoDeleteCBClick(bool on)
{
    if (!Initialized || Initialized())
        m_Prefs.ML_AutoDelete = on;
}
