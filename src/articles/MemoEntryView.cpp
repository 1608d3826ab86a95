#include "articles/MemoEntryView.h"

#include "articles/MemoEntry.h"
#include "articles/ArticleList.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
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

// An article's text box: a picture pasted into it (a screenshot, a photo of a
// page) is handed to `PicturePasted`, which puts its text in; text that is only
// a web address is offered to `AddressPasted`, which may open the page instead.
class TArticleTextBox : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

    std::function<void(const QImage &)> PicturePasted;
    std::function<bool(const QString &)> AddressPasted;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override
    {
        return QPlainTextEdit::canInsertFromMimeData(source) || (source->hasImage() && PicturePasted);
    }
    void insertFromMimeData(const QMimeData *source) override
    {
        // Text comes first: a browser copying a picture gives its address as text too,
        // and a text editor's copy never holds a picture.
        if (source->hasText() && AddressPasted && AddressPasted(source->text()))
            return;
        if (source->hasText() || !source->hasImage() || !PicturePasted) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        const QImage picture = qvariant_cast<QImage>(source->imageData());
        if (!picture.isNull())
            PicturePasted(picture);
    }
};

} // namespace

TMemoEntryView::TMemoEntryView(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("MemoEntry"));
    setFrameStyle(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Strip = new TPropertyPanel(this);
    auto *textBox = new TArticleTextBox(this);
    textBox->PicturePasted = [this](const QImage &picture) { PastePicture(picture); };
    textBox->AddressPasted = [this](const QString &text) { return AddressPasted && AddressPasted(text); };
    TextBox = textBox;
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
        FollowTextDirection();
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
    Strip->ReadClicked = [this] {
        if (m_Entry && m_Entry->Owner())
            m_Entry->Owner()->RequestRead(m_Entry, false);
    };
    Strip->ReadToFileClicked = [this] {
        if (m_Entry && m_Entry->Owner())
            m_Entry->Owner()->RequestRead(m_Entry, true);
    };
    Strip->DeleteClicked = [this] {
        if (m_Entry && m_Entry->Owner())
            m_Entry->Owner()->RequestDelete(m_Entry);
    };

    connect(Strip->TitleEditor, &QLineEdit::returnPressed, this, [this] { TextBox->setFocus(Qt::OtherFocusReason); });
    Strip->installEventFilter(this);
    TextBox->installEventFilter(this);
    for (QWidget *child : Strip->findChildren<QWidget *>())
        child->installEventFilter(this);
}

TMemoEntryView::~TMemoEntryView() { Unbind(); }

void TMemoEntryView::PastePicture(const QImage &picture)
{
    TMemoEntry *entry = m_Entry;
    if (!entry || !PictureText || entry->Locked)
        return;
    const QPointer<TMemoEntryView> self(this);
    // Recognising takes a while, with events running: the article may be shown by
    // another view by then, or not at all.
    const QString text = PictureText(picture);
    if (text.isEmpty())
        return;
    if (self && m_Entry == entry) {
        TextBox->insertPlainText(text);
        return;
    }
    TArticleList *list = entry->Owner();
    if (!list)
        return;
    for (int k = 1; k <= list->Count(); ++k) {
        if (list->EntryAt(k) == entry && !entry->Locked) {
            QString current = entry->Text();
            if (!current.isEmpty() && !current.endsWith(QLatin1Char('\n')))
                current += QLatin1Char('\n');
            entry->SetText(current + text);
            list->Edited();
            return;
        }
    }
}

void TMemoEntryView::Bind(TMemoEntry *entry)
{
    if (entry == m_Entry)
        return;
    Unbind();
    // Shown elsewhere, its text is in that editor: taken back first.
    if (entry->View())
        entry->View()->Unbind();
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
    if (entry->Place > 0 && entry->Place < TextBox->document()->characterCount())
        ShowReadingPosition(entry->Place, entry->Place);
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
    entry->Detach(ShownText());
    // A hidden view keeps no article's text.
    m_Filling = true;
    TextBox->clear();
    m_Filling = false;
    Strip->EndEdit();
    hide();
}

void TMemoEntryView::ShowTitleAndVoice()
{
    if (!m_Entry)
        return;
    ShowName();
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
    m_Entry->m_Text.clear();
    for (QTextBlock block = TextBox->document()->firstBlock(); block.isValid(); block = block.next())
        KeepLayout(block);
}

void TMemoEntryView::FollowTextDirection()
{
    // The text's first strong character decides, whatever the interface's direction:
    // Arabic text runs from the right in an English window, English from the left in
    // an Arabic one; text without one (digits, say) follows the interface.
    Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
    bool found = false;
    for (QTextBlock block = TextBox->document()->firstBlock(); block.isValid() && !found;
         block = block.next()) {
        const QString text = block.text();
        for (const QChar c : text) {
            const QChar::Direction d = c.direction();
            if (d == QChar::DirL || d == QChar::DirR || d == QChar::DirAL) {
                direction = d == QChar::DirL ? Qt::LeftToRight : Qt::RightToLeft;
                found = true;
                break;
            }
        }
    }
    if (TextBox->layoutDirection() != direction)
        TextBox->setLayoutDirection(direction);
}

QString TMemoEntryView::ShownText() const
{
    QString text = TextBox->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
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

void TMemoEntryView::ShowName()
{
    const TArticleList *list = m_Entry ? m_Entry->Owner() : nullptr;
    if (!list)
        return;
    QString name = tr("Article %1 of %2").arg(list->PositionOf(m_Entry)).arg(list->Count());
    if (!m_Entry->Title().trimmed().isEmpty())
        name += QStringLiteral(": ") + m_Entry->Title();
    TextBox->setAccessibleName(name);
    setAccessibleName(name);
    TextBox->setAccessibleDescription(tr("Voice: %1").arg(m_Entry->Voice()));
}

bool TMemoEntryView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_Entry) {
        // The position may have changed since the article was shown.
        ShowName();
        if (Entered)
            Entered(m_Entry);
    }
    if (watched != TextBox && event->type() == QEvent::KeyPress && Strip->Editing() &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // Done with the title and voice: back to the text.
        TextBox->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (watched == TextBox && event->type() == QEvent::KeyPress) {
        // Tab is a character in a text; Ctrl+Tab and Ctrl+Shift+Tab leave it.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool back = key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && key->modifiers().testFlag(Qt::ControlModifier)) {
            for (QWidget *next = back ? TextBox->previousInFocusChain() : TextBox->nextInFocusChain(); next && next != TextBox;
                 next = back ? next->previousInFocusChain() : next->nextInFocusChain()) {
                if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(window()) && next->isEnabled() &&
                    !next->focusProxy()) {
                    next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                    break;
                }
            }
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
