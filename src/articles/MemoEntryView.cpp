#include "articles/MemoEntryView.h"

#include "articles/MemoEntry.h"
#include "articles/MemoListBox.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

// Qt throws a paragraph's shaping away after every paint and rebuilds it, for the
// whole paragraph, to place the caret: tens of milliseconds a paint for a
// paragraph of a megabyte, several times a second while it is read. Long
// paragraphs keep theirs; it costs about what one rebuild allocates anyway.
constexpr int LongParagraph = 4096;

void KeepLayout(const QTextBlock &block)
{
    if (block.length() > LongParagraph && block.layout())
        block.layout()->setCacheEnabled(true);
}

} // namespace

TMemoEntryView::TMemoEntryView(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("MemoEntry"));
    setFrameStyle(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Strip = new TPropertyPanel(this);
    TextBox = new QPlainTextEdit(this);
    TextBox->setObjectName(QStringLiteral("TextBox"));
    TextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TextBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(Strip);
    layout->addWidget(TextBox, 1);

    const auto edited = [this] {
        if (m_Entry && m_Entry->Owner())
            m_Entry->Owner()->Edited();
    };
    connect(TextBox->document(), &QTextDocument::contentsChanged, this, [this, edited] {
        if (m_Entry && !m_Filling) {
            m_Entry->TextEdited();
            edited();
        }
    });
    Strip->TitleEdited = [this, edited](const QString &title) {
        if (m_Entry && title != m_Entry->Title()) {
            m_Entry->SetTitle(title);
            edited();
        }
    };
    Strip->VoicePicked = [this, edited](const QString &voice) {
        if (m_Entry && voice != m_Entry->Voice()) {
            m_Entry->SetVoice(voice);
            edited();
        }
    };
    const auto raise = [this](std::function<void(TMemoEntry *)> TMemoEntry::*event) {
        return [this, event] {
            if (m_Entry && m_Entry->*event)
                (m_Entry->*event)(m_Entry);
        };
    };
    Strip->ReadClicked = raise(&TMemoEntry::OnRead);
    Strip->ReadToFileClicked = raise(&TMemoEntry::OnReadToFile);
    Strip->DeleteClicked = raise(&TMemoEntry::OnDelete);

    Strip->installEventFilter(this);
    TextBox->installEventFilter(this);
    for (QWidget *child : Strip->findChildren<QWidget *>())
        child->installEventFilter(this);
}

TMemoEntryView::~TMemoEntryView() { Unbind(); }

void TMemoEntryView::Bind(TMemoEntry *entry)
{
    if (entry == m_Entry)
        return;
    Unbind();
    m_Entry = entry;
    entry->Attach(this);
    Strip->EndEdit();
    if (entry->MultiLayout())
        Strip->ApplyMultiLayout();
    else
        Strip->ApplySingleLayout();
    ShowTitleAndVoice();
    ShowText();
    ShowColor();
    ShowLocked();
}

void TMemoEntryView::Unbind()
{
    if (!m_Entry)
        return;
    TMemoEntry *entry = m_Entry;
    m_Entry = nullptr;
    // Hiding the focused article must not hand the focus (and with it the mark)
    // to another article.
    QWidget *focused = QApplication::focusWidget();
    if (focused && isAncestorOf(focused) && parentWidget())
        parentWidget()->setFocus();
    entry->Detach(entry->m_TextInView ? TextBox->toPlainText() : QString());
    Strip->EndEdit();
    hide();
}

void TMemoEntryView::ShowTitleAndVoice()
{
    if (!m_Entry)
        return;
    Strip->TitleLabel->setText(m_Entry->Title());
    Strip->VoiceLabel->setText(m_Entry->Voice());
    Strip->VoiceLabel->adjustSize();
}

void TMemoEntryView::ShowText()
{
    if (!m_Entry)
        return;
    m_Filling = true;
    TextBox->setPlainText(m_Entry->m_Text);
    m_Filling = false;
    for (QTextBlock block = TextBox->document()->firstBlock(); block.isValid(); block = block.next())
        KeepLayout(block);
}

void TMemoEntryView::ShowColor()
{
    if (!m_Entry)
        return;
    QPalette p = TextBox->palette();
    if (m_Entry->Color().isValid())
        p.setColor(QPalette::Base, m_Entry->Color());
    TextBox->setPalette(p);
}

void TMemoEntryView::ShowLocked()
{
    if (!m_Entry)
        return;
    const bool locked = m_Entry->Locked;
    TextBox->setReadOnly(locked);
    if (m_ShownLocked && !locked) {
        // The spoken word's highlight is a selection: it ends with the reading, so
        // that a paste afterwards does not replace it.
        QTextCursor cursor = TextBox->textCursor();
        cursor.clearSelection();
        TextBox->setTextCursor(cursor);
    }
    m_ShownLocked = locked;
}

void TMemoEntryView::ShowReadingPosition(qint32 start, qint32 end)
{
    QTextCursor cursor = TextBox->textCursor();
    // A paragraph typed or pasted since the text was shown.
    KeepLayout(TextBox->document()->findBlock(start));
    cursor.setPosition(start);
    if (end > start)
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    TextBox->setTextCursor(cursor);
}

bool TMemoEntryView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_Entry && Entered)
        Entered(m_Entry);
    return QFrame::eventFilter(watched, event);
}
