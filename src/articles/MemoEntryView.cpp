#include "articles/MemoEntryView.h"

#include "articles/MemoEntry.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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

    connect(TextBox->document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_Entry && !m_Filling)
            m_Entry->TextEdited();
    });
    Strip->TitleEdited = [this](const QString &title) {
        if (m_Entry)
            m_Entry->SetTitle(title);
    };
    Strip->VoicePicked = [this](const QString &voice) {
        if (m_Entry)
            m_Entry->SetVoice(voice);
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

bool TMemoEntryView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && m_Entry && Entered)
        Entered(m_Entry);
    return QFrame::eventFilter(watched, event);
}
