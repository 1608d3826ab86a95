#include "documents/OpenDocument.h"

#include "documents/Paragraphs.h"
#include "documents/Zip.h"

#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The languages of a part's styles (name to language, or "" for one that names
// none; a style without one takes its parent's) and of its default paragraph style.
struct TStyleLanguages
{
    QHash<QString, QString> Own;
    QHash<QString, QString> Parent;
    QString Default;

    // Reads the style definitions the reader is at the start of, to their end.
    void Read(QXmlStreamReader &reader)
    {
        const int depth = 1;
        int level = depth;
        QString style;
        bool isDefault = false;
        while (level > 0 && !reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement()) {
                ++level;
                const QXmlStreamAttributes attributes = reader.attributes();
                if (reader.name() == QLatin1String("style")) {
                    style = attributes.value(QStringLiteral("style:name")).toString();
                    Own.insert(style, QString());
                    Parent.insert(style, attributes.value(QStringLiteral("style:parent-style-name")).toString());
                } else if (reader.name() == QLatin1String("default-style")) {
                    isDefault = attributes.value(QStringLiteral("style:family")) == QLatin1String("paragraph");
                } else if (reader.name() == QLatin1String("text-properties") && attributes.hasAttribute(QStringLiteral("fo:language"))) {
                    QString language = attributes.value(QStringLiteral("fo:language")).toString();
                    const QString country = attributes.value(QStringLiteral("fo:country")).toString();
                    if (!country.isEmpty() && country != QLatin1String("none"))
                        language += QLatin1Char('-') + country;
                    language = LanguageRanges::Code(language);
                    if (isDefault)
                        Default = language;
                    else if (!style.isEmpty())
                        Own.insert(style, language);
                }
            } else if (reader.isEndElement()) {
                --level;
                if (reader.name() == QLatin1String("style"))
                    style.clear();
                else if (reader.name() == QLatin1String("default-style"))
                    isDefault = false;
            }
        }
    }
    // A style's language, or "" when it names none.
    QString Of(const QString &style) const
    {
        QString at = style;
        for (int steps = 0; steps < 16 && !at.isEmpty(); ++steps) {
            if (const QString own = Own.value(at); !own.isEmpty())
                return own;
            at = Parent.value(at);
        }
        return {};
    }
};

} // namespace

bool ReadOdt(TZip &zip, TDocument *document, QString *error)
{
    QByteArray content;
    if (!zip.Read(QStringLiteral("content.xml"), &content, error))
        return false;
    document->Title = zip.DcTitle(QStringLiteral("meta.xml"));
    // The languages of the styles (those of the document's own, then those of this
    // part, which come before its text); text in another one than the document's is marked.
    TStyleLanguages styles;
    QXmlStreamReader common(zip.Optional(QStringLiteral("styles.xml")));
    while (!common.atEnd()) {
        if (common.readNext() == QXmlStreamReader::StartElement &&
            (common.name() == QLatin1String("styles") || common.name() == QLatin1String("automatic-styles")))
            styles.Read(common);
    }
    QStringList languages; // of the paragraphs and spans open
    QString marked;
    const auto language = [&] {
        const QString in = languages.isEmpty() ? QString() : languages.back();
        return LanguageRanges::SameLanguage(in, styles.Default) ? QString() : in;
    };
    TParagraphs paragraphs;
    QXmlStreamReader reader(content);
    QString text;
    QStringList notes; // of the paragraph being read, read after it
    bool inNote = false;
    int depth = 0; // inside a paragraph or heading
    int heading = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        QString &target = inNote ? notes.back() : text;
        if (reader.isStartElement() && name == QLatin1String("automatic-styles")) {
            styles.Read(reader);
            continue;
        }
        if (reader.isStartElement() && (name == QLatin1String("p") || name == QLatin1String("h") || name == QLatin1String("span"))) {
            const QString own = styles.Of(reader.attributes().value(QStringLiteral("text:style-name")).toString());
            languages << (own.isEmpty() ? (languages.isEmpty() ? styles.Default : languages.back()) : own);
        } else if (reader.isEndElement() && (name == QLatin1String("p") || name == QLatin1String("h") || name == QLatin1String("span"))) {
            if (!languages.isEmpty())
                languages.removeLast();
        }
        if (reader.isStartElement()) {
            if (name == QLatin1String("p") || name == QLatin1String("h")) {
                if (inNote) {
                    target += QLatin1Char('\n');
                } else if (depth++ == 0) {
                    text.clear();
                    marked.clear();
                    heading = name == QLatin1String("h")
                                  ? std::max(1, reader.attributes().value(QStringLiteral("text:outline-level")).toInt())
                                  : 0;
                }
            } else if (depth > 0 && name == QLatin1String("s")) {
                target += QString(std::max(1, reader.attributes().value(QStringLiteral("text:c")).toInt()), QLatin1Char(' '));
            } else if (depth > 0 && name == QLatin1String("tab")) {
                target += QLatin1Char('\t');
            } else if (depth > 0 && name == QLatin1String("line-break")) {
                target += QLatin1Char('\n');
            } else if (depth > 0 && name == QLatin1String("note-body") && !inNote) {
                inNote = true;
                notes << QString();
            } else if (name == QLatin1String("annotation") || name == QLatin1String("note-citation") ||
                       name == QLatin1String("tracked-changes") || reader.qualifiedName().startsWith(QLatin1String("svg:"))) {
                // Comments, note marks, the text of changes (deleted text among it) and
                // an image's description (said by its caption, if at all) are not read.
                reader.skipCurrentElement();
            }
        } else if (reader.isEndElement() && name == QLatin1String("note-body")) {
            inNote = false;
        } else if (reader.isEndElement() && !inNote && (name == QLatin1String("p") || name == QLatin1String("h"))) {
            if (--depth == 0) {
                Paragraphs::Add(paragraphs, text, heading);
                for (const QString &note : std::as_const(notes))
                    Paragraphs::Add(paragraphs, note);
                notes.clear();
            }
        } else if (reader.isCharacters() && depth > 0) {
            if (!inNote && language() != marked && !reader.isWhitespace()) {
                marked = language();
                target += Paragraphs::LanguageMark(marked);
            }
            target += reader.text();
        }
    }
    if (XmlFailed(reader, QStringLiteral("content.xml"), error))
        return false;
    document->Chapters = Paragraphs::Chapters(paragraphs, document->Title);
    return true;
}

