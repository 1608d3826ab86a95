#include "platform/sapi/LexiconDialog.h"

#include "platform/sapi/Lexicon.h"
#include "platform/sapi/PreviewSpeaker.h"
#include "platform/shell/Messages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>


LexiconDialog::LexiconDialog(const QString &voice, const Prosody &prosody, QWidget *parent)
    : QDialog(parent), m_Voice(voice), m_Prosody(prosody)
{
    setObjectName(QStringLiteral("LexiconDialog"));
    setWindowTitle(tr("Pronunciation Editor"));
    resize(460, 380);
    m_Preview = new PreviewSpeaker(this);

    auto *layout = new QVBoxLayout(this);
    Table = new QTableWidget(0, 2, this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setAccessibleName(tr("Pronunciations"));
    Table->setHorizontalHeaderLabels({tr("Word"), tr("Sounds like")});
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(Table, 1);

    auto *form = new QFormLayout;
    WordEdit = new QLineEdit(this);
    SoundsLikeEdit = new QLineEdit(this);
    form->addRow(tr("&Word:"), WordEdit);
    form->addRow(tr("&Sounds like:"), SoundsLikeEdit);
    layout->addLayout(form);

    auto *row = new QHBoxLayout;
    AddBtn = new QPushButton(tr("&Add"), this);
    ChangeBtn = new QPushButton(tr("&Change"), this);
    DeleteBtn = new QPushButton(tr("&Delete"), this);
    TestBtn = new QPushButton(tr("&Test"), this);
    for (QPushButton *b : {AddBtn, ChangeBtn, DeleteBtn, TestBtn}) {
        b->setAutoDefault(false);
        row->addWidget(b);
    }
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    connect(AddBtn, &QPushButton::clicked, this, &LexiconDialog::AddEntry);
    connect(ChangeBtn, &QPushButton::clicked, this, &LexiconDialog::ChangeEntry);
    connect(DeleteBtn, &QPushButton::clicked, this, &LexiconDialog::DeleteEntry);
    connect(TestBtn, &QPushButton::clicked, this, &LexiconDialog::TestEntry);
    connect(buttons, &QDialogButtonBox::accepted, this, &LexiconDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Table, &QTableWidget::itemSelectionChanged, this, &LexiconDialog::SelectionChanged);

    Lexicon::Contents contents = Lexicon::Read();
    if (!contents.Error.isEmpty()) {
        // Saving would replace a list that could not be read.
        Messages::ShowError(tr("The pronunciations in %1 could not be read (%2); they cannot be edited now.")
                                .arg(Lexicon::FilePath(), contents.Error));
        return;
    }
    m_Kept = std::move(contents.Kept);
    Table->setUpdatesEnabled(false);
    Table->setRowCount(static_cast<int>(contents.Entries.size()));
    for (int r = 0; r < contents.Entries.size(); ++r)
        SetRow(r, contents.Entries.at(r).first, contents.Entries.at(r).second);
    Table->setUpdatesEnabled(true);
    Loaded = true;
    SelectionChanged();
}

LexiconDialog::~LexiconDialog() = default;

int LexiconDialog::RowOf(const QString &word) const
{
    for (int r = 0; r < Table->rowCount(); ++r) {
        if (Table->item(r, 0)->text().compare(word, Qt::CaseInsensitive) == 0)
            return r;
    }
    return -1;
}

void LexiconDialog::SetRow(int row, const QString &word, const QString &soundsLike)
{
    if (row >= Table->rowCount())
        Table->insertRow(row);
    Table->setItem(row, 0, new QTableWidgetItem(word));
    Table->setItem(row, 1, new QTableWidgetItem(soundsLike));
}

void LexiconDialog::SelectionChanged()
{
    const int row = Table->currentRow();
    const bool selected = row >= 0 && !Table->selectedItems().isEmpty();
    ChangeBtn->setEnabled(selected);
    DeleteBtn->setEnabled(selected);
    if (selected) {
        WordEdit->setText(Table->item(row, 0)->text());
        SoundsLikeEdit->setText(Table->item(row, 1)->text());
    }
}

void LexiconDialog::AddEntry()
{
    const QString word = WordEdit->text().trimmed();
    const QString soundsLike = SoundsLikeEdit->text().trimmed();
    if (!Lexicon::Valid(word, soundsLike)) {
        Messages::ShowMessage(tr("Type a word or phrase and how it sounds."));
        return;
    }
    const int existing = RowOf(word);
    const int row = existing >= 0 ? existing : Table->rowCount();
    SetRow(row, word, soundsLike);
    Table->selectRow(row);
}

void LexiconDialog::ChangeEntry()
{
    const int row = Table->currentRow();
    const QString word = WordEdit->text().trimmed();
    const QString soundsLike = SoundsLikeEdit->text().trimmed();
    if (row < 0 || !Lexicon::Valid(word, soundsLike))
        return;
    const int other = RowOf(word);
    if (other >= 0 && other != row)
        Table->removeRow(other);
    SetRow(Table->currentRow() >= 0 ? Table->currentRow() : row, word, soundsLike);
}

void LexiconDialog::DeleteEntry()
{
    const int row = Table->currentRow();
    if (row >= 0)
        Table->removeRow(row);
    WordEdit->clear();
    SoundsLikeEdit->clear();
}

void LexiconDialog::TestEntry()
{
    const QString word = WordEdit->text().trimmed();
    const QString soundsLike = SoundsLikeEdit->text().trimmed();
    const QString phrase = soundsLike.isEmpty() ? word : soundsLike;
    if (phrase.isEmpty())
        return;
    m_Preview->Speak(m_Voice, m_Prosody, phrase);
}

void LexiconDialog::accept()
{
    QList<Lexicon::Entry> entries;
    for (int r = 0; r < Table->rowCount(); ++r)
        entries.append({Table->item(r, 0)->text(), Table->item(r, 1)->text()});
    if (!Lexicon::Save(entries, m_Kept)) {
        Messages::ShowError(tr("The pronunciations could not be saved to %1").arg(Lexicon::FilePath()));
        return;
    }
    QDialog::accept();
}
