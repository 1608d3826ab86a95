#include "documents/Epub.h"

#include "documents/Html.h"
#include "documents/Paragraphs.h"
#include "documents/Zip.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// A path in the zip from a link in one of its parts, without its fragment.
QString Resolved(const QString &base, QStringView href)
{
    const QString file = QUrl::fromPercentEncoding(href.left(href.indexOf(QLatin1Char('#'))).toUtf8());
    return QUrl(base).resolved(QUrl(file)).path();
}

QString DirectoryOf(const QString &path)
{
    return path.contains(QLatin1Char('/')) ? path.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') : QString();
}

// The book's table of contents, its navigation document's (or, in older books,
// its NCX): the title of the first entry that leads into each part.
QHash<QString, QString> Contents(TZip &zip, const QString &nav, const QString &ncx)
{
    QHash<QString, QString> titles;
    const QString path = nav.isEmpty() ? ncx : nav;
    const QByteArray xml = path.isEmpty() ? QByteArray() : zip.Optional(path);
    if (xml.isEmpty())
        return titles;
    const QString base = DirectoryOf(path);
    const auto add = [&](QStringView href, const QString &label) {
        const QString part = Resolved(base, href);
        const QString title = Paragraphs::Clean(label.simplified());
        if (!part.isEmpty() && !title.isEmpty() && !titles.contains(part))
            titles.insert(part, title);
    };
    QXmlStreamReader reader(xml);
    int tocDepth = 0; // inside the navigation document's table of contents
    QString label;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("nav") && (tocDepth > 0 || reader.attributes().value(QStringLiteral("epub:type")).contains(QLatin1String("toc")) ||
                                                 reader.attributes().value(QStringLiteral("role")) == QLatin1String("doc-toc"))) {
                ++tocDepth;
            } else if (tocDepth > 0 && name == QLatin1String("a")) {
                const QString href = reader.attributes().value(QStringLiteral("href")).toString();
                add(href, reader.readElementText(QXmlStreamReader::IncludeChildElements));
            } else if (name == QLatin1String("text")) {
                label = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (name == QLatin1String("content")) {
                add(reader.attributes().value(QStringLiteral("src")), label);
            }
        } else if (reader.isEndElement() && name == QLatin1String("nav") && tocDepth > 0) {
            --tocDepth;
        }
    }
    return titles;
}

} // namespace

bool ReadEpub(TZip &zip, TDocument *document, QString *error, const DocumentReader::TProgress &progress)
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
        *error = QCoreApplication::translate("Documents", "is damaged (it names no package file)");
        return false;
    }
    if (!zip.Read(opfPath, &opf, error))
        return false;
    const QString base = DirectoryOf(opfPath);
    QHash<QString, QString> manifest; // id → path in the zip
    QStringList spine;
    QString nav;
    QString ncxId;
    QString coverId, coverPath;
    QXmlStreamReader reader(opf);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = reader.name();
        if (name == QLatin1String("title") && document->Title.isEmpty()) {
            document->Title = Paragraphs::Clean(reader.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (name == QLatin1String("language") && document->Language.isEmpty()) {
            static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2,8}(-[A-Za-z0-9]{1,8})*$"));
            const QString language = reader.readElementText().trimmed();
            if (code.match(language).hasMatch())
                document->Language = language;
        } else if (name == QLatin1String("creator")) {
            // Several authors are named together.
            const QString author = Paragraphs::Clean(reader.readElementText(QXmlStreamReader::IncludeChildElements).simplified());
            if (!author.isEmpty())
                document->Author += (document->Author.isEmpty() ? QString() : QStringLiteral(", ")) + author;
        } else if (name == QLatin1String("meta") && reader.attributes().value(QStringLiteral("name")) == QLatin1String("cover")) {
            coverId = reader.attributes().value(QStringLiteral("content")).toString(); // EPUB 2
        } else if (name == QLatin1String("item")) {
            const QString path = Resolved(base, reader.attributes().value(QStringLiteral("href")));
            manifest.insert(reader.attributes().value(QStringLiteral("id")).toString(), path);
            const auto properties = reader.attributes().value(QStringLiteral("properties")).split(QLatin1Char(' '));
            if (properties.contains(QLatin1String("nav")))
                nav = path;
            if (properties.contains(QLatin1String("cover-image")))
                coverPath = path; // EPUB 3
        } else if (name == QLatin1String("spine")) {
            ncxId = reader.attributes().value(QStringLiteral("toc")).toString();
        } else if (name == QLatin1String("itemref")) {
            spine << reader.attributes().value(QStringLiteral("idref")).toString();
        }
    }
    if (XmlFailed(reader, opfPath, error))
        return false;
    // The cover, when it is a picture players show; a book without one is read all the same.
    if (coverPath.isEmpty())
        coverPath = manifest.value(coverId);
    constexpr qint64 largestCover = 8 * 1024 * 1024;
    const QByteArray cover = coverPath.isEmpty() ? QByteArray() : zip.Optional(coverPath);
    if (cover.size() <= largestCover && (cover.startsWith("\xff\xd8\xff") || cover.startsWith("\x89PNG\r\n\x1a\n")))
        document->Cover = cover;
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
    // Chapters as the book's contents name them; a part the contents do not lead
    // to goes on with the chapter before it (one chapter in two files).
    const QHash<QString, QString> contents = Contents(zip, nav, manifest.value(ncxId));
    for (qsizetype k = 0; k < spine.size(); ++k) {
        if (progress)
            progress(int(k), int(spine.size()));
        const QString part = manifest.value(spine[k]);
        if (!part.isEmpty() && part == nav)
            continue; // the contents themselves
        if (encrypted.contains(part)) {
            *error = QCoreApplication::translate(
                "Documents", "is protected against copying (its text is encrypted)");
            return false;
        }
        QByteArray xhtml;
        if (part.isEmpty() || !zip.Read(part, &xhtml, error))
            return part.isEmpty()
                       ? (*error = QCoreApplication::translate(
                              "Documents", "is damaged (its reading order names a missing part)"),
                          false)
                       : false;
        const TParagraphs paragraphs = HtmlReader::Read(xhtml, nullptr, {}, {false, {}, document->Language});
        if (paragraphs.empty())
            continue; // a cover picture, say
        if (!contents.isEmpty() && !contents.contains(part) && !document->Chapters.empty()) {
            for (const TParagraph &p : paragraphs)
                Paragraphs::Append(document->Chapters.back(), p);
            continue;
        }
        TDocument::TChapter chapter;
        const auto heading = std::find_if(paragraphs.begin(), paragraphs.end(), [](const TParagraph &p) { return p.Heading > 0; });
        chapter.Title = contents.contains(part)           ? contents.value(part)
                        : heading != paragraphs.end() ? heading->Text
                                                      : QStringLiteral("Chapter %1").arg(document->Chapters.size() + 1);
        for (const TParagraph &p : paragraphs)
            Paragraphs::Append(chapter, p);
        document->Chapters.push_back(chapter);
    }
    return true;
}

