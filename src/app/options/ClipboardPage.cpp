#include "app/options/ClipboardPage.h"

#include "app/options/OptionControls.h"
#include "controls/NumEdit.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace OptionControls;

TClipboardPage::TClipboardPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("ClipboardSheet"));
    auto *layout = new QVBoxLayout(this);
    MonitorCB = new QCheckBox(tr("&Watch Clipboard"), this);
    MonitorCB->setObjectName(QStringLiteral("MonitorCB"));
    layout->addWidget(MonitorCB);
    MonitorNote = new QLabel(this);
    MonitorNote->setObjectName(QStringLiteral("MonitorNote"));
    MonitorNote->setWordWrap(true);
    MonitorNote->hide();
    layout->addWidget(MonitorNote);
    const auto hint = [this](const QString &text) {
        if (Hint)
            Hint(text);
    };
    ThreshHoldEdit = NumberRow(this, layout, tr("&Ignore clipboard text if less than"),
                               tr("characters"), "ThreshHoldEdit",
                               [this](int value) { m_Prefs.CB_ThreshHold = value; }, hint);

    auto *prompt = new QGroupBox(tr("Prompt Options"), this);
    auto *promptLayout = new QVBoxLayout(prompt);
    PromptCkbx = new QCheckBox(tr("&Prompt to copy from clipboard"), prompt);
    PromptCkbx->setObjectName(QStringLiteral("PromptCkbx"));
    promptLayout->addWidget(PromptCkbx);
    PromptDelayEdit = NumberRow(prompt, promptLayout, tr("Displa&y Prompt for"), tr("seconds"),
                                "PromptDelayEdit", [this](int value) { m_Prefs.CB_PromptDelay = value; }, hint);
    auto *actionRow = new QHBoxLayout;
    PromptDfltActCBox = LabeledCombo(prompt, actionRow, tr("Default A&ction:"),
                                     {tr("New"), tr("Append"), tr("Cancel"),
                                      tr("Remember Last")},
                                     "PromptDfltActCBox");
    actionRow->addStretch(1);
    promptLayout->addLayout(actionRow);
    layout->addWidget(prompt);
    layout->addStretch(1);

    // Toggled, not clicked: a screen reader's toggle action changes the box without a click.
    connect(MonitorCB, &QCheckBox::toggled, this, [this](bool on) {
        if (MonitorClicked)
            MonitorClicked(on);
    });
    connect(PromptCkbx, &QCheckBox::clicked, this, &TClipboardPage::PromptCkbxClick);
    connect(PromptDfltActCBox, &QComboBox::currentIndexChanged, this, &TClipboardPage::PromptDfltActCBoxChange);
}

void TClipboardPage::Load()
{
    {
        const QSignalBlocker quiet(MonitorCB);
        MonitorCB->setChecked(m_Prefs.CB_Monitor && MonitorNote->text().isEmpty());
    }
    ThreshHoldEdit->SetNumber(m_Prefs.CB_ThreshHold);
    PromptCkbx->setChecked(m_Prefs.CB_Prompt);
    PromptDelayEdit->SetNumber(m_Prefs.CB_PromptDelay);
    PromptDfltActCBox->setCurrentIndex(std::min<int>(m_Prefs.CB_DfltPromptAction, 3));
}

void TClipboardPage::ShowWatchingUnsupported(const QString &reason)
{
    const QSignalBlocker quiet(MonitorCB);
    MonitorCB->setChecked(false);
    MonitorCB->setEnabled(false);
    MonitorCB->setAccessibleDescription(reason);
    MonitorNote->setText(reason);
    MonitorNote->setAccessibleName(reason);
    MonitorNote->show();
}

void TClipboardPage::PromptCkbxClick(bool on) { m_Prefs.CB_Prompt = on; }

void TClipboardPage::PromptDfltActCBoxChange(int index)
{
    if (index >= 0)
        m_Prefs.CB_DfltPromptAction = static_cast<quint8>(index);
}
