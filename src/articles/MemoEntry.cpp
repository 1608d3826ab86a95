#include "articles/MemoEntry.h"

#include "articles/ArticleNames.h"
#include "articles/MemoEntryView.h"
#include "articles/ArticleList.h"
#include "articles/TextFile.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextDocument>

TMemoEntry::TMemoEntry(TArticleList *owner) : m_Owner(owner) {}

TMemoEntry::~TMemoEntry()
{
    if (m_View)
        m_View->Unbind();
}

void TMemoEntry::SetTitle(const QString &title)
{
    QString clean = title;
    clean.replace(QLatin1Char('|'), QLatin1Char('_'));
    if (clean == m_Title)
        return;
    m_Title = clean;
    if (m_View)
        m_View->ShowTitleAndVoice();
}

void TMemoEntry::SetVoice(const QString &voice)
{
    if (voice == m_Voice)
        return;
    m_Voice = voice;
    if (m_View)
        m_View->ShowTitleAndVoice();
}

QString TMemoEntry::Text() const
{
    return m_View ? m_View->ShownText() : m_Text;
}

void TMemoEntry::SetText(const QString &text)
{
    m_Text = text;
    m_Blank = TextFile::IsBlank(text) ? 1 : 0;
    if (m_Blank && m_Owner)
        m_Owner->BlankMayHaveAppeared(this);
    if (m_View)
        m_View->ShowText();
}

TLanguageRanges TMemoEntry::Languages() const
{
    if (m_Languages.isEmpty() || qHash(Text()) != m_LanguagesOf)
        return {};
    return m_Languages;
}

void TMemoEntry::SetLanguages(const TLanguageRanges &ranges)
{
    m_Languages = ranges;
    m_LanguagesOf = qHash(Text());
}

void TMemoEntry::AppendLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    const QString current = Text();
    const QString added = lines.join(QLatin1Char('\n'));
    SetText(current.isEmpty() ? added : current + QLatin1Char('\n') + added);
}

int TMemoEntry::WordEnd(int position, int *length) const
{
    QTextDocument *document = m_View ? m_View->TextBox->document() : nullptr;
    const QString &text = m_Text;
    const auto n = static_cast<int>(document ? document->characterCount() - 1 : text.size());
    const auto at = [&](int i) { return document ? document->characterAt(i) : text.at(i); };
    int e = position + 1;
    while (e - 1 < n) {
        const QChar ch = at(e - 1);
        // The document keeps line breaks as paragraph separators.
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QLatin1Char(' ') || ch == QChar::ParagraphSeparator)
            break;
        ++e;
    }
    *length = n;
    return e;
}

bool TMemoEntry::IsBlank() const
{
    if (m_Blank < 0)
        m_Blank = TextFile::IsBlank(Text()) ? 1 : 0;
    return m_Blank == 1;
}

void TMemoEntry::TextEdited()
{
    m_Blank = -1;
    if (m_Owner)
        m_Owner->BlankMayHaveAppeared(this);
}

void TMemoEntry::Unshow()
{
    if (m_View)
        m_View->Unbind();
}

void TMemoEntry::Detach(const QString &text)
{
    m_Text = text;
    m_View = nullptr;
}

void TMemoEntry::SetLocked(bool locked)
{
    Locked = locked;
    if (m_View)
        m_View->ShowLocked();
}

void TMemoEntry::SetColor(const QColor &color)
{
    m_Color = color;
    if (m_View)
        m_View->ShowColor();
}

void TMemoEntry::SetTitleFromText(int limit)
{
    const QString title = ArticleNames::TitleFromText(Text(), limit);
    if (!title.isEmpty())
        SetTitle(title);
}

void TMemoEntry::FocusTitle()
{
    if (!m_View && m_Owner) {
        const int position = m_Owner->PositionOf(this);
        if (position > 0)
            m_Owner->MarkEntry(position);
    }
    if (m_View)
        m_View->Strip->StartEdit();
}

bool TMemoEntry::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes;
    if (!TextFile::ReadCapped(file, TextFile::MaxTextFileBytes, &bytes)) {
        Messages::ShowError(
            QCoreApplication::translate(
                "TextFile", "%1 is too large to be read as an article (more than 64 MB).")
                .arg(path));
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        Messages::ShowError(QCoreApplication::translate("TMemoEntry", "Error reading input file"));
        UtilsClass::Trace(QStringLiteral("Reading ") + path + QStringLiteral(" failed: ") + file.errorString());
    }
    if (TextFile::LooksBinary(bytes)) {
        Messages::ShowError(
            QCoreApplication::translate("TextFile", "%1 does not contain text; it was not opened.")
                .arg(path));
        return false;
    }
    if (!bytes.isEmpty())
        AppendLines(TextFile::SplitLines(TextFile::Decode(bytes)));
    return true;
}
