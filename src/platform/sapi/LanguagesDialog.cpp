#include "platform/sapi/LanguagesDialog.h"

#include "platform/sapi/CheckList.h"
#include "platform/sapi/EspeakLanguages.h"
#include "platform/sapi/PreviewSpeaker.h"
#include "platform/shell/Messages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int identifierRole = Qt::UserRole;

QString IdentifierOf(const QListWidgetItem *item) { return item->data(identifierRole).toString(); }

} // namespace

LanguagesDialog::LanguagesDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LanguagesDialog"));
    setWindowTitle(tr("Languages"));
    resize(420, 460);
    m_Preview = new PreviewSpeaker(this);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Each language you check adds a female and a male voice, "
                                "\"Mary (<Language>)\" and \"Mike (<Language>)\"."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *searchRow = new QHBoxLayout;
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setAccessibleName(tr("Search"));
    SearchEdit->setClearButtonEnabled(true);
    searchLabel->setBuddy(SearchEdit);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(SearchEdit, 1);
    layout->addLayout(searchRow);

    auto *listLabel = new QLabel(tr("&Languages:"), this);
    LanguageList = new CheckList(this);
    LanguageList->setObjectName(QStringLiteral("LanguageList"));
    LanguageList->setAccessibleName(tr("Languages"));
    listLabel->setBuddy(LanguageList);
    layout->addWidget(listLabel);
    layout->addWidget(LanguageList, 1);

    const QStringList checked = EspeakLanguages::Checked();
    m_Filling = true;
    LanguageList->setUpdatesEnabled(false);
    for (const EspeakLanguage &language : EspeakLanguages::Available()) {
        auto *item = new QListWidgetItem(language.Display(), LanguageList);
        item->setData(identifierRole, language.Identifier);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(checked.contains(language.Identifier) ? Qt::Checked : Qt::Unchecked);
    }
    LanguageList->setUpdatesEnabled(true);
    m_Filling = false;

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    TestBtn = buttons->addButton(tr("&Test"), QDialogButtonBox::ActionRole);
    TestBtn->setObjectName(QStringLiteral("TestBtn"));
    layout->addWidget(buttons);

    connect(SearchEdit, &QLineEdit::textChanged, this, &LanguagesDialog::Search);
    connect(LanguageList, &QListWidget::itemChanged, this, &LanguagesDialog::ItemChanged);
    connect(LanguageList, &QListWidget::currentItemChanged, this, &LanguagesDialog::CurrentChanged);
    connect(TestBtn, &QPushButton::clicked, this, &LanguagesDialog::TestLanguage);
    connect(buttons, &QDialogButtonBox::accepted, this, &LanguagesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LanguagesDialog::reject);
    // Enter in the search box moves to the first language found rather than closing.
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] {
        m_EnterTaken = true;
        for (int row = 0; row < LanguageList->count(); ++row) {
            if (!LanguageList->item(row)->isHidden()) {
                LanguageList->setCurrentRow(row);
                LanguageList->setFocus();
                return;
            }
        }
    });
    if (LanguageList->count() > 0)
        LanguageList->setCurrentRow(0);
    CurrentChanged();
    SearchEdit->setFocus();
}

LanguagesDialog::~LanguagesDialog() = default;

void LanguagesDialog::keyPressEvent(QKeyEvent *event)
{
    // The search box has taken its Enter (to the first language found); the dialog
    // does not take it again as OK.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && std::exchange(m_EnterTaken, false)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QListWidgetItem *LanguagesDialog::ItemOf(const QString &identifier) const
{
    for (int row = 0; row < LanguageList->count(); ++row) {
        if (IdentifierOf(LanguageList->item(row)) == identifier)
            return LanguageList->item(row);
    }
    return nullptr;
}

QStringList LanguagesDialog::CheckedLanguages() const
{
    QStringList checked;
    for (int row = 0; row < LanguageList->count(); ++row) {
        if (LanguageList->item(row)->checkState() == Qt::Checked)
            checked << IdentifierOf(LanguageList->item(row));
    }
    return checked;
}

void LanguagesDialog::Search(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < LanguageList->count(); ++row) {
        QListWidgetItem *item = LanguageList->item(row);
        const EspeakLanguage *language = EspeakLanguages::Find(IdentifierOf(item));
        const bool found = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive) ||
                           (language && language->Code.startsWith(wanted, Qt::CaseInsensitive));
        item->setHidden(!found);
    }
    // Test speaks the language the user can see chosen.
    if (!LanguageList->currentItem() || LanguageList->currentItem()->isHidden()) {
        for (int row = 0; row < LanguageList->count(); ++row) {
            if (!LanguageList->item(row)->isHidden()) {
                LanguageList->setCurrentRow(row);
                return;
            }
        }
        LanguageList->setCurrentItem(nullptr);
    }
}

void LanguagesDialog::ItemChanged(QListWidgetItem *item)
{
    if (m_Filling || item->checkState() != Qt::Unchecked)
        return;
    const EspeakLanguage *language = EspeakLanguages::Find(IdentifierOf(item));
    if (!language || !EspeakLanguages::Checked().contains(language->Identifier))
        return;
    // Before a voice in use goes, the user learns where it is used.
    const QStringList modes = EspeakLanguages::ModeNames(*language);
    const QStringList uses = EspeakLanguages::Usage(modes);
    if (uses.isEmpty())
        return;
    const QString question = tr("%1 and %2 are used by:\r\r%3\r\rThese keep the voice's name, which can no longer be "
                                "read with until the language is checked again. Uncheck %4?")
                                 .arg(modes.value(0), modes.value(1), uses.join(QLatin1Char('\r')), language->Name);
    if (!Messages::Confirm(question)) {
        const QSignalBlocker blocker(LanguageList);
        item->setCheckState(Qt::Checked);
    }
}

void LanguagesDialog::CurrentChanged()
{
    const QListWidgetItem *item = LanguageList->currentItem();
    const EspeakLanguage *language = item ? EspeakLanguages::Find(IdentifierOf(item)) : nullptr;
    TestBtn->setEnabled(language != nullptr);
    const QString name = language ? tr("Test %1").arg(language->Name) : tr("Test");
    TestBtn->setAccessibleName(name);
    TestBtn->setToolTip(name);
}

void LanguagesDialog::TestLanguage()
{
    const QListWidgetItem *item = LanguageList->currentItem();
    const EspeakLanguage *language = item ? EspeakLanguages::Find(IdentifierOf(item)) : nullptr;
    if (!language)
        return;
    // Its own name and a count, which every voice says in its language.
    const QString name = language->NativeName.isEmpty() ? language->Name : language->NativeName;
    m_Preview->Speak(language->Identifier + QStringLiteral("+f3"), Prosody{55, 175}, name + QStringLiteral(". 1, 2, 3."));
}

void LanguagesDialog::accept()
{
    const QStringList checked = CheckedLanguages();
    if (checked != EspeakLanguages::Checked() && !EspeakLanguages::SetChecked(checked)) {
        Messages::ShowError(tr("The languages could not be stored; the choice holds until the program ends."));
    }
    QDialog::accept();
}
