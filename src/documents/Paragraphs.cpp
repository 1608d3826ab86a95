#include "documents/Paragraphs.h"

#include <algorithm>

namespace Paragraphs {

QString Clean(QString text)
{
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.remove(QChar(0xFFFC)); // an image's place
    // Control characters (a PDF font's bullet without a meaning given, say) are no text.
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control && c != QLatin1Char('\n') && c != QLatin1Char('\t'); });
    return text.trimmed();
}

void Add(TParagraphs &paragraphs, const QString &text, int heading)
{
    const QString clean = Clean(text);
    if (!clean.isEmpty())
        paragraphs.push_back({clean, heading});
}

std::vector<TDocument::TChapter> Chapters(const TParagraphs &paragraphs, const QString &untitled)
{
    int level = 0;
    for (int candidate = 1; candidate <= 6 && level == 0; ++candidate) {
        if (std::count_if(paragraphs.begin(), paragraphs.end(), [&](const TParagraph &p) { return p.Heading == candidate; }) > 1)
            level = candidate;
    }
    std::vector<TDocument::TChapter> chapters;
    bool headed = false; // the part before the first chapter by a higher heading (a page's one H1)
    std::vector<QString> trailing; // the headings the chapter being made ends in, so far
    for (const TParagraph &p : paragraphs) {
        if (chapters.empty() || (level > 0 && p.Heading == level)) {
            headed = level > 0 && p.Heading == level;
            // Headings right before a chapter's ("Chapter 2" above "Methods", a
            // part's title) open it, and are not the end of the chapter before.
            QString opening;
            while (headed && !chapters.empty() && !trailing.empty()) {
                TDocument::TChapter &before = chapters.back();
                const qsizetype cut = before.Text.size() - trailing.back().size();
                opening.prepend(trailing.back() + QLatin1Char('\n'));
                before.Text.truncate(std::max<qsizetype>(0, cut - 1));
                trailing.pop_back();
            }
            if (!chapters.empty() && chapters.back().Text.isEmpty())
                chapters.pop_back();
            chapters.push_back({headed ? p.Text : untitled, opening.chopped(opening.isEmpty() ? 0 : 1)});
        }
        if (p.Heading > 0)
            trailing.push_back(p.Text);
        else
            trailing.clear();
        if (!headed && p.Heading > 0 && (level == 0 || p.Heading < level)) {
            chapters.back().Title = p.Text;
            headed = true;
        }
        TDocument::TChapter &chapter = chapters.back();
        chapter.Text += (chapter.Text.isEmpty() ? QString() : QStringLiteral("\n")) + p.Text;
    }
    return chapters;
}

QString Joined(const TParagraphs &paragraphs)
{
    QString text;
    for (const TParagraph &p : paragraphs)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + p.Text;
    return text;
}

} // namespace Paragraphs
