#include "documents/OpenDocument.h"

#include "documents/Paragraphs.h"
#include "documents/Zip.h"

#include <QXmlStreamReader>

#include <algorithm>

bool ReadOdt(TZip &zip, TDocument *document, QString *error)
{
    QByteArray content;
    if (!zip.Read(QStringLiteral("content.xml"), &content, error))
        return false;
    document->Title = zip.DcTitle(QStringLiteral("meta.xml"));
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
        if (reader.isStartElement()) {
            if (name == QLatin1String("p") || name == QLatin1String("h")) {
                if (inNote) {
                    target += QLatin1Char('\n');
                } else if (depth++ == 0) {
                    text.clear();
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
            target += reader.text();
        }
    }
    if (XmlFailed(reader, QStringLiteral("content.xml"), error))
        return false;
    document->Chapters = Paragraphs::Chapters(paragraphs, document->Title);
    return true;
}

