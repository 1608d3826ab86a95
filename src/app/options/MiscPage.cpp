#include "app/options/MiscPage.h"

#include "app/options/OptionControls.h"
#include "platform/shell/Translations.h"
#include "settings/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace OptionControls;

TMiscPage::TMiscPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("MiscSheet"));
    auto *layout = new QVBoxLayout(this);
    auto *voiceRow = new QHBoxLayout;
    DfltVoiceCB = LabeledCombo(this, voiceRow, tr("Default Voi&ce:"), {}, "DfltVoiceCB");
    voiceRow->addStretch(1);
    layout->addLayout(voiceRow);
    auto *toolbarRow = new QHBoxLayout;
    ToolbarMinCB = LabeledCombo(this, toolbarRow, tr("Show Floating &Toolbar:"),
                                {tr("On request only"), tr("When minimized"),
                                 tr("When minimized and reading starts")},
                                "ToolbarMinCB");
    toolbarRow->addStretch(1);
    layout->addLayout(toolbarRow);
    auto *pageRow = new QHBoxLayout;
    WebPageCB = LabeledCombo(this, pageRow, tr("&Web pages:"),
                             {tr("Main text only"), tr("Whole page")}, "WebPageCB");
    pageRow->addStretch(1);
    layout->addLayout(pageRow);
    const auto check = [this, layout](const char *name, const QString &caption) {
        auto *box = new QCheckBox(caption, this);
        box->setObjectName(QLatin1String(name));
        layout->addWidget(box);
        return box;
    };
    TBOnTopCB = check("TBOnTopCB", tr("Floating Toolbar Always on To&p"));
    HighlightCB = check("HighlightCB", tr("Highlight C&urrent Word"));
    // The desktop's autostart entry stands for the Windows login entry.
    AutoStartAppCB = check("AutoStartAppCB", tr("Start Parlewind at &Login"));
    FilterCB = check("FilterCB", tr("F&ilter non-alpha symbols"));
    // A key that reads what is selected in any program.
    auto *keyRow = new QHBoxLayout;
    auto *keyLabel = new QLabel(tr("&Read the selection from any program:"), this);
    ReadSelectionKeyEdit = new QKeySequenceEdit(this);
    ReadSelectionKeyEdit->setObjectName(QStringLiteral("ReadSelectionKeyEdit"));
    ReadSelectionKeyEdit->setAccessibleName(tr("Read the selection from any program"));
    // The editor inside it is what a screen reader meets.
    if (auto *editor = ReadSelectionKeyEdit->findChild<QLineEdit *>())
        editor->setAccessibleName(ReadSelectionKeyEdit->accessibleName());
    keyLabel->setBuddy(ReadSelectionKeyEdit);
    NoShortcutBtn = new QPushButton(tr("N&one"), this);
    NoShortcutBtn->setObjectName(QStringLiteral("NoShortcutBtn"));
    NoShortcutBtn->setAccessibleName(tr("No shortcut"));
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(ReadSelectionKeyEdit, 1);
    keyRow->addWidget(NoShortcutBtn);
    layout->addLayout(keyRow);
    ShortcutNote = new QLabel(this);
    ShortcutNote->setObjectName(QStringLiteral("ShortcutNote"));
    ShortcutNote->setWordWrap(true);
    ShortcutNote->hide();
    layout->addWidget(ShortcutNote);
    // Parts of a text in another language: the voice of each language.
    OwnVoiceOnlyCB = check("OwnVoiceOnlyCB", tr("Read every article with its own voice o&nly"));
    auto *languageRow = new QHBoxLayout;
    LanguageCB = LabeledCombo(this, languageRow, tr("Voices for other lan&guages:"), {}, "LanguageCB");
    LanguageVoiceCB = LabeledCombo(this, languageRow, tr("Rea&d by:"), {}, "LanguageVoiceCB");
    languageRow->addStretch(1);
    layout->addLayout(languageRow);
    // Taken at the next start: every window would have to be made again.
    auto *interfaceRow = new QHBoxLayout;
    InterfaceLanguageCB = LabeledCombo(this, interfaceRow, tr("Int&erface language:"), {tr("System")}, "InterfaceLanguageCB");
    qsizetype longest = InterfaceLanguageCB->itemText(0).size();
    for (const QString &code : Translations::Shipped()) {
        InterfaceLanguageCB->addItem(Translations::NativeName(code), code);
        longest = std::max(longest,
                           InterfaceLanguageCB->itemText(InterfaceLanguageCB->count() - 1).size());
    }
    // As wide as its longest name in letters: measuring the names themselves would
    // look for a font of every script they are written in at each start.
    InterfaceLanguageCB->setMinimumContentsLength(int(longest));
    InterfaceLanguageCB->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *interfaceNote = new QLabel(tr("(from the next start)"), this);
    interfaceRow->addWidget(interfaceNote);
    interfaceRow->addStretch(1);
    layout->addLayout(interfaceRow);
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
    connect(OwnVoiceOnlyCB, &QCheckBox::clicked, this, [this](bool on) {
        m_Prefs.TTS_OwnVoiceOnly = on;
        LanguageCB->setEnabled(!on);
        LanguageVoiceCB->setEnabled(!on);
    });
    connect(LanguageCB, &QComboBox::currentIndexChanged, this, &TMiscPage::ShowLanguageVoices);
    connect(InterfaceLanguageCB, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_Prefs.UI_Language = InterfaceLanguageCB->itemData(index).toString();
    });
    connect(LanguageVoiceCB, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int language = LanguageCB->currentIndex();
        if (m_Filling || index < 0 || language < 0 || size_t(language) >= m_Languages.size())
            return;
        TTTSForm::TLanguageVoices &shown = m_Languages[size_t(language)];
        shown.Chosen = LanguageVoiceCB->itemText(index);
        if (ChooseLanguageVoice)
            ChooseLanguageVoice(shown.Language, shown.Chosen);
    });
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
    OwnVoiceOnlyCB->setChecked(m_Prefs.TTS_OwnVoiceOnly);
    InterfaceLanguageCB->setCurrentIndex(std::max(0, InterfaceLanguageCB->findData(m_Prefs.UI_Language)));
    LanguageCB->setEnabled(!m_Prefs.TTS_OwnVoiceOnly);
    LanguageVoiceCB->setEnabled(!m_Prefs.TTS_OwnVoiceOnly);
    FillLanguageVoices();
}

void TMiscPage::FillLanguageVoices()
{
    const QString shown = LanguageCB->currentIndex() >= 0 && size_t(LanguageCB->currentIndex()) < m_Languages.size()
                              ? m_Languages[size_t(LanguageCB->currentIndex())].Language
                              : QString();
    m_Languages = LanguageChoices ? LanguageChoices() : std::vector<TTTSForm::TLanguageVoices>{};
    // By their names, as a user looks for them.
    const auto name = [](const QString &code) {
        const QLocale locale(code);
        const QString english = QLocale::languageToString(locale.language());
        const QString native = locale.nativeLanguageName();
        return native.isEmpty() || native.compare(english, Qt::CaseInsensitive) == 0
                   ? english
                   : QStringLiteral("%1 (%2)").arg(english, native);
    };
    std::sort(m_Languages.begin(), m_Languages.end(), [&](const auto &a, const auto &b) {
        return name(a.Language).localeAwareCompare(name(b.Language)) < 0;
    });
    m_Filling = true;
    LanguageCB->clear();
    int again = 0;
    for (size_t i = 0; i < m_Languages.size(); ++i) {
        LanguageCB->addItem(name(m_Languages[i].Language));
        if (m_Languages[i].Language == shown)
            again = int(i);
    }
    m_Filling = false;
    LanguageCB->setCurrentIndex(m_Languages.empty() ? -1 : again);
    ShowLanguageVoices(LanguageCB->currentIndex());
}

void TMiscPage::ShowLanguageVoices(int index)
{
    m_Filling = true;
    LanguageVoiceCB->clear();
    if (index >= 0 && size_t(index) < m_Languages.size()) {
        const TTTSForm::TLanguageVoices &shown = m_Languages[size_t(index)];
        LanguageVoiceCB->addItems(shown.Voices);
        LanguageVoiceCB->setCurrentIndex(std::max<int>(0, int(shown.Voices.indexOf(shown.Chosen))));
    }
    m_Filling = false;
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
    // The voices may have changed since (languages chosen, voices installed).
    FillLanguageVoices();
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
