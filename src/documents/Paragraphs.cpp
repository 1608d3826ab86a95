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

namespace {

// Marks in the text while it is read, never in what is read out (private use).
constexpr char16_t MarkStart = 0xE000;
constexpr char16_t MarkEnd = 0xE001;

// Takes the marks out of a paragraph's text: the parts they mark, without the
// blanks around them.
TLanguageRanges TakeMarks(QString &text)
{
    TLanguageRanges ranges;
    QString plain;
    plain.reserve(text.size());
    QString language;
    int from = 0;
    const auto close = [&] {
        int start = from, end = int(plain.size());
        while (start < end && plain.at(start).isSpace())
            ++start;
        while (end > start && plain.at(end - 1).isSpace())
            --end;
        if (!language.isEmpty() && end > start)
            ranges.push_back({start, end - start, language});
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QChar(MarkStart)) {
            plain += text.at(i);
            continue;
        }
        const qsizetype end = text.indexOf(QChar(MarkEnd), i);
        if (end < 0)
            break;
        close();
        language = text.mid(i + 1, end - i - 1);
        from = int(plain.size());
        i = end;
    }
    close();
    text = plain;
    return ranges;
}

} // namespace

QString LanguageMark(const QString &language)
{
    return QChar(MarkStart) + LanguageRanges::Code(language) + QChar(MarkEnd);
}

void Add(TParagraphs &paragraphs, const QString &text, int heading)
{
    QString clean = Clean(text);
    TLanguageRanges ranges;
    if (clean.contains(QChar(MarkStart))) {
        ranges = TakeMarks(clean);
        const int before = int(std::find_if(clean.begin(), clean.end(), [](QChar c) { return !c.isSpace(); }) - clean.begin());
        clean = clean.trimmed();
        for (TLanguageRange &r : ranges)
            r.Start -= before;
    }
    if (!clean.isEmpty())
        paragraphs.push_back({clean, heading, 0, ranges});
}

void Append(TDocument::TChapter &chapter, const TParagraph &paragraph)
{
    if (!chapter.Text.isEmpty())
        chapter.Text += QLatin1Char('\n');
    LanguageRanges::Append(chapter.Languages, paragraph.Languages, int(chapter.Text.size()));
    chapter.Text += paragraph.Text;
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
                before.Languages.removeIf([&](const TLanguageRange &r) { return r.Start + r.Length > before.Text.size(); });
                trailing.pop_back();
            }
            if (!chapters.empty() && chapters.back().Text.isEmpty())
                chapters.pop_back();
            chapters.push_back({headed ? p.Text : untitled, opening.chopped(opening.isEmpty() ? 0 : 1), {}});
        }
        if (p.Heading > 0)
            trailing.push_back(p.Text);
        else
            trailing.clear();
        if (!headed && p.Heading > 0 && (level == 0 || p.Heading < level)) {
            chapters.back().Title = p.Text;
            headed = true;
        }
        Append(chapters.back(), p);
    }
    return chapters;
}

} // namespace Paragraphs
