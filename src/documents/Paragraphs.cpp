#include "documents/Paragraphs.h"

#include <algorithm>

namespace Paragraphs {

QString Clean(QString text)
{
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.remove(QChar(0xFFFC)); // an image's place
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
    for (const TParagraph &p : paragraphs) {
        if (chapters.empty() || (level > 0 && p.Heading == level)) {
            headed = level > 0 && p.Heading == level;
            chapters.push_back({headed ? p.Text : untitled, QString()});
        }
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
