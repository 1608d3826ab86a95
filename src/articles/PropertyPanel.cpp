#include "articles/PropertyPanel.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QLabel *Caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();
    return label;
}

QPushButton *StripButton(const char *name, const QString &text, const QString &hint, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::TabFocus);
    button->setFixedHeight(TPropertyPanel::StripHeight - 2);
    button->adjustSize();
    button->setFixedHeight(TPropertyPanel::StripHeight - 2);
    button->hide();
    return button;
}

// The voice box's last entry, which opens the languages rather than naming a voice.
const QString moreLanguages = QStringLiteral("more-languages");

} // namespace

TPropertyPanel::TPropertyPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PropertyPanel"));
    setFrameStyle(QFrame::NoFrame);
    setFixedHeight(StripHeight);
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(tr("Title and voice"));
    setAccessibleDescription(tr("F2 changes them"));

    TitleCaption = Caption(tr("Title: "), this);
    TitleCaption->setObjectName(QStringLiteral("TitleCaption"));
    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    VoiceCaption = Caption(tr("Voice: "), this);
    VoiceCaption->setObjectName(QStringLiteral("VoiceCaption"));
    VoiceLabel = new QLabel(this);
    VoiceLabel->setObjectName(QStringLiteral("VoiceLabel"));
    TitleEditor = new QLineEdit(this);
    TitleEditor->setObjectName(QStringLiteral("TitleEditor"));
    TitleEditor->hide();
    VoiceBox = new QComboBox(this);
    VoiceBox->setObjectName(QStringLiteral("VoiceBox"));
    VoiceBox->setEditable(false);
    VoiceBox->hide();
    TitleEditor->setAccessibleName(tr("Title"));
    VoiceBox->setAccessibleName(tr("Voice"));
    TitleCaption->setBuddy(TitleEditor);
    VoiceCaption->setBuddy(VoiceBox);
    ReadButton = StripButton("ReadButton", tr("Read"), tr("Read selected article"), this);
    ReadToFileButton = StripButton("ReadToFileButton", tr("Read to File"),
                                   tr("Read selected article to file"), this);
    DeleteButton = StripButton("DeleteButton", tr("Delete"), tr("Delete selected article"), this);
    PlaceControls(250);

    for (QLabel *label : {TitleCaption, TitleLabel, VoiceCaption, VoiceLabel})
        label->installEventFilter(this);

    connect(TitleEditor, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_Editing)
            return;
        // "|" separates the fields of the saved-articles file.
        if (text.contains(QLatin1Char('|'))) {
            const int cursor = TitleEditor->cursorPosition();
            TitleEditor->setText(QString(text).replace(QLatin1Char('|'), QLatin1Char('_')));
            TitleEditor->setCursorPosition(cursor);
            return;
        }
        TitleLabel->setText(text);
        if (TitleEdited)
            TitleEdited(text);
    });
    connect(VoiceBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        if (VoiceBox->itemData(index) == moreLanguages) {
            // The article's voice stays chosen while the languages are picked.
            FillVoiceBox();
            QMetaObject::invokeMethod(this, [this] {
                if (MoreLanguages && MoreLanguages())
                    FillVoiceBox();
            }, Qt::QueuedConnection);
            return;
        }
        const QString voice = VoiceBox->itemText(index);
        VoiceLabel->setText(voice);
        VoiceLabel->adjustSize();
        if (VoicePicked)
            VoicePicked(voice);
    });
    connect(ReadButton, &QPushButton::clicked, this, [this] {
        if (ReadClicked)
            ReadClicked();
    });
    connect(ReadToFileButton, &QPushButton::clicked, this, [this] {
        if (ReadToFileClicked)
            ReadToFileClicked();
    });
    connect(DeleteButton, &QPushButton::clicked, this, [this] {
        if (DeleteClicked)
            DeleteClicked();
    });
    connect(qApp, &QApplication::focusChanged, this, &TPropertyPanel::FocusChanged);
}

void TPropertyPanel::PlaceControls(int voiceLeft)
{
    const int top = 5;
    TitleCaption->move(5, top);
    TitleLabel->move(TitleCaption->width() + 5, top);
    // A long title is cut short rather than run under the voice.
    TitleLabel->setFixedWidth(std::max(10, voiceLeft - TitleLabel->x() - 6));
    VoiceCaption->move(voiceLeft, top);
    VoiceLabel->move(VoiceCaption->width() + voiceLeft, top);
    TitleEditor->setGeometry(TitleLabel->x(), 1, std::max(60, voiceLeft - TitleLabel->x() - 8), StripHeight - 2);
    VoiceBox->setGeometry(VoiceLabel->x(), 1, 150, StripHeight - 2);
    ReadButton->move(VoiceBox->x() + VoiceBox->width() + 15, 1);
    ReadToFileButton->move(ReadButton->x() + ReadButton->width() + 2, 1);
    DeleteButton->move(ReadToFileButton->x() + ReadToFileButton->width() + 2, 1);
}

void TPropertyPanel::ApplyMultiLayout()
{
    m_MultiLayout = true;
    PlaceControls(180);
    for (QPushButton *b : {ReadButton, ReadToFileButton, DeleteButton})
        b->show();
}

void TPropertyPanel::ApplySingleLayout()
{
    m_MultiLayout = false;
    PlaceControls(250);
    for (QPushButton *b : {ReadButton, ReadToFileButton, DeleteButton})
        b->hide();
}

void TPropertyPanel::FillVoiceBox()
{
    const QStringList voices = VoiceNames ? VoiceNames() : QStringList();
    int index = 0;
    for (int i = 0; i < voices.size(); ++i) {
        if (voices.at(i) == VoiceLabel->text())
            index = i;
    }
    // Filling and selecting is not the user's choice of a voice.
    const QSignalBlocker blocker(VoiceBox);
    VoiceBox->clear();
    VoiceBox->addItems(voices);
    if (MoreLanguages) {
        VoiceBox->insertSeparator(VoiceBox->count());
        VoiceBox->addItem(tr("More languages…"), moreLanguages);
    }
    VoiceBox->setCurrentIndex(voices.isEmpty() ? -1 : index);
}

void TPropertyPanel::BeginEdit()
{
    if (m_Editing)
        return;
    FillVoiceBox();
    TitleEditor->setText(TitleLabel->text());
    m_Editing = true;
    TitleEditor->show();
    VoiceBox->show();
    TitleEditor->setFocus();
}

void TPropertyPanel::EndEdit()
{
    if (!m_Editing)
        return;
    TitleEditor->hide();
    VoiceBox->hide();
    m_Editing = false;
}

void TPropertyPanel::StartEdit()
{
    m_Editing = false;
    setFocus();
    BeginEdit();
}

void TPropertyPanel::mousePressEvent(QMouseEvent *event)
{
    QFrame::mousePressEvent(event);
    BeginEdit();
}

bool TPropertyPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        BeginEdit();
    return QFrame::eventFilter(watched, event);
}

void TPropertyPanel::FocusChanged(QWidget *old, QWidget *now)
{
    const auto inside = [this](QWidget *w) { return w && (w == this || isAncestorOf(w)); };
    // A message box or another window taking the focus is no reason to stop: the
    // focus comes back here when it closes.
    if (!now || now->window() != window())
        return;
    // The voice box's drop-down list is a window of its own while it is open.
    const bool inPopup = now && VoiceBox->view() && VoiceBox->view()->isAncestorOf(now);
    if (inside(old) && !inside(now) && !inPopup && now != VoiceBox->view())
        EndEdit();
}
