#include "documents/Document.h"

#include "articles/TextFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <QXmlStreamReader>

#include <poppler-qt6.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <memory>
#include <mutex>

namespace {

// What one zip may unpack to, in all: an e-book's text is a few megabytes.
constexpr qint64 maxUnpacked = 256 * 1024 * 1024;

// A paragraph and, for a heading, its level (1 the highest).
struct TParagraph
{
    QString Text;
    int Heading = 0;
    qreal Size = 0; // of a printed paragraph's type: its first line's height
};
using TParagraphs = std::vector<TParagraph>;

QString Kind(const QString &name) { return QFileInfo(name).suffix().toLower(); }

QString Clean(QString text)
{
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.remove(QChar(0xFFFC)); // an image's place
    return text.trimmed();
}

void Add(TParagraphs &paragraphs, const QString &text, int heading = 0)
{
    const QString clean = Clean(text);
    if (!clean.isEmpty())
        paragraphs.push_back({clean, heading});
}

// Blocks of a rich-text document: its paragraphs, list items and headings.
TParagraphs FromTextDocument(const QTextDocument &document)
{
    TParagraphs paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        Add(paragraphs, block.text(), block.blockFormat().headingLevel());
    return paragraphs;
}

TParagraphs FromHtml(const QString &html, QString *title)
{
    // Scripts and styles are not text to be read.
    static const QRegularExpression hidden(QStringLiteral("<(script|style)\\b[^>]*>.*?</\\1\\s*>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    QTextDocument document;
    document.setHtml(QString(html).remove(hidden));
    if (title)
        *title = Clean(document.metaInformation(QTextDocument::DocumentTitle));
    return FromTextDocument(document);
}

TParagraphs FromMarkdown(const QString &markdown)
{
    QTextDocument document;
    document.setMarkdown(markdown);
    return FromTextDocument(document);
}

// Chapters at the highest heading level that occurs more than once; what comes
// before the first such heading is a chapter of its own.
std::vector<TDocument::TChapter> Chapters(const TParagraphs &paragraphs, const QString &untitled)
{
    int level = 0;
    for (int candidate = 1; candidate <= 6 && level == 0; ++candidate) {
        if (std::count_if(paragraphs.begin(), paragraphs.end(), [&](const TParagraph &p) { return p.Heading == candidate; }) > 1)
            level = candidate;
    }
    std::vector<TDocument::TChapter> chapters;
    for (const TParagraph &p : paragraphs) {
        if (chapters.empty() || (level > 0 && p.Heading == level)) {
            chapters.push_back({level > 0 && p.Heading == level ? p.Text : untitled, QString()});
        }
        TDocument::TChapter &chapter = chapters.back();
        chapter.Text += (chapter.Text.isEmpty() ? QString() : QStringLiteral("\n")) + p.Text;
    }
    return chapters;
}

// A damaged zip sends the zip reader outside the bytes: that is a failed seek,
// and no warning on the terminal.
class TQuietBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    bool seek(qint64 pos) override { return pos >= 0 && pos <= size() && QBuffer::seek(pos); }
};

// One zip, its entries read with a limit on what they unpack to.
class TZip
{
public:
    explicit TZip(const QByteArray &bytes) : m_Bytes(bytes), m_Buffer(&m_Bytes), m_Zip(&m_Buffer) {}

    bool Open(QString *error)
    {
        if (!m_Zip.open(QuaZip::mdUnzip)) {
            *error = QStringLiteral("is damaged (not a readable zip archive)");
            return false;
        }
        qint64 declared = 0;
        for (const QuaZipFileInfo64 &info : m_Zip.getFileInfoList64())
            declared += qint64(info.uncompressedSize);
        if (declared > maxUnpacked) {
            *error = QStringLiteral("would unpack to more than 256 MB");
            return false;
        }
        return true;
    }

    bool Has(const QString &name) { return m_Zip.setCurrentFile(name); }

    // The entry's bytes; false with the reason when it is missing, encrypted or too large.
    bool Read(const QString &name, QByteArray *bytes, QString *error)
    {
        if (!m_Zip.setCurrentFile(name)) {
            *error = QStringLiteral("is damaged (%1 is missing)").arg(name);
            return false;
        }
        QuaZipFileInfo64 info;
        if (m_Zip.getCurrentFileInfo(&info) && (info.flags & 1)) {
            *error = QStringLiteral("is encrypted");
            return false;
        }
        QuaZipFile file(&m_Zip);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("is damaged (%1 cannot be unpacked)").arg(name);
            return false;
        }
        bytes->clear();
        // The sizes a zip declares may lie: what is really unpacked counts.
        char chunk[65536];
        for (;;) {
            const qint64 n = file.read(chunk, sizeof chunk);
            if (n < 0 || file.getZipError() != UNZ_OK) {
                *error = QStringLiteral("is damaged (%1 cannot be unpacked)").arg(name);
                return false;
            }
            if (n == 0)
                break;
            m_Unpacked += n;
            if (m_Unpacked > maxUnpacked) {
                *error = QStringLiteral("would unpack to more than 256 MB");
                return false;
            }
            bytes->append(chunk, n);
        }
        // An entry that declares less than it holds is read only so far: its
        // checksum, tested on closing, tells.
        file.close();
        if (file.getZipError() != UNZ_OK) {
            *error = QStringLiteral("is damaged (%1 does not match its checksum)").arg(name);
            return false;
        }
        return true;
    }

private:
    QByteArray m_Bytes; // read only, through the buffer
    TQuietBuffer m_Buffer;
    QuaZip m_Zip;
    qint64 m_Unpacked = 0;
};

// The text of Dublin Core's title in a metadata part.
QString DcTitle(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("title"))
            return Clean(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return {};
}

bool XmlFailed(const QXmlStreamReader &reader, const QString &part, QString *error)
{
    if (!reader.hasError() || reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return false;
    *error = QStringLiteral("is damaged (%1: %2)").arg(part, reader.errorString());
    return true;
}

// An office document's text part, and its title from the metadata part when it has one.
bool ReadOfficeParts(TZip &zip, const QString &text, const QString &metadata, QByteArray *content,
                     TDocument *document, QString *error)
{
    if (!zip.Read(text, content, error))
        return false;
    QByteArray meta;
    QString ignored;
    if (zip.Read(metadata, &meta, &ignored))
        document->Title = DcTitle(meta);
    return true;
}

bool ReadOdt(TZip &zip, TDocument *document, QString *error)
{
    QByteArray content;
    if (!ReadOfficeParts(zip, QStringLiteral("content.xml"), QStringLiteral("meta.xml"), &content, document, error))
        return false;
    TParagraphs paragraphs;
    QXmlStreamReader reader(content);
    QString text;
    int depth = 0; // inside a paragraph or heading
    int heading = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("p") || name == QLatin1String("h")) {
                if (depth++ == 0) {
                    text.clear();
                    heading = name == QLatin1String("h")
                                  ? std::max(1, reader.attributes().value(QStringLiteral("text:outline-level")).toInt())
                                  : 0;
                }
            } else if (depth > 0 && name == QLatin1String("s")) {
                text += QString(std::max(1, reader.attributes().value(QStringLiteral("text:c")).toInt()), QLatin1Char(' '));
            } else if (depth > 0 && name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (depth > 0 && name == QLatin1String("line-break")) {
                text += QLatin1Char('\n');
            } else if (name == QLatin1String("annotation") || name == QLatin1String("note-citation")) {
                reader.skipCurrentElement(); // comments and note marks are not read out
            }
        } else if (reader.isEndElement() && (name == QLatin1String("p") || name == QLatin1String("h"))) {
            if (--depth == 0)
                Add(paragraphs, text, heading);
        } else if (reader.isCharacters() && depth > 0) {
            text += reader.text();
        }
    }
    if (XmlFailed(reader, QStringLiteral("content.xml"), error))
        return false;
    document->Chapters = Chapters(paragraphs, document->Title);
    return true;
}

bool ReadDocx(TZip &zip, TDocument *document, QString *error)
{
    QByteArray content;
    if (!ReadOfficeParts(zip, QStringLiteral("word/document.xml"), QStringLiteral("docProps/core.xml"), &content,
                         document, error))
        return false;
    TParagraphs paragraphs;
    QXmlStreamReader reader(content);
    QString text;
    int heading = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("p")) {
                text.clear();
                heading = 0;
            } else if (name == QLatin1String("pStyle")) {
                const QString style = reader.attributes().value(QStringLiteral("w:val")).toString();
                if (style == QLatin1String("Title"))
                    heading = 1;
                else if (style.startsWith(QLatin1String("Heading")))
                    heading = std::clamp(style.mid(7).toInt(), 1, 6);
            } else if (name == QLatin1String("t")) {
                text += reader.readElementText();
            } else if (name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (name == QLatin1String("br") || name == QLatin1String("cr")) {
                text += QLatin1Char('\n');
            } else if (name == QLatin1String("instrText") || name == QLatin1String("delText")) {
                reader.skipCurrentElement(); // field codes and deleted text are not read
            }
        } else if (reader.isEndElement() && name == QLatin1String("p")) {
            Add(paragraphs, text, heading);
        }
    }
    if (XmlFailed(reader, QStringLiteral("word/document.xml"), error))
        return false;
    document->Chapters = Chapters(paragraphs, document->Title);
    return true;
}

bool ReadEpub(TZip &zip, TDocument *document, QString *error)
{
    QByteArray container;
    if (!zip.Read(QStringLiteral("META-INF/container.xml"), &container, error))
        return false;
    QString opfPath;
    QXmlStreamReader containerReader(container);
    while (!containerReader.atEnd() && opfPath.isEmpty()) {
        if (containerReader.readNext() == QXmlStreamReader::StartElement && containerReader.name() == QLatin1String("rootfile"))
            opfPath = containerReader.attributes().value(QStringLiteral("full-path")).toString();
    }
    QByteArray opf;
    if (opfPath.isEmpty()) {
        *error = QStringLiteral("is damaged (it names no package file)");
        return false;
    }
    if (!zip.Read(opfPath, &opf, error))
        return false;
    const QString base = opfPath.contains(QLatin1Char('/')) ? opfPath.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') : QString();
    QHash<QString, QString> manifest; // id → path in the zip
    QStringList spine;
    QXmlStreamReader reader(opf);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("title") && document->Title.isEmpty()) {
            document->Title = Clean(reader.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (name == QLatin1String("item")) {
            const QString href = QUrl::fromPercentEncoding(reader.attributes().value(QStringLiteral("href")).toUtf8());
            manifest.insert(reader.attributes().value(QStringLiteral("id")).toString(), QUrl(base).resolved(QUrl(href)).path());
        } else if (name == QLatin1String("itemref")) {
            spine << reader.attributes().value(QStringLiteral("idref")).toString();
        }
    }
    if (XmlFailed(reader, opfPath, error))
        return false;
    // Parts a shop encrypted to bind the book to its reader cannot be read (fonts
    // are often listed too, obfuscated; they do not matter).
    QStringList encrypted;
    QByteArray encryption;
    const QString encryptionPath = QStringLiteral("META-INF/encryption.xml");
    if (zip.Has(encryptionPath)) {
        if (!zip.Read(encryptionPath, &encryption, error))
            return false;
        QXmlStreamReader list(encryption);
        while (!list.atEnd()) {
            if (list.readNext() == QXmlStreamReader::StartElement && list.name() == QLatin1String("CipherReference"))
                encrypted << QUrl::fromPercentEncoding(list.attributes().value(QStringLiteral("URI")).toUtf8());
        }
    }
    for (const QString &id : std::as_const(spine)) {
        const QString part = manifest.value(id);
        if (encrypted.contains(part)) {
            *error = QStringLiteral("is protected against copying (its text is encrypted)");
            return false;
        }
        QByteArray xhtml;
        if (part.isEmpty() || !zip.Read(part, &xhtml, error))
            return part.isEmpty() ? (*error = QStringLiteral("is damaged (its reading order names a missing part)"), false) : false;
        const TParagraphs paragraphs = FromHtml(QString::fromUtf8(xhtml), nullptr);
        if (paragraphs.empty())
            continue; // a cover picture, say
        TDocument::TChapter chapter;
        const auto heading = std::find_if(paragraphs.begin(), paragraphs.end(), [](const TParagraph &p) { return p.Heading > 0; });
        chapter.Title = heading != paragraphs.end() ? heading->Text : QStringLiteral("Chapter %1").arg(document->Chapters.size() + 1);
        for (const TParagraph &p : paragraphs)
            chapter.Text += (chapter.Text.isEmpty() ? QString() : QStringLiteral("\n")) + p.Text;
        document->Chapters.push_back(chapter);
    }
    return true;
}

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
            Add(paragraphs, Unligated(QString(line).remove(bidiControls)));
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
        Add(paragraphs, paragraph);
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
    document->Title = Clean(pdf->info(QStringLiteral("Title")));
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
    document->Chapters = Chapters(paragraphs, document->Title);
    return true;
}

} // namespace

QString TDocument::Text() const
{
    QStringList parts;
    for (const TChapter &chapter : Chapters)
        parts << chapter.Text;
    return parts.join(QLatin1Char('\n'));
}

namespace DocumentReader {

bool IsDocument(const QString &path)
{
    static const QStringList kinds{QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("xhtml"),
                                   QStringLiteral("md"),   QStringLiteral("markdown"), QStringLiteral("epub"),
                                   QStringLiteral("odt"),  QStringLiteral("docx"), QStringLiteral("pdf")};
    return kinds.contains(Kind(path));
}

QString FileFilter()
{
    return QStringLiteral("Text and documents (*.txt *.html *.htm *.xhtml *.md *.markdown *.epub *.odt *.docx *.pdf);;"
                          "Text files (*.txt);;All files (*)");
}

bool ReadBytes(const QByteArray &bytes, const QString &name, TDocument *document, QString *error, const TProgress &progress)
{
    *document = TDocument();
    const QString kind = Kind(name);
    QString why;
    bool ok = true;
    if (kind == QLatin1String("pdf")) {
        ok = ReadPdf(bytes, document, &why, progress);
    } else if (kind == QLatin1String("epub") || kind == QLatin1String("odt") || kind == QLatin1String("docx")) {
        TZip zip(bytes);
        ok = zip.Open(&why) && (kind == QLatin1String("epub") ? ReadEpub(zip, document, &why)
                                : kind == QLatin1String("odt") ? ReadOdt(zip, document, &why)
                                                               : ReadDocx(zip, document, &why));
    } else {
        const QString text = TextFile::Decode(bytes);
        document->Chapters = kind == QLatin1String("md") || kind == QLatin1String("markdown")
                                 ? Chapters(FromMarkdown(text), QString())
                                 : Chapters(FromHtml(text, &document->Title), QString());
    }
    // A heading with nothing under it (a part's title page, a book's own title) is
    // read at the start of the chapter that follows, not made a chapter of its own.
    auto &chapters = document->Chapters;
    for (size_t k = chapters.size(); k-- > 1;) {
        if (chapters[k - 1].Text == chapters[k - 1].Title) {
            chapters[k].Text.prepend(chapters[k - 1].Text + QLatin1Char('\n'));
            chapters.erase(chapters.begin() + qsizetype(k - 1));
        }
    }
    if (ok && chapters.empty())
        why = QStringLiteral("holds no text to read; it was not opened"), ok = false;
    if (!ok) {
        *document = TDocument();
        *error = name + QLatin1Char(' ') + why + QLatin1Char('.');
    }
    return ok;
}

bool Read(const QString &path, TDocument *document, QString *error, const TProgress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The file ") + path + QStringLiteral(" could not be opened: ") + file.errorString();
        return false;
    }
    QByteArray bytes;
    if (!TextFile::ReadCapped(file, TextFile::MaxTextFileBytes, &bytes)) {
        *error = path + QStringLiteral(" is too large to be read as an article (more than 64 MB); it was not opened.");
        return false;
    }
    return ReadBytes(bytes, path, document, error, progress);
}

bool Articles(const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles, QString *error,
              const TProgress &progress)
{
    articles->clear();
    const QString fileTitle = QFileInfo(path).completeBaseName();
    if (!IsDocument(path)) {
        QStringList lines;
        if (!TextFile::ReadLines(path, &lines, error))
            return false;
        articles->push_back({fileTitle, lines.join(QLatin1Char('\n'))});
        return true;
    }
    TDocument document;
    if (!Read(path, &document, error, progress))
        return false;
    const QString title = document.Title.isEmpty() ? fileTitle : document.Title;
    if (!chapters || document.Chapters.size() == 1) {
        articles->push_back({title, document.Text()});
        return true;
    }
    for (const TDocument::TChapter &chapter : document.Chapters)
        articles->push_back({chapter.Title.isEmpty() ? title : chapter.Title, chapter.Text});
    return true;
}

} // namespace DocumentReader
