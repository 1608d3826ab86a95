#include "app/options/VoiceSourcesPage.h"

#include "platform/piper/PiperEngine.h"
#include "platform/shell/FileDialogs.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TVoiceSourcesPage::TVoiceSourcesPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VoiceSourcesSheet"));
    auto *layout = new QVBoxLayout(this);
    m_States = new QFormLayout;
    layout->addLayout(m_States);

    auto *programLabel = new QLabel(tr("Piper &program:"), this);
    PiperProgramEdit = new QLineEdit(this);
    PiperProgramEdit->setObjectName(QStringLiteral("PiperProgramEdit"));
    PiperProgramEdit->setAccessibleName(tr("Piper program"));
    PiperProgramEdit->setPlaceholderText(tr("piper on the PATH"));
    programLabel->setBuddy(PiperProgramEdit);
    auto *programRow = new QHBoxLayout;
    programRow->addWidget(programLabel);
    programRow->addWidget(PiperProgramEdit, 1);
    layout->addLayout(programRow);
    connect(PiperProgramEdit, &QLineEdit::editingFinished, this, [this] {
        if (PiperChoices && PiperProgramEdit->text().trimmed() != PiperChoices().first)
            Apply(PiperProgramEdit->text().trimmed(), m_Added);
    });

    auto *foldersLabel = new QLabel(tr("Piper &voice folders:"), this);
    PiperFoldersList = new QListWidget(this);
    PiperFoldersList->setObjectName(QStringLiteral("PiperFoldersList"));
    PiperFoldersList->setAccessibleName(tr("Piper voice folders"));
    foldersLabel->setBuddy(PiperFoldersList);
    layout->addWidget(foldersLabel);
    layout->addWidget(PiperFoldersList, 1);
    auto *buttons = new QHBoxLayout;
    AddFolderBtn = new QPushButton(tr("&Add a folder…"), this);
    AddFolderBtn->setObjectName(QStringLiteral("AddFolderBtn"));
    RemoveFolderBtn = new QPushButton(tr("&Remove Folder"), this);
    RemoveFolderBtn->setObjectName(QStringLiteral("RemoveFolderBtn"));
    RemoveFolderBtn->setEnabled(false);
    buttons->addWidget(AddFolderBtn);
    buttons->addWidget(RemoveFolderBtn);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_Note = new QLabel(this);
    m_Note->setWordWrap(true);
    layout->addWidget(m_Note);
    connect(AddFolderBtn, &QPushButton::clicked, this, &TVoiceSourcesPage::AddFolderBtnClick);
    connect(RemoveFolderBtn, &QPushButton::clicked, this, [this] {
        const QListWidgetItem *item = PiperFoldersList->currentItem();
        if (!item || !m_Added.contains(item->text()))
            return;
        QStringList folders = m_Added;
        folders.removeAll(item->text());
        Apply(PiperProgramEdit->text().trimmed(), folders);
    });
    // Only the folders the user added can be taken away again.
    connect(PiperFoldersList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        RemoveFolderBtn->setEnabled(item && m_Added.contains(item->text()));
    });
}

void TVoiceSourcesPage::showEvent(QShowEvent *event)
{
    Refresh();
    QWidget::showEvent(event);
}

void TVoiceSourcesPage::Refresh()
{
    while (m_States->rowCount() > 0)
        m_States->removeRow(0);
    if (Sources) {
        for (const TTTSForm::TVoiceSource &source : Sources()) {
            auto *state = new QLabel(source.Details.isEmpty() ? source.State : source.State + QStringLiteral("\n") + source.Details, this);
            // A line each, whole: the page scrolls where they are wider than it.
            state->setWordWrap(false);
            state->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            state->setAccessibleName(source.Name + QStringLiteral(": ") + source.State);
            m_States->addRow(source.Name + QLatin1Char(':'), state);
        }
    }
    if (PiperChoices) {
        const auto [program, added] = PiperChoices();
        m_Added = added;
        PiperProgramEdit->setText(program);
        PiperFoldersList->clear();
        for (const QString &folder : PiperEngine::StandardFolders() + added)
            PiperFoldersList->addItem(folder);
    }
    RemoveFolderBtn->setEnabled(false);
}

void TVoiceSourcesPage::AddFolderBtnClick()
{
    const QString folder = FileDialogs::GetExistingDirectory(this, tr("Add a Folder of Piper Voices"), QDir::homePath());
    if (folder.isEmpty() || m_Added.contains(folder))
        return;
    Apply(PiperProgramEdit->text().trimmed(), m_Added + QStringList{folder});
}

void TVoiceSourcesPage::Apply(const QString &program, const QStringList &folders)
{
    if (ApplyPiper && !ApplyPiper(program, folders)) {
        m_Note->setText(tr("The voices can be looked for again once the reading has stopped."));
        return;
    }
    m_Note->clear();
    Refresh();
}
