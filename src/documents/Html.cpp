#include "documents/Html.h"

#include "articles/TextFile.h"
#include "documents/MainText.h"

#include <QHash>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUtf8StringView>

#include <libxml/HTMLparser.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <utility>

namespace {

using namespace std::literals;
using MainText::TNode;

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements that begin and end a paragraph of their own.
bool IsBlock(std::string_view name)
{
    return OneOf(name, {"p"sv,       "div"sv,    "li"sv,         "dt"sv,         "dd"sv,      "blockquote"sv, "pre"sv,
                        "td"sv,      "th"sv,     "tr"sv,         "table"sv,      "caption"sv, "ul"sv,         "ol"sv,
                        "dl"sv,      "section"sv, "article"sv,   "header"sv,     "footer"sv,  "nav"sv,        "aside"sv,
                        "main"sv,    "figure"sv, "figcaption"sv, "address"sv,    "hr"sv,      "body"sv,       "center"sv,
                        "details"sv, "summary"sv, "fieldset"sv,  "legend"sv,     "form"sv,    "hgroup"sv,     "menu"sv,
                        "dialog"sv,  "option"sv, "tbody"sv,      "thead"sv,      "tfoot"sv});
}

// Elements whose content is never shown as text.
bool IsUnread(std::string_view name)
{
    return OneOf(name, {"script"sv, "style"sv, "template"sv, "svg"sv, "math"sv, "noscript"sv, "iframe"sv, "object"sv,
                        "embed"sv, "canvas"sv, "video"sv, "audio"sv, "select"sv, "textarea"sv});
}

int HeadingLevel(std::string_view name)
{
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6' ? name[1] - '0' : 0;
}

// Hidden from everyone (and so from a listener too), or a footnote's way back to
// its mark, which is not read.
bool IsHidden(const xmlChar **attributes)
{
    for (const xmlChar **a = attributes; a && a[0]; a += 2) {
        const std::string_view name(reinterpret_cast<const char *>(a[0]));
        const QString value = a[1] ? QString::fromUtf8(reinterpret_cast<const char *>(a[1])).toLower() : QString();
        if (name == "hidden"sv)
            return true;
        if (name == "aria-hidden"sv && value.trimmed() == QLatin1String("true"))
            return true;
        if (name == "style"sv) {
            const QString style = QString(value).remove(QLatin1Char(' '));
            if (style.contains(QLatin1String("display:none")) || style.contains(QLatin1String("visibility:hidden")))
                return true;
        }
        if (name == "role"sv && value == QLatin1String("doc-backlink"))
            return true;
    }
    return false;
}

QString Attribute(const xmlChar **attributes, std::string_view wanted)
{
    for (const xmlChar **a = attributes; a && a[0]; a += 2) {
        if (std::string_view(reinterpret_cast<const char *>(a[0])) == wanted)
            return a[1] ? QString::fromUtf8(reinterpret_cast<const char *>(a[1])) : QString();
    }
    return {};
}

// What a note's mark or a note says it is, by its role or its e-book type.
bool Declares(const xmlChar **attributes, std::initializer_list<QLatin1String> kinds)
{
    const QStringList types = Attribute(attributes, "epub:type"sv).split(QLatin1Char(' ')) +
                              QStringList{Attribute(attributes, "role"sv).remove(QLatin1String("doc-"))};
    return std::any_of(kinds.begin(), kinds.end(), [&](QLatin1String kind) { return types.contains(kind); });
}

struct TReading
{
    TParagraphs Paragraphs;
    QString Text; // of the paragraph being read
    int Heading = 0;
    int Depth = 0;
    int SkipFrom = 0; // the depth of the element being left out, or 0
    int Pre = 0;      // inside preformatted text, where spaces and lines count
    bool InTitle = false;
    bool TitleRead = false;
    QString Title;
    QString Next;
    // Footnotes: the notes each paragraph marks, and which note a paragraph is part of.
    QStringList Marked;
    std::vector<QStringList> Marks;
    QString Note;
    int NoteDepth = 0;
    std::vector<QString> NoteOf;
    // The page's elements as read (what the main text is found from, kept only when
    // it is looked for), the open ones, and for each paragraph the element it stands
    // in and its link text.
    bool Structure = false;
    std::vector<TNode> Nodes;
    std::vector<int> Open;
    int InLink = 0;
    int LinkChars = 0; // of the paragraph being read
    std::vector<int> OwnerOf;
    std::vector<int> LinkCharsOf;
    // Languages: the page's own, those of the open elements that name one (with their
    // depth), and the one the paragraph being read is in at its end.
    QString PageLanguage;
    std::vector<std::pair<int, QString>> Languages;
    QString TextLanguage;

    // Text is about to be added: a part in another language is marked where it starts.
    void MarkLanguage()
    {
        QString language = Languages.empty() ? QString() : Languages.back().second;
        if (LanguageRanges::SameLanguage(language, PageLanguage))
            language.clear();
        if (language != TextLanguage) {
            Text += Paragraphs::LanguageMark(language);
            TextLanguage = language;
        }
    }

    void Flush()
    {
        const size_t before = Paragraphs.size();
        Paragraphs::Add(Paragraphs, Text, Heading);
        if (Paragraphs.size() > before) {
            Marks.push_back(std::exchange(Marked, {}));
            NoteOf.push_back(Note);
            OwnerOf.push_back(Open.empty() ? -1 : Open.back());
            LinkCharsOf.push_back(LinkChars);
        } else if (!Marked.isEmpty() && !Marks.empty()) {
            Marks.back() += std::exchange(Marked, {});
        }
        Text.clear();
        TextLanguage.clear();
        Heading = 0;
        LinkChars = 0;
    }

    // Leaves out what is not the page's main text (MainText.cpp's rules); false
    // when the page is all content.
    bool KeepMainText()
    {
        const std::vector<bool> keep = MainText::Kept(Nodes, Paragraphs, OwnerOf, LinkCharsOf);
        if (keep.empty())
            return false;
        size_t kept = 0;
        for (size_t k = 0; k < Paragraphs.size(); ++k) {
            if (!keep[k])
                continue;
            Paragraphs[kept] = std::move(Paragraphs[k]);
            Marks[kept] = std::move(Marks[k]);
            NoteOf[kept] = std::move(NoteOf[k]);
            ++kept;
        }
        Paragraphs.resize(kept);
        Marks.resize(kept);
        NoteOf.resize(kept);
        return true;
    }

    // Each note read after the paragraph that marks it, as a listener needs it,
    // not where the page gathers its notes.
    TParagraphs Ordered()
    {
        QHash<QString, std::vector<size_t>> notes;
        for (size_t k = 0; k < Paragraphs.size(); ++k)
            if (!NoteOf[k].isEmpty())
                notes[NoteOf[k]].push_back(k);
        std::vector<bool> placed(Paragraphs.size(), false);
        QSet<QString> marked;
        for (const QStringList &marks : Marks)
            for (const QString &id : marks)
                if (notes.contains(id))
                    marked.insert(id);
        TParagraphs ordered;
        const auto place = [&](size_t k) {
            if (!placed[k]) {
                placed[k] = true;
                ordered.push_back(std::move(Paragraphs[k]));
            }
        };
        for (size_t k = 0; k < Paragraphs.size(); ++k) {
            if (NoteOf[k].isEmpty() || !marked.contains(NoteOf[k]))
                place(k);
            for (const QString &id : Marks[k])
                for (const size_t note : notes.value(id))
                    place(note);
        }
        return ordered;
    }
};

TReading &Of(void *context) { return *static_cast<TReading *>(context); }

void StartElement(void *context, const xmlChar *tag, const xmlChar **attributes)
{
    TReading &r = Of(context);
    ++r.Depth;
    if (r.SkipFrom)
        return;
    const std::string_view name(reinterpret_cast<const char *>(tag));
    // A note's mark is not read; its note will be, after this paragraph.
    if (Declares(attributes, {QLatin1String("noteref")})) {
        const QString href = Attribute(attributes, "href"sv);
        if (href.contains(QLatin1Char('#')))
            r.Marked << href.section(QLatin1Char('#'), 1);
        r.SkipFrom = r.Depth;
        return;
    }
    if (IsUnread(name) || IsHidden(attributes)) {
        r.SkipFrom = r.Depth;
        return;
    }
    if (r.Structure) {
        r.Nodes.push_back({r.Open.empty() ? -1 : r.Open.back(), std::string(name),
                           (Attribute(attributes, "class"sv) + QLatin1Char(' ') + Attribute(attributes, "id"sv) +
                            QLatin1Char(' ') + Attribute(attributes, "role"sv))
                               .toLower()});
        r.Open.push_back(int(r.Nodes.size()) - 1);
    }
    r.InLink += name == "a"sv;
    QString language = Attribute(attributes, "lang"sv);
    if (language.isEmpty())
        language = Attribute(attributes, "xml:lang"sv);
    language = LanguageRanges::Code(language.trimmed());
    if (name == "html"sv && !language.isEmpty())
        r.PageLanguage = language;
    else if (!language.isEmpty())
        r.Languages.push_back({r.Depth, language});
    if (!r.NoteDepth && Declares(attributes, {QLatin1String("footnote"), QLatin1String("endnote"), QLatin1String("rearnote")})) {
        r.Flush();
        r.Note = Attribute(attributes, "id"sv);
        r.NoteDepth = r.Depth;
    }
    if ((name == "link"sv || name == "a"sv) && r.Next.isEmpty() &&
        Attribute(attributes, "rel"sv).toLower().split(QLatin1Char(' ')).contains(QLatin1String("next")))
        r.Next = Attribute(attributes, "href"sv).trimmed();
    if (name == "title"sv) {
        r.InTitle = !r.TitleRead;
    } else if (name == "br"sv) {
        r.Text += QLatin1Char('\n');
    } else if (const int level = HeadingLevel(name)) {
        r.Flush();
        r.Heading = level;
    } else if (IsBlock(name)) {
        r.Flush();
        r.Pre += name == "pre"sv;
    }
}

void EndElement(void *context, const xmlChar *tag)
{
    TReading &r = Of(context);
    const int depth = r.Depth--;
    if (r.SkipFrom) {
        if (depth == r.SkipFrom)
            r.SkipFrom = 0;
        return;
    }
    if (!r.Languages.empty() && r.Languages.back().first == depth)
        r.Languages.pop_back();
    const std::string_view name(reinterpret_cast<const char *>(tag));
    if (name == "a"sv && r.InLink > 0)
        --r.InLink;
    // The paragraph it ends still stands in it.
    const auto close = qScopeGuard([&r] {
        if (!r.Open.empty())
            r.Open.pop_back();
    });
    if (depth == r.NoteDepth) {
        r.Flush();
        r.Note.clear();
        r.NoteDepth = 0;
    }
    if (name == "title"sv && r.InTitle) {
        r.InTitle = false;
        r.TitleRead = true;
    } else if (HeadingLevel(name) || IsBlock(name)) {
        r.Flush();
        if (name == "pre"sv && r.Pre > 0)
            --r.Pre;
    }
}

void Characters(void *context, const xmlChar *characters, int length)
{
    TReading &r = Of(context);
    if (r.SkipFrom)
        return;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(characters), length);
    if (r.InTitle) {
        r.Title += text;
        return;
    }
    if (r.Pre > 0) {
        r.MarkLanguage();
        r.Text += text;
        return;
    }
    // Runs of spaces and line ends are one space, as a browser shows them.
    for (const QChar c : text) {
        if (c.isSpace() && c != QChar::Nbsp) {
            if (!r.Text.isEmpty() && !r.Text.endsWith(QLatin1Char(' ')) && !r.Text.endsWith(QLatin1Char('\n')))
                r.Text += QLatin1Char(' ');
        } else {
            r.MarkLanguage();
            r.Text += c;
            r.LinkChars += r.InLink > 0;
        }
    }
}

void Quiet(void *, const char *, ...) {}

// The page as UTF-8, from the encoding the server gave, else the one it declares
// (in its first bytes), else read as any text file is; valid UTF-8 is taken as it is.
QByteArray Utf8(const QByteArray &bytes, const QByteArray &charset)
{
    static const QRegularExpression declared(
        QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)|<\\?xml\\b[^>]*?encoding\\s*=\\s*[\"']([A-Za-z0-9_.:-]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!bom) {
        QString name = QString::fromLatin1(charset).trimmed();
        if (name.isEmpty()) {
            const QRegularExpressionMatch match = declared.match(QString::fromLatin1(bytes.left(4096)));
            name = match.hasMatch() ? match.captured(1) + match.captured(2) : QString();
        }
        if (!name.isEmpty() && !name.startsWith(QLatin1String("utf"), Qt::CaseInsensitive)) {
            QStringDecoder decoder(name.toLatin1().constData());
            if (decoder.isValid()) {
                const QString text = decoder.decode(bytes);
                if (!decoder.hasError())
                    return text.toUtf8();
            }
        }
        if (QUtf8StringView(bytes).isValidUtf8())
            return bytes;
    }
    return TextFile::Decode(bytes).toUtf8();
}

} // namespace

namespace HtmlReader {

QString PageTitle(const QString &title, const QString &headline)
{
    // The separators sites put between a page's own title and their name.
    static const QRegularExpression separator(QStringLiteral("\\s+[|\\-\u2013\u2014:\u00b7\u00bb/]+\\s+"));
    const QStringList parts = title.split(separator, Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return title;
    // The headline, when it is one of the parts or a good part of the title (not a
    // site's name set as a heading).
    const QString line = headline.simplified();
    const bool part = std::any_of(parts.begin(), parts.end(), [&](const QString &p) { return p.compare(line, Qt::CaseInsensitive) == 0; });
    if (!line.isEmpty() && (part || (line.count(QLatin1Char(' ')) >= 2 && title.contains(line, Qt::CaseInsensitive))))
        return line;
    // Else the part with the most words: a site's name is short beside a headline.
    const auto words = [](const QString &part) { return part.count(QLatin1Char(' ')) + 1; };
    const QString longest = *std::max_element(parts.begin(), parts.end(), [&](const QString &a, const QString &b) {
        return words(a) < words(b);
    });
    return words(longest) >= 2 ? longest : title;
}

TParagraphs Read(const QByteArray &bytes, TPage *page, const DocumentReader::TProgress &progress, const TOptions &options)
{
    htmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.startElement = StartElement;
    handler.endElement = EndElement;
    handler.characters = Characters;
    handler.ignorableWhitespace = Characters;
    handler.warning = Quiet;
    handler.error = Quiet;
    // Nor does the library print its own complaints (memory that ran out, say).
    xmlSetGenericErrorFunc(nullptr, Quiet);
    TReading reading;
    reading.Structure = options.MainText;
    reading.PageLanguage = LanguageRanges::Code(options.Language);
    const QByteArray utf8 = Utf8(bytes, options.Charset);
    // Decoded already: a charset the page declares is not applied a second time.
    htmlParserCtxtPtr context = htmlCreatePushParserCtxt(&handler, &reading, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8);
    if (!context)
        return {};
    htmlCtxtUseOptions(context, HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                    HTML_PARSE_IGNORE_ENC);
    // A megabyte at a time, so that a long page can tell how far it is.
    constexpr qsizetype chunk = 1024 * 1024;
    for (qsizetype at = 0;; at += chunk) {
        const qsizetype size = std::min(chunk, utf8.size() - at);
        htmlParseChunk(context, utf8.constData() + at, int(size), at + size >= utf8.size() ? 1 : 0);
        if (at + size >= utf8.size() || context->errNo == XML_ERR_NO_MEMORY)
            break;
        if (progress)
            progress(int(at + size), int(utf8.size()));
    }
    const bool outOfMemory = context->errNo == XML_ERR_NO_MEMORY;
    htmlFreeParserCtxt(context);
    if (outOfMemory)
        throw std::bad_alloc();
    reading.Flush();
    QString title = Paragraphs::Clean(reading.Title.simplified());
    bool article = false;
    if (options.MainText) {
        const auto headline = std::find_if(reading.Paragraphs.begin(), reading.Paragraphs.end(),
                                           [](const TParagraph &p) { return p.Heading == 1; });
        const QString line = headline == reading.Paragraphs.end() ? QString() : headline->Text;
        article = reading.KeepMainText();
        if (article)
            title = PageTitle(title, line);
    }
    if (page)
        *page = {title, reading.Next, article};
    return reading.Ordered();
}

} // namespace HtmlReader
