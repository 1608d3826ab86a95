#include "documents/Pdf.h"

#include "documents/Paragraphs.h"
#include "documents/Recognition.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <leptonica/allheaders.h>
// No use of QPDF's old smart pointer here.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <poppler-qt6.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>

namespace {

// Ligatures (ﬁ) and Arabic letters in the shapes they take within a word, which
// printed documents often give, as the plain letters they stand for.
QString Unligated(const QString &text)
{
    const auto printedForm = [](QChar c) { return c.unicode() >= 0xFB00 && c.unicode() <= 0xFEFC; };
    if (std::none_of(text.begin(), text.end(), printedForm))
        return text;
    QString plain;
    for (const QChar c : text)
        plain += printedForm(c) ? QString(c).normalized(QString::NormalizationForm_KC) : QString(c);
    return plain;
}

// A printed line: its words and the size of most of its type (a bullet or a
// bracket of another font does not make a line larger).
struct TLine
{
    QString Text;
    QRectF Box;
    qreal Height = 0;
    qreal FirstWord = 0; // its width
    bool RightToLeft = false;
};
using TLines = std::vector<TLine>;

bool IsRightToLeft(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; });
}

// Around a raised number until it is known to be a note's mark or not.
constexpr QChar markOpen(0xE000);
constexpr QChar markClose(0xE001);

// A note's mark: a number or a sign (*, †, ‡, §) in smaller type, raised.
bool IsNoteMark(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("^[0-9*\\x{2020}\\x{2021}\\x{00A7}\\x{00B6}]{1,3}$"));
    return mark.match(text).hasMatch();
}

// The widest gap between the spans [low, high] of the lines, and the middle of it.
template <typename Low, typename High>
std::pair<qreal, qreal> WidestGap(const TLines &lines, Low low, High high)
{
    std::vector<std::pair<qreal, qreal>> spans;
    for (const TLine &line : lines)
        spans.emplace_back(low(line), high(line));
    std::sort(spans.begin(), spans.end());
    std::pair<qreal, qreal> widest{0, 0};
    qreal reach = spans.front().second;
    for (const auto &[from, to] : spans) {
        if (from - reach > widest.first)
            widest = {from - reach, (from + reach) / 2};
        reach = std::max(reach, to);
    }
    return widest;
}

// Lines in the order they are read: the page is cut where nothing crosses, across
// (between rows) or down (a gutter between columns), at the widest such gap first,
// and each part is read in turn, the upper or left one first. The library's own
// order reads some pages of two columns across them. Past a depth no page of text
// needs (or where a cut leaves nothing on one side, as absurd coordinates can),
// the order stays as it is.
void ReadingOrder(TLines &lines, qreal gutter, int depth = 0)
{
    if (lines.size() < 2 || depth > 64)
        return;
    const std::pair<qreal, qreal> rows = WidestGap(lines, [](const TLine &l) { return l.Box.top(); }, [](const TLine &l) { return l.Box.bottom(); });
    const std::pair<qreal, qreal> gutters = WidestGap(lines, [](const TLine &l) { return l.Box.left(); }, [](const TLine &l) { return l.Box.right(); });
    const qreal across = rows.first, y = rows.second, down = gutters.first, x = gutters.second;
    const bool columns = down >= gutter && down >= across;
    if (!columns && across <= 0)
        return;
    const auto before = [&](const TLine &line) { return columns ? line.Box.left() < x : line.Box.top() < y; };
    const auto count = std::count_if(lines.begin(), lines.end(), before);
    if (count == 0 || count == qsizetype(lines.size()))
        return;
    TLines first, second;
    for (TLine &line : lines)
        (before(line) ? first : second).push_back(std::move(line));
    ReadingOrder(first, gutter, depth + 1);
    ReadingOrder(second, gutter, depth + 1);
    lines = std::move(first);
    lines.insert(lines.end(), std::make_move_iterator(second.begin()), std::make_move_iterator(second.end()));
}

TLines PageLines(const Poppler::Page &page)
{
    struct TWord
    {
        QString Text;
        QRectF Box;
        bool SpaceAfter = false;
    };
    TLines lines;
    std::vector<TWord> words; // of the line being read
    const auto ended = [&] {
        QHash<int, qsizetype> heights; // characters by their type's height
        for (const TWord &word : words)
            heights[qRound(word.Box.height() * 4)] += word.Text.size();
        const int most = std::max_element(heights.cbegin(), heights.cend()).key();
        const auto body = std::find_if(words.begin(), words.end(), [&](const TWord &w) { return qRound(w.Box.height() * 4) == most; });
        TLine line;
        line.Height = most / 4.0;
        line.FirstWord = words.front().Box.width();
        for (const TWord &word : words) {
            line.Box = line.Box.isNull() ? word.Box : line.Box.united(word.Box);
            // A raised number may be a note's mark or an exponent: which, the page's
            // notes tell (see ResolveMarks).
            const bool raised = word.Box.height() < 0.8 * line.Height && word.Box.bottom() < body->Box.bottom() - 0.2 * line.Height &&
                                IsNoteMark(word.Text);
            line.Text += raised ? markOpen + word.Text + markClose : word.Text;
            if (word.SpaceAfter && !line.Text.endsWith(QLatin1Char(' ')))
                line.Text += QLatin1Char(' ');
        }
        line.Text = line.Text.trimmed();
        // The words come in the order they stand on the page, which for Hebrew or
        // Arabic is not the order they are read in: such a line is taken as the
        // library puts its text together.
        if (IsRightToLeft(line.Text)) {
            static const QRegularExpression bidiControls(QStringLiteral("[\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
            line.Text = page.text(line.Box.adjusted(-0.5, -0.5, 0.5, 0.5)).simplified().remove(bidiControls);
            line.RightToLeft = true;
        }
        line.Text = Unligated(line.Text);
        if (!line.Text.isEmpty())
            lines.push_back(std::move(line));
        words.clear();
    };
    for (const std::unique_ptr<Poppler::TextBox> &word : page.textList()) {
        words.push_back({word->text(), word->boundingBox(), word->nextWord() && word->hasSpaceAfter()});
        if (!word->nextWord())
            ended();
    }
    if (!words.empty())
        ended();
    if (!lines.empty()) {
        std::vector<qreal> heights;
        for (const TLine &line : lines)
            heights.push_back(line.Height);
        std::nth_element(heights.begin(), heights.begin() + qsizetype(heights.size() / 2), heights.end());
        ReadingOrder(lines, 0.8 * heights[heights.size() / 2]);
    }
    return lines;
}

// The size most of a document's text is in, its body's.
qreal BodyHeight(const std::vector<TLines> &pages)
{
    QHash<int, qsizetype> chars;
    for (const TLines &lines : pages)
        for (const TLine &line : lines)
            chars[qRound(line.Height * 2)] += line.Text.size();
    const auto most = std::max_element(chars.cbegin(), chars.cend());
    return most != chars.cend() ? most.key() / 2.0 : 0;
}

// Running heads, page numbers and footers: lines at a page's top or bottom edge
// that are its number, or that come back on other pages (their numbers aside,
// so "6 CHAPTER 1. PREAMBLE" and "8 CHAPTER 1. PREAMBLE" are one).
void DropFurniture(std::vector<TLines> &pages, const std::vector<qreal> &pageHeights, qreal body)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    static const QRegularExpression pageNumber(
        QStringLiteral("^[\\s\\-\\x{2013}\\x{2014}]*(page\\s*)?(\\d+|[ivxlc]+)(\\s*(of|/)\\s*\\d+)?[\\s\\-\\x{2013}\\x{2014}]*$"),
        QRegularExpression::CaseInsensitiveOption);
    // The first two rows of a page's text and its last, wherever its margins are (the
    // row above a footer may be a footnote's).
    std::vector<std::pair<qreal, qreal>> edges; // a page's: the second row's top, the last row's
    for (const TLines &lines : pages) {
        std::vector<qreal> tops;
        for (const TLine &line : lines)
            tops.push_back(line.Box.top());
        std::sort(tops.begin(), tops.end());
        tops.erase(std::unique(tops.begin(), tops.end(), [](qreal a, qreal b) { return b - a < 2; }), tops.end());
        edges.emplace_back(tops.empty() ? 0 : tops[std::min<size_t>(1, tops.size() - 1)],
                           tops.empty() ? 0 : tops.back());
    }
    const auto edge = [&](const TLine &line, size_t page) {
        const qreal middle = pageHeights[page] / 2;
        return line.Box.top() < edges[page].first + 2 && line.Box.bottom() < middle  ? QLatin1Char('t')
               : line.Box.top() > edges[page].second - 2 && line.Box.top() > middle ? QLatin1Char('b')
                                                                                   : QChar();
    };
    // A running head stands at the same place on every page.
    const auto key = [&](const TLine &line, size_t page) {
        return edge(line, page) + QString::number(qRound(line.Box.top() / 4)) + QLatin1Char(' ') +
               QString(line.Text).replace(number, QStringLiteral("#")).simplified().toLower();
    };
    // How many pages each edge line stands on, and on how many of them beside text.
    QHash<QString, int> seenOn, besideText;
    for (size_t k = 0; k < pages.size(); ++k) {
        QSet<QString> keys;
        bool text = false;
        for (const TLine &line : pages[k]) {
            if (!edge(line, k).isNull())
                keys.insert(key(line, k));
            else
                text = true;
        }
        for (const QString &each : std::as_const(keys)) {
            ++seenOn[each];
            if (text)
                ++besideText[each];
        }
    }
    for (size_t k = 0; k < pages.size(); ++k) {
        TLines &lines = pages[k];
        // A number stands alone at the very edge ("2" beside "if serious trouble" is text).
        const auto outermost = [&](const TLine &line) {
            const qreal margin = 0.5 * line.Height;
            return std::none_of(lines.begin(), lines.end(), [&](const TLine &other) {
                return edge(line, k) == QLatin1Char('t') ? other.Box.top() < line.Box.top() - margin
                                                         : other.Box.bottom() > line.Box.bottom() + margin;
            });
        };
        // Set apart from the text by a blank line's room at least (the first line
        // of the text below a running head is not furniture, however often it
        // comes back).
        const auto apart = [&](const TLine &line) {
            const bool top = edge(line, k) == QLatin1Char('t');
            return std::all_of(lines.begin(), lines.end(), [&](const TLine &other) {
                const qreal gap = top ? other.Box.top() - line.Box.bottom() : line.Box.top() - other.Box.bottom();
                const bool sameRow = other.Box.top() < line.Box.bottom() && other.Box.bottom() > line.Box.top();
                return sameRow || gap < 0 || gap >= 0.8 * line.Height;
            });
        };
        // In the body's type or smaller: "Chapter 2" above a chapter's title is no running head.
        const auto furniture = [&](const TLine &line) {
            return !edge(line, k).isNull() && apart(line) && line.Height <= 1.05 * body &&
                   (seenOn.value(key(line, k)) >= 2 || (pageNumber.match(line.Text).hasMatch() && outermost(line)));
        };
        std::vector<bool> drop;
        for (const TLine &line : lines)
            drop.push_back(furniture(line));
        // A page of nothing but lines that come back is text (a title on every page
        // of slides), unless they come back beside text too: the blank page a
        // two-sided book leaves before a chapter still has its head and footer.
        const auto known = [&](const TLine &line) {
            return besideText.value(key(line, k)) > 0 || (pageNumber.match(line.Text).hasMatch() && outermost(line));
        };
        if (std::all_of(drop.begin(), drop.end(), [](bool d) { return d; }) &&
            !std::all_of(lines.begin(), lines.end(), known))
            drop.assign(drop.size(), false);
        size_t kept = 0;
        for (size_t n = 0; n < lines.size(); ++n)
            if (!drop[n])
                lines[kept++] = std::move(lines[n]);
        lines.resize(kept);
    }
}

// Footnotes: the lines in smaller type at the foot of a page, below a gap.
// The raised numbers of a page's lines: those that mark one of the page's notes
// are left out, as is a note's own; others (an exponent, say) are kept.
void ResolveMarks(TLines &lines, TLines &notes)
{
    static const QRegularExpression raised(QStringLiteral("\\x{E000}([^\\x{E001}]*)\\x{E001}"));
    QSet<QString> numbers;
    for (TLine &note : notes) {
        const QRegularExpressionMatch leading = raised.match(note.Text);
        if (leading.hasMatch() && leading.capturedStart() == 0) {
            numbers.insert(leading.captured(1));
            note.Text = note.Text.mid(leading.capturedEnd()).trimmed();
        }
    }
    for (TLines *each : {&lines, &notes}) {
        for (TLine &line : *each) {
            if (!line.Text.contains(markOpen))
                continue;
            QString text;
            qsizetype from = 0;
            for (const QRegularExpressionMatch &m : raised.globalMatch(line.Text)) {
                text += QStringView(line.Text).mid(from, m.capturedStart() - from);
                if (!numbers.contains(m.captured(1)))
                    text += m.captured(1);
                from = m.capturedEnd();
            }
            line.Text = text + line.Text.mid(from);
        }
    }
}

TLines TakeFootnotes(TLines &lines, qreal body, qreal pageHeight)
{
    size_t first = lines.size();
    while (first > 0 && lines[first - 1].Height < 0.9 * body && lines[first - 1].Box.top() > 0.5 * pageHeight)
        --first;
    if (first == lines.size() || first == 0 || lines[first].Box.top() - lines[first - 1].Box.bottom() < 0.5 * body)
        return {};
    // A note's own number, on a line of its own, is not read; it says which marks are notes'.
    TLines notes;
    for (size_t k = first; k < lines.size(); ++k) {
        if (IsNoteMark(lines[k].Text))
            lines[k].Text = markOpen + lines[k].Text + markClose;
        notes.push_back(std::move(lines[k]));
    }
    lines.erase(lines.begin() + qsizetype(first), lines.end());
    return notes;
}

// Printed lines made into paragraphs again: a line joins the one before unless a
// gap, a change of type size, an indent, a column or a sentence ending where the
// next line's first word would still have fitted says a new paragraph begins. A
// paragraph goes on over a page's end unless its sentence ended there; the page's
// footnotes are read after it.
class TParagraphMaker
{
public:
    TParagraphMaker(TParagraphs &paragraphs, qreal body) : m_Paragraphs(paragraphs), m_Body(body) {}

    void Page(const TLines &lines, TLines notes)
    {
        qreal right = 0;
        qreal left = std::numeric_limits<qreal>::max();
        for (const TLine &line : lines) {
            right = std::max(right, line.Box.right());
            left = std::min(left, line.Box.left());
        }
        for (size_t k = 0; k < lines.size(); ++k) {
            const TLine &line = lines[k];
            if (k == 0)
                PageBreak(line, line.Box.left() - left);
            else
                Line(lines[k - 1], line, right);
            m_Text += line.Text;
            if (m_Size == 0)
                m_Size = line.Height;
        }
        if (!lines.empty()) {
            m_Last = lines.back();
            m_LastIndent = m_Last.Box.left() - left;
        }
        if (!notes.empty()) {
            TParagraphs made;
            TParagraphMaker maker(made, m_Body);
            maker.Page(notes, {});
            maker.End();
            for (TParagraph &note : made)
                note.Size = 0; // never a heading
            m_Notes.insert(m_Notes.end(), made.begin(), made.end());
        }
    }

    void End()
    {
        // A page that ends in a heading has its notes read before it.
        if (!m_Notes.empty() && m_Size > 1.1 * m_Body) {
            m_Paragraphs.insert(m_Paragraphs.end(), m_Notes.begin(), m_Notes.end());
            m_Notes.clear();
        }
        const size_t before = m_Paragraphs.size();
        Paragraphs::Add(m_Paragraphs, m_Text);
        if (m_Paragraphs.size() > before)
            m_Paragraphs.back().Size = m_Size;
        m_Text.clear();
        m_Size = 0;
        m_Paragraphs.insert(m_Paragraphs.end(), m_Notes.begin(), m_Notes.end());
        m_Notes.clear();
    }

private:
    static bool SentenceEnded(const QString &text)
    {
        static const QRegularExpression sentenceEnd(QStringLiteral("[.!?:;\\x{201D}\\x{2019}\"')]$"));
        return sentenceEnd.match(text).hasMatch();
    }

    // A word broken at a line's end is one word again.
    bool JoinBroken(const TLine &line)
    {
        static const QRegularExpression brokenWord(QStringLiteral("\\p{L}-$"));
        if (!brokenWord.match(m_Text).hasMatch() || line.Text.isEmpty() || !line.Text.at(0).isLower())
            return false;
        m_Text.chop(1);
        return true;
    }

    // `indent`: of the new page's first line from the page's left margin.
    void PageBreak(const TLine &line, qreal indent)
    {
        const qreal height = std::min(line.Height, m_Last.Height);
        const bool goesOn = !m_Text.isEmpty() && !SentenceEnded(m_Text) && !line.RightToLeft && !m_Last.RightToLeft &&
                            std::abs(line.Height - m_Last.Height) <= 0.1 * height &&
                            std::abs(indent - m_LastIndent) <= 0.8 * height;
        if (!goesOn)
            End();
        else if (!JoinBroken(line))
            m_Text += QLatin1Char(' ');
    }

    void Line(const TLine &before, const TLine &line, qreal right)
    {
        const qreal height = std::min(before.Height, line.Height);
        // Parts of one printed line ("1.1" and its section's title): one line.
        const bool sameRow = line.Box.left() > before.Box.right() &&
                             std::min(line.Box.bottom(), before.Box.bottom()) - std::max(line.Box.top(), before.Box.top()) > 0.5 * height;
        if (sameRow && !before.RightToLeft && !line.RightToLeft) {
            m_Text += QLatin1Char(' ');
            return;
        }
        // A column that ends in the middle of a sentence goes on at the top of the next.
        const bool nextColumn = line.Box.top() < before.Box.top() - 0.5 * height;
        const bool goesOn = nextColumn && !SentenceEnded(m_Text) && std::abs(line.Height - before.Height) <= 0.1 * height &&
                            line.Box.left() > before.Box.left();
        const bool newParagraph =
            before.RightToLeft || line.RightToLeft ||                      // read as the library gives them
            (nextColumn && !goesOn) ||
            (!goesOn && (line.Box.top() - before.Box.bottom() > 0.5 * height || // a blank line's gap
            std::abs(line.Height - before.Height) > 0.1 * height ||        // a heading
            line.Box.left() > before.Box.left() + 0.8 * height ||          // an indented first line
            (before.Box.right() + 0.5 * height + line.FirstWord < right && SentenceEnded(before.Text))));
        if (newParagraph) {
            End();
        } else if (!JoinBroken(line)) {
            m_Text += QLatin1Char(' ');
        }
    }

    TParagraphs &m_Paragraphs;
    const qreal m_Body; // the body's type size
    QString m_Text; // of the paragraph being made
    qreal m_Size = 0;
    TLine m_Last;
    qreal m_LastIndent = 0;
    TParagraphs m_Notes; // waiting for the paragraph to end
};

// Headings of a printed document are short paragraphs in larger type than the
// body's (the size most of the text is in); the largest are level 1.
void PdfHeadings(TParagraphs &paragraphs, qreal body)
{
    const auto rounded = [](qreal size) { return qRound(size * 2); };
    // Paragraphs of no size (footnotes) are never headings.
    const auto isHeading = [&](const TParagraph &p) {
        return p.Size > 0 && rounded(p.Size) > rounded(body) * 1.15 && p.Text.size() <= 200;
    };
    QList<int> sizes;
    for (const TParagraph &p : paragraphs)
        if (isHeading(p) && !sizes.contains(rounded(p.Size)))
            sizes << rounded(p.Size);
    std::sort(sizes.begin(), sizes.end(), std::greater<>());
    for (TParagraph &p : paragraphs)
        if (isHeading(p))
            p.Heading = std::min(int(sizes.indexOf(rounded(p.Size))) + 1, 6);
}

// The lines of recognised pages as printed lines are.
TLines Printed(const Recognition::TPage &page)
{
    TLines lines;
    for (const Recognition::TLine &recognised : page.Lines) {
        TLine line{Unligated(recognised.Text), recognised.Box, recognised.Height, recognised.FirstWord, false};
        line.RightToLeft = IsRightToLeft(line.Text);
        lines.push_back(std::move(line));
    }
    // Recognition measures each row on its own letters: a short row's type size
    // more roughly, and its box only as high as the letters it holds ("er." has
    // neither capitals nor descenders). Sizes near the page's usual one are that
    // size (a heading's type is a third larger or more), and rows of that size are
    // as high as a row of all kinds of letters, from their baselines: the gaps
    // between them are the printed ones.
    const auto median = [](std::vector<qreal> values) {
        std::nth_element(values.begin(), values.begin() + qsizetype(values.size() / 2), values.end());
        return values[values.size() / 2];
    };
    std::vector<qreal> heights;
    for (const TLine &line : lines)
        heights.push_back(line.Height);
    if (heights.empty())
        return lines;
    const qreal usual = median(heights);
    std::vector<qreal> above, below;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (std::abs(lines[k].Height - usual) > 0.2 * usual)
            continue;
        lines[k].Height = usual;
        if (page.Lines[k].Baseline >= 0) {
            // A line turned a little is as much taller as its baseline slants.
            above.push_back(page.Lines[k].Baseline - page.Lines[k].Slant - lines[k].Box.top());
            below.push_back(lines[k].Box.bottom() - page.Lines[k].Baseline - page.Lines[k].Slant);
        }
    }
    if (above.empty())
        return lines;
    qreal ascent = median(above), descent = median(below);
    // Rows one after another are as close as the page's usual line spacing allows
    // (what a text layer's boxes show), else a wide spacing would look like a
    // blank line between every two. The spacing is taken against the letters'
    // height (recognition overrates small screen text's type size): from lines set
    // solid to a line and a half apart; a blank line's is wider.
    std::vector<qreal> spacing;
    const qreal letters = ascent + descent;
    for (size_t k = 1; k < lines.size(); ++k) {
        const qreal apart = page.Lines[k].Baseline - page.Lines[k - 1].Baseline;
        if (lines[k].Height == usual && lines[k - 1].Height == usual && page.Lines[k - 1].Baseline >= 0 &&
            apart > 0.8 * letters && apart < 1.8 * letters)
            spacing.push_back(apart);
    }
    if (!spacing.empty() && letters > 0) {
        const qreal stretch = (median(spacing) - 0.15 * letters) / letters;
        ascent *= stretch;
        descent *= stretch;
    }
    for (size_t k = 0; k < lines.size(); ++k) {
        const qreal baseline = page.Lines[k].Baseline;
        if (lines[k].Height == usual && baseline >= 0) {
            lines[k].Box.setTop(baseline - ascent);
            lines[k].Box.setBottom(baseline + descent);
        }
    }
    return lines;
}

qsizetype Characters(const TLines &lines)
{
    qsizetype count = 0;
    for (const TLine &line : lines)
        count += line.Text.size();
    return count;
}

// Whether a page shows more than its text layer: a picture (a scan under a few
// stray characters) rather than a short line on a blank page. Seen at a low
// resolution, ink beyond the text's lines.
bool InkBeyondText(const Poppler::Page &page, const TLines &lines)
{
    constexpr int dpi = 36;
    const QImage image = page.renderToImage(dpi, dpi).convertToFormat(QImage::Format_Grayscale8);
    if (image.isNull())
        return false;
    constexpr qreal scale = dpi / 72.0;
    std::vector<QRect> text;
    for (const TLine &line : lines)
        text.push_back(QRectF(line.Box.topLeft() * scale, line.Box.size() * scale).toAlignedRect().adjusted(-2, -2, 2, 2));
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] < 160 && std::none_of(text.begin(), text.end(), [&](const QRect &r) { return r.contains(x, y); }))
                ++ink;
        }
    }
    // More than a rule or a page border would make.
    return ink * 200 > qint64(image.width()) * image.height();
}

// The language the document says it is in (the catalogue's /Lang, "de-DE"), or
// empty. Poppler does not give it; QPDF reads no more than the catalogue for it.
QString CatalogLanguage(const QByteArray &bytes)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("document", bytes.constData(), size_t(bytes.size()));
        QPDFObjectHandle language = pdf.getRoot().getKey("/Lang");
        if (!language.isString())
            return {};
        const QString code = QString::fromStdString(language.getUTF8Value()).trimmed();
        // A language tag, nothing else: letters, digits and hyphens.
        static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,3}(-[A-Za-z0-9]{1,8})*$"));
        return tag.match(code).hasMatch() ? code : QString();
    } catch (...) {
        // A catalogue QPDF cannot make sense of says no language.
        return {};
    }
}

// The languages to recognise with, and what the status line says of those missing
// and of pages that were hard to read.
QString RecognitionLanguages(const DocumentReader::TRecognition &recognition, QStringList *notes)
{
    QStringList missing;
    const QString languages = Recognition::Languages(recognition.Languages, &missing);
    for (const QString &name : missing)
        *notes << Recognition::InstallHint(name);
    return languages;
}

void NoteHardPages(const std::vector<int> &numbers, const std::vector<Recognition::TPage> &recognised, QStringList *notes)
{
    // Below this, most words a page gives are guesses.
    constexpr int doubtful = 50;
    QStringList hard;
    for (size_t k = 0; k < recognised.size(); ++k) {
        if (!recognised[k].Lines.empty() && recognised[k].Confidence < doubtful)
            hard << QString::number(numbers[k] + 1);
    }
    if (!hard.isEmpty())
        *notes << (hard.size() == 1
                       ? QCoreApplication::translate(
                             "Documents", "page %1 was hard to recognise; its text may be wrong")
                             .arg(hard.front())
                       : QCoreApplication::translate(
                             "Documents",
                             "pages %1 were hard to recognise; their text may be wrong")
                             .arg(hard.join(QStringLiteral(", "))));
}

// Paragraphs and chapters of the pages' lines, as a printed document's.
bool Assemble(std::vector<TLines> &pages, const std::vector<qreal> &pageHeights, TDocument *document, QString *error,
              const QString &none)
{
    const qreal body = BodyHeight(pages);
    DropFurniture(pages, pageHeights, body);
    TParagraphs paragraphs;
    TParagraphMaker maker(paragraphs, body);
    for (size_t k = 0; k < pages.size(); ++k) {
        TLines notes = TakeFootnotes(pages[k], body, pageHeights[k]);
        ResolveMarks(pages[k], notes);
        notes.erase(std::remove_if(notes.begin(), notes.end(), [](const TLine &note) { return note.Text.isEmpty(); }), notes.end());
        maker.Page(pages[k], std::move(notes));
        TLines().swap(pages[k]);
    }
    maker.End();
    if (paragraphs.empty()) {
        *error = none;
        return false;
    }
    PdfHeadings(paragraphs, body);
    document->Chapters = Paragraphs::Chapters(paragraphs, document->Title);
    return true;
}

} // namespace

bool ReadPdf(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TProgress &progress,
             const DocumentReader::TRecognition &recognition)
{
    // A damaged file is told to the user once, not traced by the library line by line.
    static std::once_flag quiet;
    std::call_once(quiet, [] { Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant()); });
    // Read through a device over the bytes: loading from the bytes themselves
    // would copy them, as large as the file.
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    const std::unique_ptr<Poppler::Document> pdf = Poppler::Document::load(&source);
    if (!pdf) {
        *error = QCoreApplication::translate("Documents", "is damaged (not a readable PDF)");
        return false;
    }
    if (pdf->isLocked()) {
        *error = QCoreApplication::translate("Documents", "is protected by a password");
        return false;
    }
    document->Title = Paragraphs::Clean(pdf->info(QStringLiteral("Title")));
    std::vector<TLines> pages;
    std::vector<qreal> pageHeights;
    // Pages with no text, or a few stray characters over a picture: a scan.
    constexpr qsizetype fewCharacters = 25;
    std::vector<int> scanned;
    for (int k = 0; k < pdf->numPages(); ++k) {
        if (progress && !progress(k, pdf->numPages())) {
            *error = QCoreApplication::translate("Documents", "was not opened: stopped");
            return false;
        }
        const std::unique_ptr<Poppler::Page> page = pdf->page(k);
        pages.push_back(page ? PageLines(*page) : TLines());
        pageHeights.push_back(page ? page->pageSizeF().height() : 0);
        if (page && Characters(pages.back()) < fewCharacters && InkBeyondText(*page, pages.back()))
            scanned.push_back(k);
    }
    QStringList notes;
    if (int(scanned.size()) > Recognition::MaxFrames) {
        *error = QCoreApplication::translate(
                     "Documents",
                     "has more pages of pictures than can be recognised at once (%1; at most %2)")
                     .arg(scanned.size())
                     .arg(Recognition::MaxFrames);
        return false;
    }
    if (!scanned.empty()) {
        // The document's own language comes before the one the reader was given.
        DocumentReader::TRecognition own = recognition;
        document->Language = CatalogLanguage(bytes);
        const QString name = Recognition::TesseractName(document->Language);
        if (!name.isEmpty()) {
            own.Languages = QStringList{name, QStringLiteral("eng")};
            own.Languages.removeDuplicates();
        }
        const QString languages = RecognitionLanguages(own, &notes);
        std::vector<Recognition::TPage> recognised;
        const auto picture = [&](int k) -> Pix * {
            const std::unique_ptr<Poppler::Page> page = pdf->page(scanned[size_t(k)]);
            if (!page)
                return nullptr;
            // At 300 dpi, as scanners scan; a page too large for that is recognised smaller.
            const QSizeF size = page->pageSizeF();
            const qreal pixels = size.width() * size.height() * (300.0 / 72) * (300.0 / 72);
            const int dpi = pixels > Recognition::MaxPixels ? int(300 * std::sqrt(Recognition::MaxPixels / pixels)) : 300;
            if (dpi < 30)
                return nullptr;
            return Recognition::Picture(page->renderToImage(dpi, dpi), dpi);
        };
        if (!Recognition::Recognise(int(scanned.size()), picture, languages, &recognised, recognition.Progress, error))
            return false;
        for (size_t k = 0; k < scanned.size(); ++k) {
            TLines lines = Printed(recognised[k]);
            // The text layer stays where recognition finds no more than it holds.
            if (Characters(lines) > Characters(pages[size_t(scanned[k])]))
                pages[size_t(scanned[k])] = std::move(lines);
        }
        NoteHardPages(scanned, recognised, &notes);
    }
    document->Note = notes.join(QStringLiteral("; "));
    return Assemble(
        pages, pageHeights, document, error,
        scanned.empty()
            ? QCoreApplication::translate(
                  "Documents", "has no text layer (its pages are pictures); it was not opened")
            : QCoreApplication::translate(
                  "Documents", "holds no text that could be recognised; it was not opened"));
}

bool ReadPicture(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TRecognition &recognition)
{
    std::vector<Pix *> frames;
    if (!Recognition::ReadPictures(bytes, &frames, error))
        return false;
    QStringList notes;
    const QString languages = RecognitionLanguages(recognition, &notes);
    std::vector<Recognition::TPage> recognised;
    std::vector<qreal> heights;
    for (Pix *frame : frames)
        heights.push_back(pixGetHeight(frame) * 72.0 / std::max(pixGetYRes(frame), 70));
    const int count = int(frames.size());
    if (!Recognition::Recognise(count, [&](int k) { return std::exchange(frames[size_t(k)], nullptr); }, languages, &recognised,
                                recognition.Progress, error)) {
        for (Pix *&frame : frames)
            pixDestroy(&frame);
        return false;
    }
    std::vector<TLines> pages;
    std::vector<int> numbers;
    for (int k = 0; k < count; ++k) {
        pages.push_back(Printed(recognised[size_t(k)]));
        numbers.push_back(k);
    }
    if (count > 1)
        NoteHardPages(numbers, recognised, &notes);
    else if (!recognised.empty() && !recognised.front().Lines.empty() && recognised.front().Confidence < 50)
        notes << QCoreApplication::translate(
            "Documents", "the picture was hard to recognise; its text may be wrong");
    document->Note = notes.join(QStringLiteral("; "));
    return Assemble(pages, heights, document, error,
                    QCoreApplication::translate(
                        "Documents", "holds no text that could be recognised; it was not opened"));
}
