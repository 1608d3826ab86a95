#include "app/options/MiscPage.h"

#include "app/options/OptionControls.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace OptionControls;

TMiscPage::TMiscPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("MiscSheet"));
    auto *layout = new QVBoxLayout(this);
    auto *voiceRow = new QHBoxLayout;
    DfltVoiceCB = LabeledCombo(this, voiceRow, QStringLiteral("Default Voi&ce:"), {}, "DfltVoiceCB");
    voiceRow->addStretch(1);
    layout->addLayout(voiceRow);
    auto *toolbarRow = new QHBoxLayout;
    ToolbarMinCB = LabeledCombo(this, toolbarRow, QStringLiteral("Show Floating &Toolbar:"),
                                {QStringLiteral("On request only"), QStringLiteral("When minimized"),
                                 QStringLiteral("When minimized and reading starts")},
                                "ToolbarMinCB");
    toolbarRow->addStretch(1);
    layout->addLayout(toolbarRow);
    auto *pageRow = new QHBoxLayout;
    WebPageCB = LabeledCombo(this, pageRow, QStringLiteral("&Web pages:"),
                             {QStringLiteral("Main text only"), QStringLiteral("Whole page")}, "WebPageCB");
    pageRow->addStretch(1);
    layout->addLayout(pageRow);
    const auto check = [this, layout](const char *name, const char *caption) {
        auto *box = new QCheckBox(QLatin1String(caption), this);
        box->setObjectName(QLatin1String(name));
        layout->addWidget(box);
        return box;
    };
    TBOnTopCB = check("TBOnTopCB", "Floating Toolbar Always on To&p");
    HighlightCB = check("HighlightCB", "Highlight C&urrent Word");
    // The desktop's autostart entry stands for the Windows login entry.
    AutoStartAppCB = check("AutoStartAppCB", "Start Parlewind at &Login");
    FilterCB = check("FilterCB", "F&ilter non-alpha symbols");
    // A key that reads what is selected in any program.
    auto *keyRow = new QHBoxLayout;
    auto *keyLabel = new QLabel(QStringLiteral("&Read the selection from any program:"), this);
    ReadSelectionKeyEdit = new QKeySequenceEdit(this);
    ReadSelectionKeyEdit->setObjectName(QStringLiteral("ReadSelectionKeyEdit"));
    ReadSelectionKeyEdit->setAccessibleName(QStringLiteral("Read the selection from any program"));
    // The editor inside it is what a screen reader meets.
    if (auto *editor = ReadSelectionKeyEdit->findChild<QLineEdit *>())
        editor->setAccessibleName(ReadSelectionKeyEdit->accessibleName());
    keyLabel->setBuddy(ReadSelectionKeyEdit);
    NoShortcutBtn = new QPushButton(QStringLiteral("N&one"), this);
    NoShortcutBtn->setObjectName(QStringLiteral("NoShortcutBtn"));
    NoShortcutBtn->setAccessibleName(QStringLiteral("No shortcut"));
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(ReadSelectionKeyEdit, 1);
    keyRow->addWidget(NoShortcutBtn);
    layout->addLayout(keyRow);
    ShortcutNote = new QLabel(this);
    ShortcutNote->setObjectName(QStringLiteral("ShortcutNote"));
    ShortcutNote->setWordWrap(true);
    ShortcutNote->hide();
    layout->addWidget(ShortcutNote);
    layout->addStretch(1);

    connect(DfltVoiceCB, &QComboBox::currentIndexChanged, this, &TMiscPage::DfltVoiceCBChange);
    connect(ToolbarMinCB, &QComboBox::currentIndexChanged, this, &TMiscPage::ToolbarMinCBChange);
    connect(TBOnTopCB, &QCheckBox::clicked, this, &TMiscPage::TBOnTopCBClick);
    connect(WebPageCB, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_Prefs.DOC_WholePage = index == 1;
    });
    connect(HighlightCB, &QCheckBox::clicked, this, [this](bool on) {
        if (HighlightClicked)
            HighlightClicked(on);
    });
    connect(AutoStartAppCB, &QCheckBox::clicked, this, &TMiscPage::AutoStartAppCBClick);
    connect(FilterCB, &QCheckBox::clicked, this, &TMiscPage::FilterCBClick);
    connect(ReadSelectionKeyEdit, &QKeySequenceEdit::editingFinished, this, [this] {
        // One key with its modifiers: the first of what was typed.
        const QKeySequence typed = ReadSelectionKeyEdit->keySequence();
        const QKeySequence key = typed.isEmpty() ? QKeySequence() : QKeySequence(typed[0]);
        m_Prefs.ReadSelectionKey = key.isEmpty() ? QStringLiteral("none") : key.toString(QKeySequence::PortableText);
        ApplyReadSelectionKey();
    });
    connect(NoShortcutBtn, &QPushButton::clicked, this, [this] {
        m_Prefs.ReadSelectionKey = QStringLiteral("none");
        ApplyReadSelectionKey();
    });
}

void TMiscPage::ApplyReadSelectionKey()
{
    const QKeySequence key = m_Prefs.ReadSelectionKey == QLatin1String("none")
                                 ? QKeySequence()
                                 : QKeySequence::fromString(m_Prefs.ReadSelectionKey, QKeySequence::PortableText);
    ReadSelectionKeyEdit->setKeySequence(key);
    ShowShortcutNote(SetReadSelectionKey ? SetReadSelectionKey(key) : QString());
}

void TMiscPage::ShowShortcutNote(const QString &note)
{
    ShortcutNote->setText(note);
    // Only what there is to tell is shown (and read by a screen reader).
    ShortcutNote->setAccessibleName(note);
    ShortcutNote->setVisible(!note.isEmpty());
}

void TMiscPage::Load()
{
    ToolbarMinCB->setCurrentIndex(std::min<int>(m_Prefs.ToolbarOnMinOption, 2));
    TBOnTopCB->setChecked(m_Prefs.ToolbarOnTop);
    WebPageCB->setCurrentIndex(m_Prefs.DOC_WholePage ? 1 : 0);
    HighlightCB->setChecked(m_Prefs.TTS_HighlightPosition);
    FilterCB->setChecked(m_Prefs.TTS_FilterSymbols);
}

void TMiscPage::FillDefaultVoices(const QStringList &favorites)
{
    m_Filling = true;
    DfltVoiceCB->clear();
    DfltVoiceCB->addItems(favorites);
    const int last = static_cast<int>(favorites.lastIndexOf(m_Prefs.TTS_DefaultVoiceName));
    DfltVoiceCB->setCurrentIndex(favorites.isEmpty() ? -1 : std::max(0, last));
    m_Filling = false;
}

void TMiscPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    MiscSheetShow();
}

void TMiscPage::MiscSheetShow()
{
    if (IsAutoStart)
        AutoStartAppCB->setChecked(IsAutoStart());
}

void TMiscPage::DfltVoiceCBChange(int index)
{
    if (!m_Filling && index >= 0)
        m_Prefs.TTS_DefaultVoiceName = DfltVoiceCB->itemText(index);
}

void TMiscPage::ToolbarMinCBChange(int index)
{
    if (index >= 0)
        m_Prefs.ToolbarOnMinOption = static_cast<quint8>(index);
}

void TMiscPage::TBOnTopCBClick(bool on) { m_Prefs.ToolbarOnTop = on; }

void TMiscPage::AutoStartAppCBClick(bool on)
{
    if (SetAutoStart)
        SetAutoStart(on);
}

void TMiscPage::FilterCBClick(bool on) { m_Prefs.TTS_FilterSymbols = on; }
