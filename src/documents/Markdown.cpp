#include "documents/Markdown.h"

#include "documents/Html.h"

#include <QRegularExpression>

#include <md4c-html.h>

namespace {

// A YAML block at the very top ("---" … "---" or "…"), which tools read, not
// people: only its title and author are kept, as the title page other formats have.
QString WithoutFrontMatter(const QString &markdown, QString *title, QStringList *authors)
{
    static const QRegularExpression frontMatter(QStringLiteral("\\A\\x{FEFF}?---[ \\t]*\\r?\\n(.*?)\\r?\\n(?:---|\\.\\.\\.)[ \\t]*(?:\\r?\\n|\\z)"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = frontMatter.match(markdown);
    if (!match.hasMatch())
        return markdown;
    const auto unquoted = [](QString value) {
        value = value.trimmed();
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value.trimmed();
    };
    QString key;
    for (const QString &line : match.captured(1).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char(' ')) && !line.startsWith(QLatin1Char('-')) && line.contains(QLatin1Char(':'))) {
            key = line.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
            const QString value = unquoted(line.section(QLatin1Char(':'), 1));
            if (key == QLatin1String("title"))
                *title = value;
            else if (key == QLatin1String("author") && !value.isEmpty())
                *authors << value;
        } else if (key == QLatin1String("author") && line.trimmed().startsWith(QLatin1Char('-'))) {
            *authors << unquoted(line.trimmed().mid(1)); // a list of authors
        }
    }
    return markdown.mid(match.capturedEnd());
}

// Footnotes as GitHub writes them: a mark "[^name]" in the text and "[^name]: the
// note" as a paragraph of its own; made the page's marks and notes, so that each
// note is read after the paragraph that marks it.
QString WithNotes(QString markdown)
{
    static const QRegularExpression definition(QStringLiteral("^[ ]{0,3}\\[\\^([^\\]\\s]+)\\]:[ \\t]*(.*)$"),
                                               QRegularExpression::MultilineOption);
    static const QRegularExpression mark(QStringLiteral("\\[\\^([^\\]\\s]+)\\]"));
    markdown.replace(definition, QStringLiteral("<div role=\"doc-footnote\" id=\"fn-\\1\">\n\n\\2\n\n</div>"));
    return markdown.replace(mark, QStringLiteral("<a role=\"doc-noteref\" href=\"#fn-\\1\"></a>"));
}

void Append(const MD_CHAR *text, MD_SIZE size, void *html) { static_cast<QByteArray *>(html)->append(text, qsizetype(size)); }

} // namespace

namespace MarkdownReader {

TParagraphs Read(const QString &markdown, QString *title)
{
    QString frontTitle;
    QStringList authors;
    const QByteArray source = WithNotes(WithoutFrontMatter(markdown, &frontTitle, &authors)).toUtf8();
    QByteArray html;
    md_html(source.constData(), MD_SIZE(source.size()), Append, &html, MD_DIALECT_GITHUB, MD_HTML_FLAG_SKIP_UTF8_BOM);
    if (title)
        *title = Paragraphs::Clean(frontTitle);
    TParagraphs titlePage;
    Paragraphs::Add(titlePage, frontTitle, 1);
    if (!titlePage.empty())
        Paragraphs::Add(titlePage, authors.join(QStringLiteral(", ")));
    TParagraphs paragraphs = HtmlReader::Read(html, nullptr);
    paragraphs.insert(paragraphs.begin(), titlePage.begin(), titlePage.end());
    return paragraphs;
}

} // namespace MarkdownReader
