#include "app/options/FileOptionsPage.h"

#include "app/options/OutDirDialog.h"
#include "app/options/OptionControls.h"
#include "settings/Preferences.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFileOptionsPage::TFileOptionsPage(TPreferences &prefs, QWidget *parent) : QWidget(parent), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("FileOptionsSheet"));
    auto *page = new QVBoxLayout(this);
    FileFormatRGrp = OptionControls::RadioGroup(this, tr("Output File Format"),
                                                {tr("&Wav"), tr("&MP3"), tr("M&4B audiobook"),
                                                 tr("O&pus"), tr("&Read-along book (EPUB 3)")}, page,
                                                "FileFormatRGrp");
    auto *bookRow = new QHBoxLayout;
    HighlightWordsCheck = new QCheckBox(tr("&Highlight words"), this);
    HighlightWordsCheck->setObjectName(QStringLiteral("HighlightWordsCheck"));
    HighlightWordsCheck->setToolTip(tr("The book lights each word as it is spoken, not only each sentence"));
    bookRow->addWidget(HighlightWordsCheck);
    auto *bookAudioLabel = new QLabel(tr("Book &audio:"), this);
    BookAudioCombo = new QComboBox(this);
    BookAudioCombo->setObjectName(QStringLiteral("BookAudioCombo"));
    BookAudioCombo->addItems({QStringLiteral("MP3"), QStringLiteral("AAC (MP4)")});
    BookAudioCombo->setAccessibleName(tr("Book audio"));
    bookAudioLabel->setBuddy(BookAudioCombo);
    bookRow->addSpacing(16);
    bookRow->addWidget(bookAudioLabel);
    bookRow->addWidget(BookAudioCombo);
    bookRow->addStretch(1);
    page->addLayout(bookRow);
    auto *timedLabel = new QLabel(tr("&Timed text beside each file:"), this);
    page->addWidget(timedLabel);
    SubtitlesCombo = new QComboBox(this);
    SubtitlesCombo->setObjectName(QStringLiteral("SubtitlesCombo"));
    SubtitlesCombo->addItems({tr("None"), tr("SRT subtitles"), tr("WebVTT subtitles"),
                              tr("LRC lyrics")});
    SubtitlesCombo->setAccessibleName(tr("Timed text beside each file"));
    timedLabel->setBuddy(SubtitlesCombo);
    page->addWidget(SubtitlesCombo);
    auto *label = new QLabel(tr("File Output D&irectory:"), this);
    page->addWidget(label);
    auto *row = new QHBoxLayout;
    OutDirEdit = new QLineEdit(this);
    OutDirEdit->setObjectName(QStringLiteral("OutDirEdit"));
    OutDirEdit->setAccessibleName(tr("File Output Directory"));
    label->setBuddy(OutDirEdit);
    Button1 = new QPushButton(tr("&Browse"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    row->addWidget(OutDirEdit, 1);
    row->addWidget(Button1);
    page->addLayout(row);
    page->addStretch(1);

    connect(FileFormatRGrp, &QButtonGroup::idClicked, this, &TFileOptionsPage::FileFormatRGrpClick);
    connect(SubtitlesCombo, &QComboBox::activated, this, [this](int index) {
        if (!Initialized || Initialized())
            m_Prefs.OUT_Subtitles = static_cast<quint8>(index);
    });
    connect(HighlightWordsCheck, &QCheckBox::toggled, this, [this](bool on) { m_Prefs.OUT_HighlightWords = on; });
    connect(BookAudioCombo, &QComboBox::currentIndexChanged, this, [this](int index) { m_Prefs.OUT_BookAudio = static_cast<quint8>(index); });
    connect(OutDirEdit, &QLineEdit::textChanged, this, &TFileOptionsPage::OutDirEditChange);
    connect(Button1, &QPushButton::clicked, this, &TFileOptionsPage::Button1Click);
}

void TFileOptionsPage::Load()
{
    FileFormatRGrp->button(m_Prefs.OUT_FileFormat <= 4 ? m_Prefs.OUT_FileFormat : 0)->setChecked(true);
    SubtitlesCombo->setCurrentIndex(m_Prefs.OUT_Subtitles <= 3 ? m_Prefs.OUT_Subtitles : 0);
    HighlightWordsCheck->setChecked(m_Prefs.OUT_HighlightWords);
    BookAudioCombo->setCurrentIndex(m_Prefs.OUT_BookAudio == 1 ? 1 : 0);
    ShowBookChoices();
    OutDirEdit->setText(m_Prefs.OUT_Directory);
}

void TFileOptionsPage::FileFormatRGrpClick(int index)
{
    if (!Initialized || Initialized())
        m_Prefs.OUT_FileFormat = static_cast<quint8>(index);
    ShowBookChoices();
}

void TFileOptionsPage::ShowBookChoices()
{
    const bool book = FileFormatRGrp->checkedId() == 4;
    HighlightWordsCheck->setEnabled(book);
    BookAudioCombo->setEnabled(book);
    // The book holds its timed text.
    SubtitlesCombo->setEnabled(!book);
}

void TFileOptionsPage::OutDirEditChange(const QString &text)
{
    QString dir = text.trimmed();
    if (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    m_Prefs.OUT_Directory = dir;
}

void TFileOptionsPage::Button1Click()
{
    TOutDirDialog dialog(m_Prefs, window());
    if (dialog.exec() == QDialog::Accepted)
        OutDirEdit->setText(m_Prefs.OUT_Directory);
}
