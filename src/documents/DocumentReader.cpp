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
#include <QFile>
#include <QFileInfo>

namespace {

QString Kind(const QString &name) { return QFileInfo(name).suffix().toLower(); }

} // namespace

QString TDocument::Name(const QString &fileTitle) const
{
    // A page without a title of its own is named by its one heading, not its file.
    if (!Title.isEmpty())
        return Title;
    return Chapters.size() == 1 && !Chapters.front().Title.isEmpty() ? Chapters.front().Title : fileTitle;
}

QString TDocument::Text() const
{
    QStringList parts;
    for (const TChapter &chapter : Chapters)
        parts << chapter.Text;
    return parts.join(QLatin1Char('\n'));
}

TLanguageRanges TDocument::Languages() const
{
    TLanguageRanges ranges;
    int at = 0;
    for (const TChapter &chapter : Chapters) {
        LanguageRanges::Append(ranges, chapter.Languages, at);
        at += int(chapter.Text.size()) + 1;
    }
    return ranges;
}

namespace DocumentReader {

bool IsDocument(const QString &path)
{
    static const QStringList kinds{QStringLiteral("html"), QStringLiteral("htm"), QStringLiteral("xhtml"),
                                   QStringLiteral("md"),   QStringLiteral("markdown"), QStringLiteral("epub"),
                                   QStringLiteral("odt"),  QStringLiteral("docx"), QStringLiteral("pdf")};
    return kinds.contains(Kind(path)) || IsPicture(path);
}

bool IsPicture(const QString &path)
{
    static const QStringList kinds{QStringLiteral("png"), QStringLiteral("jpg"),  QStringLiteral("jpeg"), QStringLiteral("tif"),
                                   QStringLiteral("tiff"), QStringLiteral("webp"), QStringLiteral("bmp"),  QStringLiteral("gif")};
    return kinds.contains(Kind(path));
}

QString FileFilter()
{
    const QString pictures = QStringLiteral("*.png *.jpg *.jpeg *.tif *.tiff *.webp *.bmp *.gif");
    return QCoreApplication::translate("Documents", "Text and documents (%1)")
               .arg(QStringLiteral(
                        "*.txt *.html *.htm *.xhtml *.md *.markdown *.epub *.odt *.docx *.pdf ") +
                    pictures) +
           QStringLiteral(";;") + QCoreApplication::translate("Documents", "Text files (*.txt)") +
           QStringLiteral(";;") +
           QCoreApplication::translate("Documents", "Pictures of text (%1)").arg(pictures) +
           QStringLiteral(";;") + QCoreApplication::translate("Documents", "All files (*)");
}

bool ReadBytes(const QByteArray &bytes, const QString &name, TDocument *document, QString *error, const TProgress &progress,
               const TRecognition &recognition, const TPageOptions &page)
{
    *document = TDocument();
    const QString kind = Kind(name);
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

bool Load(const QString &path, QByteArray *bytes, QString *error)
{
    // Opening a pipe or a device would wait for a writer, or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error =
            QCoreApplication::translate("Documents", "%1 is not a file that can be read (a folder, "
                                                     "a device or a pipe); it was not opened.")
                .arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Documents", "The file %1 could not be opened: %2")
                     .arg(path, file.errorString());
        return false;
    }
    if (!TextFile::ReadCapped(file, TextFile::MaxTextFileBytes, bytes)) {
        *error =
            QCoreApplication::translate(
                "Documents",
                "%1 is too large to be read as an article (more than 64 MB); it was not opened.")
                .arg(path);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("Documents", "Error reading input file %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

bool Read(const QString &path, TDocument *document, QString *error, const TProgress &progress, const TRecognition &recognition,
          const TPageOptions &page)
{
    QByteArray bytes;
    return Load(path, &bytes, error) && ReadBytes(bytes, path, document, error, progress, recognition, page);
}

std::vector<TDocument::TChapter> Articles(const TDocument &document, const QString &fileTitle, bool chapters)
{
    const QString title = document.Name(fileTitle);
    if (!chapters || document.Chapters.size() == 1)
        return {{title, document.Text(), document.Languages()}};
    std::vector<TDocument::TChapter> articles;
    for (const TDocument::TChapter &chapter : document.Chapters)
        articles.push_back({chapter.Title.isEmpty() ? title : chapter.Title, chapter.Text, chapter.Languages});
    return articles;
}

} // namespace DocumentReader
