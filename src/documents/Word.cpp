#include "documents/Word.h"

#include "documents/Paragraphs.h"
#include "documents/Zip.h"

#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The notes of a notes part (footnotes or endnotes) by their number, each as one
// paragraph.
QHash<QString, QString> Notes(TZip &zip, const QString &part, QLatin1String element)
{
    QHash<QString, QString> notes;
    QXmlStreamReader reader(zip.Optional(part));
    QString id;
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == element) {
            id = reader.attributes().value(QStringLiteral("w:id")).toString();
            text.clear();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("p") && !text.isEmpty()) {
            text += QLatin1Char('\n');
        } else if (reader.isStartElement() && reader.name() == QLatin1String("t")) {
            text += reader.readElementText();
        } else if (reader.isEndElement() && reader.name() == element) {
            notes.insert(id, text);
        }
    }
    return notes;
}

// The language of the document's text where a run names none (its default run
// properties), or empty.
QString DefaultLanguage(TZip &zip)
{
    QXmlStreamReader reader(zip.Optional(QStringLiteral("word/styles.xml")));
    bool inDefaults = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("rPrDefault"))
            inDefaults = true;
        else if (reader.isEndElement() && reader.name() == QLatin1String("rPrDefault"))
            inDefaults = false;
        else if (inDefaults && reader.isStartElement() && reader.name() == QLatin1String("lang"))
            return LanguageRanges::Code(reader.attributes().value(QStringLiteral("w:val")).toString());
    }
    return {};
}

} // namespace

bool ReadDocx(TZip &zip, TDocument *document, QString *error)
{
    QByteArray content;
    if (!zip.Read(QStringLiteral("word/document.xml"), &content, error))
        return false;
    document->Title = zip.DcTitle(QStringLiteral("docProps/core.xml"));
    const QHash<QString, QString> footnotes = Notes(zip, QStringLiteral("word/footnotes.xml"), QLatin1String("footnote"));
    const QHash<QString, QString> endnotes = Notes(zip, QStringLiteral("word/endnotes.xml"), QLatin1String("endnote"));
    TParagraphs paragraphs;
    QXmlStreamReader reader(content);
    QString text;
    QStringList notes; // of the paragraph being read, read after it
    int heading = 0;
    // Runs in another language than the document's are marked as such.
    const QString language = DefaultLanguage(zip);
    bool inRun = false;
    QString runLanguage, marked;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("p")) {
                text.clear();
                marked.clear();
                heading = 0;
            } else if (name == QLatin1String("r")) {
                inRun = true;
                runLanguage.clear();
            } else if (inRun && name == QLatin1String("lang")) {
                runLanguage = LanguageRanges::Code(reader.attributes().value(QStringLiteral("w:val")).toString());
                if (LanguageRanges::SameLanguage(runLanguage, language))
                    runLanguage.clear();
            } else if (name == QLatin1String("pStyle")) {
                const QString style = reader.attributes().value(QStringLiteral("w:val")).toString();
                if (style == QLatin1String("Title"))
                    heading = 1;
                else if (style.startsWith(QLatin1String("Heading")))
                    heading = std::clamp(style.mid(7).toInt(), 1, 6);
            } else if (name == QLatin1String("t")) {
                const QString run = reader.readElementText();
                if (inRun && runLanguage != marked && !run.trimmed().isEmpty()) {
                    text += Paragraphs::LanguageMark(runLanguage);
                    marked = runLanguage;
                }
                text += run;
            } else if (name == QLatin1String("tab")) {
                text += QLatin1Char('\t');
            } else if (name == QLatin1String("br") || name == QLatin1String("cr")) {
                text += QLatin1Char('\n');
            } else if (name == QLatin1String("footnoteReference") || name == QLatin1String("endnoteReference")) {
                const QString id = reader.attributes().value(QStringLiteral("w:id")).toString();
                notes << (name == QLatin1String("footnoteReference") ? footnotes : endnotes).value(id);
            } else if (name == QLatin1String("instrText") || name == QLatin1String("delText")) {
                reader.skipCurrentElement(); // field codes and deleted text are not read
            }
        } else if (reader.isEndElement() && name == QLatin1String("r")) {
            inRun = false;
        } else if (reader.isEndElement() && name == QLatin1String("p")) {
            Paragraphs::Add(paragraphs, text, heading);
            for (const QString &note : std::as_const(notes))
                Paragraphs::Add(paragraphs, note);
            notes.clear();
        }
    }
    if (XmlFailed(reader, QStringLiteral("word/document.xml"), error))
        return false;
    document->Chapters = Paragraphs::Chapters(paragraphs, document->Title);
    return true;
}
