#include "documents/Document.h"

#include "articles/TextFile.h"
#include "documents/Epub.h"
#include "documents/Html.h"
#include "documents/Markdown.h"
#include "documents/OpenDocument.h"
#include "documents/Paragraphs.h"
#include "documents/Pdf.h"
#include "documents/Word.h"
#include "documents/Zip.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace DocumentReader {

bool ReadBytes(const QByteArray &bytes, const QString &name, TDocument *document, QString *error, const TProgress &progress,
               const TRecognition &recognition, const TPageOptions &page)
{
    *document = TDocument();
    const QString kind = QFileInfo(name).suffix().toLower();
    if (!IsDocument(name)) {
        QStringList lines;
        if (!TextFile::ReadLines(bytes, name, &lines, error))
            return false;
        document->Chapters.push_back({QString(), lines.join(QLatin1Char('\n')), {}});
        return true;
    }
    QString why;
    bool ok = true;
    if (kind == QLatin1String("pdf")) {
        ok = ReadPdf(bytes, document, &why, progress, recognition);
    } else if (IsPicture(name)) {
        ok = ReadPicture(bytes, document, &why, recognition);
    } else if (kind == QLatin1String("epub") || kind == QLatin1String("odt") || kind == QLatin1String("docx")) {
        TZip zip(bytes);
        ok = zip.Open(&why) && (kind == QLatin1String("epub") ? ReadEpub(zip, document, &why, progress)
                                : kind == QLatin1String("odt") ? ReadOdt(zip, document, &why)
                                                               : ReadDocx(zip, document, &why));
    } else if (kind == QLatin1String("md") || kind == QLatin1String("markdown")) {
        document->Chapters = Paragraphs::Chapters(MarkdownReader::Read(TextFile::Decode(bytes), &document->Title), QString());
    } else {
        HtmlReader::TPage about;
        const TParagraphs paragraphs = HtmlReader::Read(bytes, &about, progress, {!page.WholePage, page.Charset});
        document->Title = about.Title;
        document->Next = about.Next;
        document->Chapters = Paragraphs::Chapters(paragraphs, QString());
        if (about.Article && document->Chapters.size() > 1)
            document->Chapters = {{document->Title, document->Text(), document->Languages()}};
    }
    // A heading with nothing under it (a part's title page, a book's own title) is
    // read at the start of the chapter that follows, not made a chapter of its own.
    auto &chapters = document->Chapters;
    for (size_t k = chapters.size(); k-- > 1;) {
        // So is a title page: the book's title, its author, a line or two.
        const bool titlePage = !document->Title.isEmpty() && chapters[k - 1].Title == document->Title &&
                               chapters[k - 1].Text.size() < 300;
        if (chapters[k - 1].Text == chapters[k - 1].Title || titlePage) {
            chapters[k].Text.prepend(chapters[k - 1].Text + QLatin1Char('\n'));
            chapters.erase(chapters.begin() + qsizetype(k - 1));
        }
    }
    if (ok && chapters.empty())
        why = QCoreApplication::translate("Documents", "holds no text to read; it was not opened"),
        ok = false;
    if (!ok) {
        *document = TDocument();
        *error = QCoreApplication::translate("Documents", "%1 %2.").arg(name, why);
    }
    return ok;
}

bool Read(const QString &path, TDocument *document, QString *error, const TProgress &progress, const TRecognition &recognition,
          const TPageOptions &page)
{
    QByteArray bytes;
    return Load(path, &bytes, error) && ReadBytes(bytes, path, document, error, progress, recognition, page);
}

} // namespace DocumentReader
