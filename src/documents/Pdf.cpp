#include "documents/Pdf.h"

#include "documents/Paragraphs.h"

#include <QHash>
#include <QRegularExpression>

#include <poppler-qt6.h>

#include <algorithm>
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

// A page's printed lines made into paragraphs again: a line joins the one before
// unless a gap, a change of type size, an indent, a column or a sentence ending
// where the next line's first word would still have fitted says a new paragraph
// begins.
void PdfParagraphs(const Poppler::Page &page, TParagraphs &paragraphs)
{
    struct TLine
    {
        QString Text;
        QRectF Box;
        qreal FirstWord = 0; // its width
    };
    std::vector<TLine> lines;
    bool lineEnded = true;
    for (const std::unique_ptr<Poppler::TextBox> &word : page.textList()) {
        if (lineEnded)
            lines.push_back({QString(), QRectF(), word->boundingBox().width()});
        TLine &line = lines.back();
        line.Text += word->text();
        line.Box = line.Box.isNull() ? word->boundingBox() : line.Box.united(word->boundingBox());
        lineEnded = !word->nextWord();
        if (!lineEnded && word->hasSpaceAfter())
            line.Text += QLatin1Char(' ');
    }
    // The words come in the order they stand on the page, which for Hebrew or
    // Arabic is not the order they are read in: such a page is taken as the
    // library puts its text together, a paragraph a line.
    const auto rightToLeft = [](const TLine &line) {
        return std::any_of(line.Text.begin(), line.Text.end(),
                           [](QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; });
    };
    if (std::any_of(lines.begin(), lines.end(), rightToLeft)) {
        static const QRegularExpression bidiControls(QStringLiteral("[\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
        for (const QString &line : page.text(QRectF()).split(QLatin1Char('\n')))
            Paragraphs::Add(paragraphs, Unligated(QString(line).remove(bidiControls)));
        return;
    }
    for (TLine &line : lines)
        line.Text = Unligated(line.Text);
    qreal right = 0;
    for (const TLine &line : lines)
        right = std::max(right, line.Box.right());
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?:;\\x{201D}\\x{2019}\"')]$"));
    static const QRegularExpression brokenWord(QStringLiteral("\\p{L}-$"));
    QString paragraph;
    qreal size = lines.empty() ? 0 : lines.front().Box.height();
    const auto end = [&] {
        const size_t before = paragraphs.size();
        Paragraphs::Add(paragraphs, paragraph);
        if (paragraphs.size() > before)
            paragraphs.back().Size = size;
        paragraph.clear();
    };
    // A word broken at the page's end goes on on the next page.
    if (!lines.empty() && !paragraphs.empty() && brokenWord.match(paragraphs.back().Text).hasMatch() &&
        lines.front().Text.at(0).isLower()) {
        paragraph = paragraphs.back().Text.chopped(1);
        size = paragraphs.back().Size;
        paragraphs.pop_back();
    }
    for (size_t k = 0; k < lines.size(); ++k) {
        const TLine &line = lines[k];
        if (k > 0) {
            const TLine &before = lines[k - 1];
            const qreal height = std::min(before.Box.height(), line.Box.height());
            const bool newParagraph =
                line.Box.top() - before.Box.bottom() > 0.5 * height ||       // a blank line's gap
                line.Box.top() < before.Box.top() - 0.5 * height ||          // the next column
                std::abs(line.Box.height() - before.Box.height()) > 0.2 * height || // a heading
                line.Box.left() > before.Box.left() + 0.8 * height ||        // an indented first line
                (before.Box.right() + 0.5 * height + line.FirstWord < right && sentenceEnd.match(before.Text).hasMatch());
            if (newParagraph) {
                end();
                size = line.Box.height();
            } else if (brokenWord.match(paragraph).hasMatch() && line.Text.at(0).isLower()) {
                paragraph.chop(1); // a word broken at the line's end is one word again
            } else {
                paragraph += QLatin1Char(' ');
            }
        }
        paragraph += line.Text;
    }
    end();
}

// Headings of a printed document are short paragraphs in larger type than the
// body's (the size most of the text is in); the largest are level 1.
void PdfHeadings(TParagraphs &paragraphs)
{
    const auto rounded = [](qreal size) { return qRound(size * 2); };
    QHash<int, qsizetype> chars;
    for (const TParagraph &p : paragraphs)
        if (p.Size > 0)
            chars[rounded(p.Size)] += p.Text.size();
    int body = 0;
    for (auto k = chars.cbegin(); k != chars.cend(); ++k)
        if (k.value() > chars.value(body))
            body = k.key();
    // Paragraphs of unknown size (a right-to-left page's) are never headings.
    const auto isHeading = [&](const TParagraph &p) {
        return p.Size > 0 && rounded(p.Size) > body * 1.15 && p.Text.size() <= 200;
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

} // namespace

bool ReadPdf(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TProgress &progress)
{
    // A damaged file is told to the user once, not traced by the library line by line.
    static std::once_flag quiet;
    std::call_once(quiet, [] { Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, QVariant()); });
    const std::unique_ptr<Poppler::Document> pdf = Poppler::Document::loadFromData(bytes);
    if (!pdf) {
        *error = QStringLiteral("is damaged (not a readable PDF)");
        return false;
    }
    if (pdf->isLocked()) {
        *error = QStringLiteral("is protected by a password");
        return false;
    }
    document->Title = Paragraphs::Clean(pdf->info(QStringLiteral("Title")));
    TParagraphs paragraphs;
    for (int k = 0; k < pdf->numPages(); ++k) {
        if (progress && !progress(k, pdf->numPages())) {
            *error = QStringLiteral("was not opened: stopped");
            return false;
        }
        const std::unique_ptr<Poppler::Page> page = pdf->page(k);
        if (page)
            PdfParagraphs(*page, paragraphs);
    }
    if (paragraphs.empty()) {
        *error = QStringLiteral("has no text layer (its pages are pictures); it was not opened");
        return false;
    }
    PdfHeadings(paragraphs);
    document->Chapters = Paragraphs::Chapters(paragraphs, document->Title);
    return true;
}

